// SPDX-License-Identifier: GPL-3.0-or-later
// The Prompter of tavoric-cli: notices go to standard error, questions take their default
// answer, file and folder dialogs are cancelled (commands take their files as arguments).
#pragma once

#include "core/prompter.h"

namespace tavoric {

class CliPrompter : public Prompter {
public:
    int MessageDialog(const std::string& caption, const std::string& heading,
                      const std::string& text, DialogKind kind, const ButtonCaptions& captions,
                      int defaultButton) override;
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> BrowseFolder(const FileDialogRequest& request) override;
};

}  // namespace tavoric
