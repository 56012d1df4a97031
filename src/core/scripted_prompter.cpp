// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scripted_prompter.h"

namespace tavoric {

int ResultOfDefaultButton(int defaultButton) {
    switch (defaultButton) {
        case kDefaultYes:
            return kYes;
        case kDefaultNo:
            return kNo;
        case kDefaultCancel:
            return kCancel;
        default:
            return kOk;
    }
}

void ScriptedPrompter::Clear() {
    answers_.clear();
    fileNames_.clear();
    asked_.clear();
    fileRequests_.clear();
}

int ScriptedPrompter::MessageDialog(const std::string&, const std::string& heading,
                                    const std::string& text, DialogKind kind,
                                    const ButtonCaptions& captions, int defaultButton) {
    asked_.push_back({heading, text, kind, captions, defaultButton});
    if (answers_.empty()) {
        return ResultOfDefaultButton(defaultButton);
    }
    const int answer = answers_.front();
    answers_.pop_front();
    // Closing a question without a cancel button answers No.
    return answer == kCancel && kind == DialogKind::Question && !captions.withCancel ? kNo : answer;
}

std::optional<std::string> ScriptedPrompter::NextFileName() {
    if (fileNames_.empty()) {
        return std::nullopt;
    }
    std::string name = std::move(fileNames_.front());
    fileNames_.pop_front();
    if (name == kCancelled) {
        return std::nullopt;
    }
    return name;
}

std::optional<std::string> ScriptedPrompter::OpenFileName(const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    return NextFileName();
}

std::optional<std::string> ScriptedPrompter::SaveFileName(const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    return NextFileName();
}

std::optional<std::string> ScriptedPrompter::BrowseFolder(const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    return NextFileName();
}

}  // namespace tavoric
