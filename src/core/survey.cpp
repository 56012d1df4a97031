// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/survey.h"

#include <algorithm>
#include <numeric>

#include "core/clock.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

GeneralValues NewProjectValues() {
    GeneralValues v;
    v.surveyArea = MessageText("AA00007");
    v.dayAndDate = MessageText("AA00008");
    v.weather = MessageText("AA00009");
    v.observers = MessageText("AA00010");
    v.startTime = "0600";
    v.endTime = "1300";
    v.durationClasses = {{{0, 30}, {30, 60}, {60, 120}, {120, 240}, {240, 1440}}};
    v.showNotesOnOpen = false;
    v.reportText1 = MessageText("AA00011");
    v.reportText2.clear();
    return v;
}

int& DurationBoundByKey(GeneralValues& values, int key) {
    const int offset = std::clamp(key, 7, 16) - 7;
    DurationClass& c = values.durationClasses[static_cast<std::size_t>(offset / 2)];
    return offset % 2 == 0 ? c.from : c.to;
}

int DurationBoundByKey(const GeneralValues& values, int key) {
    return DurationBoundByKey(const_cast<GeneralValues&>(values), key);
}

void Survey::ResetToNew(std::string newProjectPath) {
    ProjectPath = std::move(newProjectPath);
    ProjectChanged = false;
    AlgemeneGegevens = NewProjectValues();
    for (LineList* list : {&RoutesList, &SectiesList, &ParkeerplaatsenList, &AantekeningenList}) {
        list->clear();
        list->shrink_to_fit();
    }
    KentekensList.clear();
}

std::string NewProjectFileName() {
    return FixedTexts().newProjectBaseName + ".par";
}

void SortLines(LineList& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return CompareNoCase(a, b) < 0;
    });
}

void SortLines(LineBuffer& lines) {
    std::vector<std::size_t> order(lines.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&lines](std::size_t a, std::size_t b) {
        return CompareNoCase(lines[a], lines[b]) < 0;
    });
    lines.Reorder(0, order);
}

std::string_view RouteKey(std::string_view line) {
    return Chars(line, 1, 4);
}
std::string_view SectionKey(std::string_view line) {
    return Chars(line, 1, 9);
}
std::string_view PlaceKey(std::string_view line) {
    return Chars(line, 1, 14);
}
std::string_view PpeKey(std::string_view line) {
    return Chars(line, 1, 24);
}

std::string_view RouteDescription(std::string_view routeLine) {
    return TrimTrailingBlanks(Chars(routeLine, 6, 38));
}
std::string_view RouteIntervalText(std::string_view routeLine) {
    return TrimBlanks(CharsFrom(routeLine, 41));
}
std::string_view SectionNumber(std::string_view line) {
    return Chars(line, 6, 9);
}
std::string_view SectionDescription(std::string_view sectionLine) {
    return CharsFrom(sectionLine, 11);
}
std::string_view PlaceNumber(std::string_view line) {
    return Chars(line, 11, 14);
}
std::string_view PlaceType(std::string_view placeLine) {
    return Chars(placeLine, 16, 16);
}
std::string_view PpePeriod(std::string_view ppeLine) {
    return Chars(ppeLine, 16, 24);
}
std::string_view PpePeriodStart(std::string_view ppeLine) {
    return Chars(ppeLine, 16, 19);
}
std::string_view PpePeriodEnd(std::string_view ppeLine) {
    return Chars(ppeLine, 21, 24);
}
std::string_view PpePlate(std::string_view ppeLine) {
    return Chars(ppeLine, 26, 31);
}
std::string_view PpeRemark(std::string_view ppeLine) {
    return Chars(ppeLine, 33, 33);
}

namespace {

// The four digits at text, the form of every generated period, as a whole number; -1 when any
// of them is not a digit.
int FourDigits(const char* text) {
    int value = 0;
    for (int i = 0; i < 4; ++i) {
        const auto digit = static_cast<unsigned>(text[i] - '0');
        if (digit > 9) {
            return -1;
        }
        value = value * 10 + static_cast<int>(digit);
    }
    return value;
}

}  // namespace

std::optional<PeriodBounds> PpePeriodBounds(std::string_view ppeLine) {
    constexpr std::size_t kPeriodEnd = 24;
    if (ppeLine.size() >= kPeriodEnd) {
        const int start = FourDigits(ppeLine.data() + 15);
        const int end = FourDigits(ppeLine.data() + 20);
        if (start >= 0 && end >= 0) {
            return PeriodBounds{start, end};
        }
    }
    // Anything else, as hand-made files may hold, as the general parser reads it.
    const std::optional<int> start = ToInteger(PpePeriodStart(ppeLine));
    const std::optional<int> end = ToInteger(PpePeriodEnd(ppeLine));
    if (!start || !end) {
        return std::nullopt;
    }
    return PeriodBounds{*start, *end};
}

int RouteInterval(const LineList& routes, std::string_view routeNumber) {
    int interval = 0;
    for (const std::string& line : routes) {
        if (RouteKey(line) != routeNumber) {
            continue;
        }
        if (auto value = ToInteger(RouteIntervalText(line))) {
            interval = *value;
        }
    }
    return interval;
}

std::vector<std::string> PlacePeriods(std::string_view startTime, std::string_view endTime,
                                      int interval) {
    std::vector<std::string> periods;
    if (interval <= 0) {
        return periods;
    }
    const int surveyEnd = IntegerOrZero(endTime);
    std::string start(startTime);
    while (static_cast<int>(periods.size()) < kMaxPeriodsPerPlace) {
        std::string end = AddMinutes(start, interval);
        periods.push_back(start + "-" + end);
        if (IntegerOrZero(end) >= surveyEnd) {
            break;
        }
        start = std::move(end);
    }
    return periods;
}

std::string PpeLineWithPlate(std::string_view ppeKey, std::string_view plate,
                             std::string_view remark) {
    std::string line = PadField("L", ppeKey, " ", 24);
    line += ' ';
    line += PadField("L", plate, " ", 6);
    line += ' ';
    line += PadField("L", remark, " ", 1);
    return line;
}

}  // namespace tavoric
