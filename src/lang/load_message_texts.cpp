// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/load_message_texts.h"

#include "core/message_texts.h"

namespace tavoric {

namespace {
std::string ExpandLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            result += "\r\n";
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
}  // namespace

void LoadMessageTexts(const IniFile& languageFile) {
    for (const std::string& key : MessageKeys()) {
        const auto value = languageFile.Value("Dynamic", key);
        if (!value) {
            continue;  // the current text, quoted and stripped again, stays as it is
        }
        SetMessageText(key, ExpandLineBreaks(StripEnclosing(*value)));
    }
}

}  // namespace tavoric
