// SPDX-License-Identifier: GPL-3.0-or-later
// Where the programs find their files. In a build tree the language and help folders and the
// read-me files lie beside the desktop program, one folder above tavoric-cli. An installation
// keeps them where the file system hierarchy puts them: "<prefix>/share/tavoric/" holds "Lng/"
// and "Hlp/", "<prefix>/share/doc/tavoric/" the read-me files, beside "<prefix>/bin/" (and
// "<prefix>/libexec/tavoric/", where tavoric-cli's full program lies).
#pragma once

#include <string>

namespace tavoric {

// The folder holding "Lng/" and "Hlp/" (with a trailing "/") for a program in executableFolder:
// the folder itself, the installation's share folder or the folder above. The executable's folder
// when none holds "Lng/".
std::string ProgramDataFolder(const std::string& executableFolder);

// The folder holding the read-me file fileName, looked for as the data folder is, with the
// installation's documentation folder instead of its share folder. The executable's folder when
// none holds it.
std::string ReadMeFolder(const std::string& executableFolder, const std::string& fileName);

}  // namespace tavoric
