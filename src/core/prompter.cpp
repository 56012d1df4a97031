// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/prompter.h"

#include "core/message_texts.h"

namespace tavoric {

namespace {
void Notice(Prompter& prompter, const std::string& text, DialogKind kind) {
    ButtonCaptions captions;
    captions.ok = MessageText("ZB00020");
    prompter.MessageDialog(std::string(kProductName), "", text, kind, captions, kDefaultOk);
}
}  // namespace

void ErrorNotice(Prompter& prompter, const std::string& text) {
    Notice(prompter, text, DialogKind::Error);
}

void WarningNotice(Prompter& prompter, const std::string& text) {
    Notice(prompter, text, DialogKind::Warning);
}

void InformationNotice(Prompter& prompter, const std::string& text) {
    Notice(prompter, text, DialogKind::Information);
}

int Question(Prompter& prompter, const std::string& heading, const std::string& text,
             const ButtonCaptions& captions, int defaultButton) {
    return prompter.MessageDialog(std::string(kProductName), heading, text, DialogKind::Question,
                                  captions, defaultButton);
}

}  // namespace tavoric
