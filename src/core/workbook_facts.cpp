// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message_texts.h"
#include "core/workbook.h"

namespace tavoric {

void AddFactsSheet(Workbook& workbook, std::string_view name, const std::vector<SheetFact>& facts) {
    workbook.StartSheet(name, {MessageText("AA00822"), MessageText("AA00823")});
    for (const SheetFact& fact : facts) {
        workbook.AddRow({SheetCell::Text(fact.name), fact.number ? SheetCell::Number(*fact.number)
                                                                 : SheetCell::Text(fact.text)});
    }
}

std::vector<SheetFact> SurveyFacts(const GeneralValues& general) {
    std::vector<SheetFact> facts = {
        {MessageText("AA00824"), general.surveyArea},
        {MessageText("AA00825"), general.dayAndDate},
        {MessageText("AA00826"), general.weather},
        {MessageText("AA00827"), general.observers},
        {MessageText("AA00828"), general.startTime + "-" + general.endTime},
    };
    for (const std::string* text : {&general.reportText1, &general.reportText2}) {
        if (!text->empty()) {
            facts.push_back({MessageText("AA00829"), *text});
        }
    }
    return facts;
}

}  // namespace tavoric
