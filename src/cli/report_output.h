// SPDX-License-Identifier: GPL-3.0-or-later
// Where the report commands of tavoric-cli send their report: to standard output in UTF-8 with
// LF line ends, or with --txt FILE to a text file, and with --csv FILE its table to a CSV file,
// both exactly as the program's export writes them. FILE "-" sends those very bytes to standard
// output, for a pipe; "--csv -" alone sends only the table there.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/atomic_file.h"
#include "reports/report_document.h"

namespace tavoric {

struct ReportOutput {
    std::optional<std::string> txtPath;          // --txt FILE: the report goes there, not to stdout
    std::optional<std::string> csvPath;          // --csv FILE: the table goes there
    std::optional<std::string> totalsCsvPath;    // --totals-csv FILE: the motive report's totals
    std::optional<std::string> sectionsCsvPath;  // --sections-csv FILE: its motives per section
    std::optional<std::string> tableCsvPath;     // --table-csv FILE: the clean table
    std::optional<std::string> detailCsvPath;    // --detail-csv FILE: the clean detail list
    std::optional<std::string> xlsxPath;         // --xlsx FILE: the Excel workbook
};

// The output options a command takes besides --txt and --csv.
struct ExtraOutputOptions {
    bool motiveFiles = false;  // --totals-csv and --sections-csv
    bool tableCsv = false;
    bool detailCsv = false;
    bool xlsx = false;
};

// Removes "--txt FILE" and "--csv FILE" (and the motive report's "--totals-csv FILE" and
// "--sections-csv FILE", "--table-csv FILE", "--detail-csv FILE" and "--xlsx FILE", when
// asked) from args and leaves every other argument in order. When a file name is missing, an option
// is given twice or two options name the same file, says so on stderr and returns nothing; the
// command then exits with 2.
std::optional<ReportOutput> TakeReportOutputOptions(std::vector<std::string>& args,
                                                    ExtraOutputOptions extra = {});

// Whether a file other than the report's text goes to standard output ("-"); the report then
// is not printed there unless --txt names a file.
bool SendsFileToStandardOutput(const ReportOutput& output);

// False, after the message, when an output file is the project file the report is made of.
bool OutputsSpareInput(const ReportOutput& output, const std::string& projectPath);

// Writes the report where the options say; returns the exit status: 0 when done, 1 when a file
// cannot be written (reported on stderr), 2 when --csv is asked of a report without a table (then
// nothing is written at all).
int WriteReportOutput(const ReportDocument& report, const ReportOutput& output);

// Writes the lines of a report it is given to them one by one.
using ReportLineProducer = std::function<void(ReportLineSink& lines)>;

// Writes a report without a table (its command takes no --csv) where the options say while
// produce makes its lines, so that a long report is never held whole. Exit status as
// WriteReportOutput.
int WriteReportLines(const ReportOutput& output, const ReportLineProducer& produce);

// Writes an output file's bytes to path, or unchanged to standard output when path is "-".
// False, after the reason on stderr, when they cannot be written.
bool WriteOutputFile(const std::string& path, std::string_view content);
// The same with the content made while it is written.
bool WriteOutputFile(const std::string& path, const ContentProducer& produce);

// Makes the workbook and writes it to path (--xlsx) when one is given. Returns the exit status:
// 1, after the reason on stderr, when it cannot be made or written.
int WriteWorkbook(const std::optional<std::string>& path,
                  const std::function<std::optional<std::string>(std::string&)>& make);

}  // namespace tavoric
