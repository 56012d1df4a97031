// SPDX-License-Identifier: GPL-3.0-or-later
// The notices about files that cannot be read or written: the message with the file name as the
// user typed it, and the reason on a second line in the program's language.
#pragma once

#include <string>
#include <string_view>

#include "core/atomic_file.h"

namespace tavoric {

// The reason in the program's language: a message text for the common causes, the system's own
// text for the rare ones.
std::string FileErrorReason(const FileError& error);

// "Kan bestand "name" niet openen." and the reason.
std::string OpenFailureText(const std::string& path, const FileError& error);

// The text of messageKey (with "%s" for the file name) and the reason; a folder the user may not
// write gets its own message naming that folder, since the file itself is not at fault.
std::string SaveFailureText(std::string_view messageKey, const std::string& path,
                            const FileError& error);

}  // namespace tavoric
