// SPDX-License-Identifier: GPL-3.0-or-later
// Pseudonymised surveys: every licence plate replaced by a code derived from a secret key, such
// that every analysis gives exactly the same figures. The same plate text always gets the same
// code, different texts get different codes, and with the same key the codes are the same in
// every survey.
//
// A code consists of the letters A-Z and the digits 0-9 and fills the plate field after its
// leading blanks, so that a field starting with a blank still means "no vehicle" and every line
// keeps its remark; any text after the remark is removed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/prompter.h"
#include "core/survey.h"
#include "privacy/pseudonym_key.h"

namespace tavoric {

struct PseudonymiseOptions {
    bool clearObservers = false;  // general value 004
    bool clearNotes = false;
};

struct PseudonymiseSummary {
    std::size_t replacedPlates = 0;  // plate fields given a code
    std::size_t distinctPlates = 0;
    // Plate texts written with different numbers of leading blanks (or in a line that ends
    // inside the plate field): each got the code of its shortest form everywhere.
    std::size_t shortenedPlates = 0;
    // Slot lines that held text after their remark code, which could be a plate: it is removed.
    std::size_t shortenedLines = 0;
    // Slots that share their place and period with a slot of another plate (duplicate place
    // numbers or a hand-made file). The report per parking place orders such slots by plate,
    // so its figures for those places can change.
    std::size_t sharedSlots = 0;
    bool observersCleared = false;
    bool notesCleared = false;
    std::string keyPath;
    bool keyCreated = false;
};

struct PseudonymiseResult {
    std::optional<PseudonymiseSummary> summary;
    std::string message;  // why the survey could not be pseudonymised
};

// Replaces the plates of the survey in place and applies the clear-outs. On failure (more
// distinct plates than codes of their length, which only hand-made files can reach, or a
// failure of the crypto library) the survey is unchanged.
PseudonymiseResult PseudonymiseSurvey(Survey& survey, const PseudonymKey& key,
                                      const PseudonymiseOptions& options);

struct PseudonymiseRequest {
    std::string outPath;              // the new project file; never the survey's own file
    std::string keyPath;              // the key file
    bool createKeyIfMissing = false;  // true for the key in the user's settings folder
    PseudonymiseOptions options;
};

struct PseudonymisedCopy {
    Survey survey;
    PseudonymiseSummary summary;
};

// A pseudonymised copy of the survey with the key of request (created when asked and missing);
// the survey itself stays as it is and request.outPath is not looked at. Every failure is shown
// through the prompter and gives nothing.
std::optional<PseudonymisedCopy> MakePseudonymisedCopy(const Survey& survey,
                                                       const PseudonymiseRequest& request,
                                                       Prompter& prompter);

// That copy written to request.outPath with the project writer, after checking that it is
// neither the survey's file nor the key file. Every failure is shown through the prompter and
// gives nothing.
std::optional<PseudonymiseSummary> WritePseudonymisedCopy(const Survey& survey,
                                                          const PseudonymiseRequest& request,
                                                          Prompter& prompter);

// What was done, one line per fact, for the user.
std::vector<std::string> SummaryLines(const PseudonymiseSummary& summary);

}  // namespace tavoric
