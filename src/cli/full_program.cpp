// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/full_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cli/cli_language.h"
#include "cli/commands.h"
#include "core/atomic_file.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

std::string FullProgramPath(const std::string& programFolder) {
    const std::filesystem::path folder = std::filesystem::path(programFolder).lexically_normal();
    const std::filesystem::path installed =
        (folder.parent_path().parent_path() / TAVORIC_FULL_CLI_FOLDER / kFullProgramName)
            .lexically_normal();
    for (const std::filesystem::path& candidate : {installed, folder / kFullProgramName}) {
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate.string();
        }
    }
    return installed.string();
}

int RunFullProgram(char** argv) {
    const std::string path = FullProgramPath(RunningProgramFolder());
    ::execv(path.c_str(), argv);
    const int reason = errno;
    FollowDesktopLanguage();
    PrintError(FormatText(MessageText("AA01080"),
                          {Utf8ForMessage(path), Utf8ForMessage(std::strerror(reason))}));
    return kExitFileError;
}

int RunProgram(const std::vector<std::string>& args) {
    RemoveTemporaryFileOnSignals();
    FollowDesktopLanguage();
    return RunCli(args);
}

}  // namespace tavoric
