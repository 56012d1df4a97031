// SPDX-License-Identifier: GPL-3.0-or-later
// Observations from the field as CSV: field apps, camera cars and spreadsheets deliver the plates
// seen per place and round; the import puts them into the survey's slots, the export writes them
// (or, with every slot, a blank field list for an app) in the same format.
//
// The file: UTF-8 (a byte order mark is skipped) or UTF-16 with its byte order mark; comma,
// semicolon or tab; a header line naming the columns in any order and letter case, in Dutch or
// English: route, sectie/section, plaats/place, the slot as periode/period "HHMM-HHMM" or
// tijd/time (a clock time or a date-time, see observation_time.h), kenteken/plate and optionally
// opmerking/remark. Times are local; a date-time with an offset is converted to local time.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/survey.h"
#include "core/time_zone.h"
#include "core/workbook.h"
#include "entry/plate_entry.h"

namespace tavoric {

enum class ReportedRowKind {
    Conflict,   // the slot holds another plate or remark
    Duplicate,  // an earlier row of the file gave the slot another plate or remark
    Error,      // the row cannot be placed or its plate or remark cannot be stored
};

struct ReportedRow {
    std::size_t line = 0;  // where the row begins in the file, the header being line 1
    ReportedRowKind kind = ReportedRowKind::Error;
    std::string reason;  // code page 1252
};

struct ObservationImportCounts {
    std::size_t rowsRead = 0;   // every row after the header, empty lines not counted; each row
                                // is counted once more in exactly one of the counts below
    std::size_t toFill = 0;     // empty slots that get a plate or remark
    std::size_t unchanged = 0;  // the slot already holds what the row says
    std::size_t skipped = 0;    // rows with neither plate nor remark
    std::size_t conflicts = 0;
    std::size_t duplicates = 0;
    std::size_t errors = 0;
};

struct ObservationImportOptions {
    // The zone of local time (an IANA name IsKnownTimeZone accepts); empty: the system's zone.
    std::string timeZone;
    // The day of the survey; without it the earliest day among the dated rows.
    std::optional<CalendarDay> surveyDay;
};

// What an import would do, worked out without changing the survey.
struct ObservationImportPlan {
    // Set when the file cannot be imported at all (no usable header, broken quoting); nothing
    // else is then set.
    std::string fileError;
    ObservationImportCounts counts;
    // The first unknown columns as the header names them (code page 1252), and how many there
    // are in all.
    std::vector<std::string> unknownColumns;
    std::size_t unknownColumnCount = 0;
    std::vector<ReportedRow> reportedRows;  // in file order
    // The survey day the dated rows were held against, and whether the options gave it.
    std::optional<CalendarDay> surveyDay;
    bool surveyDayGiven = false;
    // Rows whose time had an offset from UTC, and the zone they were converted to (empty: the
    // system's zone).
    std::size_t convertedRows = 0;
    std::string timeZone;

    // A plate and remark for a slot, kept as the slot line holds them (a million of them fit in
    // 16 MB).
    struct SlotWrite {
        std::size_t line;                           // index in KentekensList
        std::array<char, kPlateLength> plateField;  // padded with blanks
        char remarkField;                           // a blank: no remark
        bool replacesOther;                         // a conflict: written only when replacing

        // plate of at most kPlateLength characters without blanks, remark of at most one
        // character that is not a blank.
        static SlotWrite Of(std::size_t line, std::string_view plate, std::string_view remark,
                            bool replacesOther);
        std::string_view Plate() const;
        std::string_view Remark() const;
    };
    std::vector<SlotWrite> writes;  // in KentekensList order
};

// Reads the CSV content and decides for every row against the survey's slots.
ObservationImportPlan PlanObservationImport(const Survey& survey, std::string_view csvContent,
                                            const ObservationImportOptions& options = {});

// Stores the planned plates and remarks in their slots as the plate entry stores them; the
// conflicts only when replace is set. Marks the project changed when a line changed; returns
// the number of slots written.
std::size_t ApplyObservationImport(Survey& survey, const ObservationImportPlan& plan, bool replace);

// The reported rows that stay reported: the conflicts are taken when replacing.
std::vector<const ReportedRow*> RowsLeftOut(const ObservationImportPlan& plan, bool replace);
// The summary as lines of text (code page 1252), as the desktop and the command line show it.
std::vector<std::string> ImportSummaryLines(const ObservationImportPlan& plan, bool replace);
// One reported row as a line of text: "Regel 12: ...".
std::string ReportedRowText(const ReportedRow& row);
// The rows left out, one line each, as a UTF-8 text file with CR LF line ends.
std::string ReportedRowsFileContent(const std::vector<const ReportedRow*>& rows);

// The observations as the CSV file: UTF-8, comma-separated, CR LF, a header line, then one row
// per slot holding a plate or a remark (every slot when allSlots), in KentekensList order.
std::string ObservationCsvContent(const Survey& survey, bool allSlots);
// The same rows as an Excel workbook: the sheet "Onderzoek" with the general data, then the sheet
// "Waarnemingen", continued on further sheets past rowsPerSheet rows. Nothing when the workbook
// could not be made, with the reason in error.
std::optional<std::string> ObservationWorkbook(const Survey& survey, bool allSlots,
                                               std::string& error,
                                               std::size_t rowsPerSheet = kMaxSheetRows);

}  // namespace tavoric
