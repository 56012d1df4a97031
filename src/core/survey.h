// SPDX-License-Identifier: GPL-3.0-or-later
// The survey of the open project: general values, the four record lists, the notes and the
// project state. Every route, section, place and slot is one fixed-column text line.
//
//   route    "RRRR Description(35)Interval"
//   section  "RRRR SSSS Description"
//   place    "RRRR SSSS PPPP T"                      (16 characters)
//   PPE      "RRRR SSSS PPPP HHMM-HHMM KKKKKK O"     (24 as generated, 33 once keyed in)
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/line_buffer.h"

namespace tavoric {

using LineList = std::vector<std::string>;

struct DurationClass {
    int from = 0;  // minutes, inclusive lower bound
    int to = 0;    // minutes, upper bound ("tot")
};
constexpr int kDurationClassCount = 5;

// The general values, stored under the keys 000-020 of the project file.
struct GeneralValues {
    std::string surveyArea;                                            // 001
    std::string dayAndDate;                                            // 002
    std::string weather;                                               // 003
    std::string observers;                                             // 004
    std::string startTime;                                             // 005, HHMM
    std::string endTime;                                               // 006, HHMM
    std::array<DurationClass, kDurationClassCount> durationClasses{};  // 007-016
    bool showNotesOnOpen = false;                                      // 017
    std::string reportText1;                                           // 018
    std::string reportText2;                                           // 019
    // 020: the GeoJSON file of the streets for the pressure map, relative to the project file's
    // folder. Written only when set, so that a project without a map reads as before.
    std::string streetGeometry;
};

// The values a new project starts with; the texts come from the current message texts.
GeneralValues NewProjectValues();

// Class n (0-based) is stored under keys 007 + 2n (lower) and 008 + 2n (upper).
int& DurationBoundByKey(GeneralValues& values, int key);
int DurationBoundByKey(const GeneralValues& values, int key);

struct Survey {
    GeneralValues AlgemeneGegevens = NewProjectValues();
    LineList RoutesList;
    LineList SectiesList;
    LineList ParkeerplaatsenList;
    LineBuffer KentekensList;  // the slots: a million lines in a large survey
    LineList AantekeningenList;
    std::string ProjectPath;
    bool ProjectChanged = false;

    // Empties every list and takes the new-project values under the given file name.
    void ResetToNew(std::string newProjectPath);
};

// "Nieuw.par", or "New.par" when the fixed texts are English.
std::string NewProjectFileName();

// Ascending by the whole line, letter case ignored; equal lines keep their order.
void SortLines(LineList& lines);
void SortLines(LineBuffer& lines);

// Keys that relate lines of different lists.
std::string_view RouteKey(std::string_view line);    // characters 1-4
std::string_view SectionKey(std::string_view line);  // 1-9
std::string_view PlaceKey(std::string_view line);    // 1-14
std::string_view PpeKey(std::string_view line);      // 1-24

// Fields of the record lines.
std::string_view RouteDescription(std::string_view routeLine);      // 6-38, trailing blanks removed
std::string_view RouteIntervalText(std::string_view routeLine);     // 41-end, blanks removed
std::string_view SectionNumber(std::string_view line);              // 6-9
std::string_view SectionDescription(std::string_view sectionLine);  // 11-end
std::string_view PlaceNumber(std::string_view line);                // 11-14
std::string_view PlaceType(std::string_view placeLine);             // 16
std::string_view PpePeriod(std::string_view ppeLine);               // 16-24
std::string_view PpePeriodStart(std::string_view ppeLine);          // 16-19
std::string_view PpePeriodEnd(std::string_view ppeLine);            // 21-24
std::string_view PpePlate(std::string_view ppeLine);                // 26-31
std::string_view PpeRemark(std::string_view ppeLine);               // 33

// A period's start and end as whole numbers ("0815" is 815), read as ToInteger reads them;
// nothing when either is not a whole number.
struct PeriodBounds {
    int start = 0;
    int end = 0;
};
std::optional<PeriodBounds> PpePeriodBounds(std::string_view ppeLine);

// The observation interval of a route in minutes; the last valid line of that number wins,
// 0 when there is none.
int RouteInterval(const LineList& routes, std::string_view routeNumber);

// The periods "HHMM-HHMM" of a place from the survey period and its route's interval: the first
// begins at the survey start, each joins the previous, the last is the first that reaches the
// survey end. An interval of 0 or less gives no periods. A survey end far beyond any clock time
// (only possible in a hand-made file) stops after kMaxPeriodsPerPlace periods.
constexpr int kMaxPeriodsPerPlace = 10000;
std::vector<std::string> PlacePeriods(std::string_view startTime, std::string_view endTime,
                                      int interval);

// A PPE line as the plate entry stores it: key, plate padded to 6, remark; 33 characters.
std::string PpeLineWithPlate(std::string_view ppeKey, std::string_view plate,
                             std::string_view remark);

}  // namespace tavoric
