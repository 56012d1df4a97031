// SPDX-License-Identifier: GPL-3.0-or-later
#include "privacy/pseudonymise.h"

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

std::vector<std::string> SummaryLines(const PseudonymiseSummary& summary) {
    std::vector<std::string> lines;
    lines.push_back(FormatText(MessageText("AA00550"), {std::to_string(summary.replacedPlates),
                                                        std::to_string(summary.distinctPlates)}));
    if (summary.shortenedPlates > 0) {
        lines.push_back(
            FormatText(MessageText("AA00551"), {std::to_string(summary.shortenedPlates)}));
    }
    if (summary.shortenedLines > 0) {
        lines.push_back(
            FormatText(MessageText("AA00559"), {std::to_string(summary.shortenedLines)}));
    }
    if (summary.sharedSlots > 0) {
        lines.push_back(FormatText(MessageText("AA00552"), {std::to_string(summary.sharedSlots)}));
    }
    if (summary.observersCleared) {
        lines.push_back(MessageText("AA00553"));
    }
    if (summary.notesCleared) {
        lines.push_back(MessageText("AA00554"));
    }
    if (!summary.keyPath.empty()) {
        lines.push_back(FormatText(MessageText(summary.keyCreated ? "AA00556" : "AA00555"),
                                   {Utf8ToCp1252(summary.keyPath)}));
    }
    return lines;
}

}  // namespace tavoric
