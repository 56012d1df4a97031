// SPDX-License-Identifier: GPL-3.0-or-later
// A Prompter that answers from a script and records what was asked; for tests and batch runs.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/prompter.h"

namespace tavoric {

class ScriptedPrompter : public Prompter {
public:
    struct Asked {
        std::string heading;
        std::string text;
        DialogKind kind;
        ButtonCaptions captions;
        int defaultButton;
    };

    // Answers are used in order; without one, a dialog answers its default button and a file
    // dialog is cancelled.
    void QueueAnswer(int result) { answers_.push_back(result); }
    void QueueFileName(std::string name) { fileNames_.push_back(std::move(name)); }
    void QueueCancelledFileDialog() { fileNames_.push_back(kCancelled); }

    const std::vector<Asked>& asked() const { return asked_; }
    const std::vector<FileDialogRequest>& fileRequests() const { return fileRequests_; }
    void Clear();

    int MessageDialog(const std::string& caption, const std::string& heading,
                      const std::string& text, DialogKind kind, const ButtonCaptions& captions,
                      int defaultButton) override;
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> BrowseFolder(const FileDialogRequest& request) override;

private:
    static constexpr const char* kCancelled = "\x01" "cancelled";
    std::optional<std::string> NextFileName();

    std::deque<int> answers_;
    std::deque<std::string> fileNames_;
    std::vector<Asked> asked_;
    std::vector<FileDialogRequest> fileRequests_;
};

// The result code of a default button index.
int ResultOfDefaultButton(int defaultButton);

}  // namespace tavoric
