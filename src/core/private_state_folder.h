// SPDX-License-Identifier: GPL-3.0-or-later
// The user's private state folder of the program: files that belong to this user alone and must
// outlive a crash (recovery copies, backups), never shared with other users of the machine.
#pragma once

#include <string>
#include <string_view>

namespace tavoric {

// "$XDG_STATE_HOME/Tavoric/<subfolder>/" when XDG_STATE_HOME is an absolute path, else
// "$HOME/.local/state/Tavoric/<subfolder>/"; empty when neither is known.
std::string PrivateStateFolder(std::string_view subfolder);

// Creates the folder and its missing parents with mode 0700 and narrows an existing folder to
// 0700. Refuses a folder that is a symbolic link or belongs to another user. False with the
// reason in errorText when the folder cannot be made private.
bool MakePrivateFolder(const std::string& folder, std::string& errorText);

// When XDG_RUNTIME_DIR is not set (cron, ssh, su), points it at the private folder
// "<tempFolder>/runtime-<uid>/", made as MakePrivateFolder makes one, so that Qt finds a runtime
// folder without a warning on the terminal. A set variable stays as it is. False when the folder
// cannot be made private; Qt then falls back on its own.
bool ProvideRuntimeFolder(const std::string& tempFolder);
// The same in the system's temporary folder (TMPDIR, else /tmp).
bool ProvideRuntimeFolder();

}  // namespace tavoric
