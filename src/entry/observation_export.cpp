// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codec.h"
#include "core/csv.h"
#include "core/text.h"
#include "entry/observation_csv.h"

namespace tavoric {

std::string ObservationCsvContent(const Survey& survey, bool allSlots) {
    constexpr std::size_t kRowSize = 40;
    std::string content;
    content.reserve((survey.KentekensList.size() + 1) * kRowSize);
    AppendCsvRecord(content, {"route", "sectie", "plaats", "periode", "kenteken", "opmerking"});
    for (const std::string_view line : survey.KentekensList) {
        const std::string_view plate = TrimTrailingBlanks(PpePlate(line));
        const std::string_view remark = TrimTrailingBlanks(PpeRemark(line));
        if (allSlots || !plate.empty() || !remark.empty()) {
            // Route to period are digits in a sound file, but the line may be hand-made.
            AppendCsvRecord(content,
                            {SpreadsheetText(RouteKey(line)), SpreadsheetText(SectionNumber(line)),
                             SpreadsheetText(PlaceNumber(line)),
                             SpreadsheetText(TrimTrailingBlanks(PpePeriod(line))),
                             SpreadsheetText(plate), SpreadsheetText(remark)});
        }
    }
    return Cp1252ToUtf8(content);
}

}  // namespace tavoric
