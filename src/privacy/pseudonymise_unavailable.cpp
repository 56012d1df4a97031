// SPDX-License-Identifier: GPL-3.0-or-later
// Pseudonymised copies in a program without OpenSSL: there are none. tavoric-cli links this and
// leaves the command to its full program.
#include "core/message_texts.h"
#include "privacy/pseudonymise.h"

namespace tavoric {

std::optional<PseudonymisedCopy> MakePseudonymisedCopy(const Survey&, const PseudonymiseRequest&,
                                                       Prompter& prompter) {
    ErrorNotice(prompter, MessageText("AA01081"));
    return std::nullopt;
}

std::optional<PseudonymiseSummary> WritePseudonymisedCopy(const Survey&, const PseudonymiseRequest&,
                                                          Prompter& prompter) {
    ErrorNotice(prompter, MessageText("AA01081"));
    return std::nullopt;
}

}  // namespace tavoric
