// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_prompter.h"

#include "cli/commands.h"
#include "core/scripted_prompter.h"

namespace tavoric {

int CliPrompter::MessageDialog(const std::string&, const std::string& heading,
                               const std::string& text, DialogKind, const ButtonCaptions&,
                               int defaultButton) {
    PrintError(heading.empty() ? text : heading + "\r" + text);
    return ResultOfDefaultButton(defaultButton);
}

std::optional<std::string> CliPrompter::OpenFileName(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> CliPrompter::SaveFileName(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> CliPrompter::BrowseFolder(const FileDialogRequest&) {
    return std::nullopt;
}

}  // namespace tavoric
