// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a report to a file: its lines as plain text, or its table as comma-separated values for
// a spreadsheet. Both files are code page 1252 with CR LF line ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/atomic_file.h"
#include "core/prompter.h"
#include "reports/report_document.h"

namespace tavoric {

// Pdf: the printed pages of the report, drawn by the desktop (reports/ui/print_job.h).
// CleanCsv and Workbook: the clean table (UTF-8 CSV) and the Excel workbook of an analysis.
enum class ExportFormat { Text, Csv, Pdf, CleanCsv, Workbook };

// Every report line as it stands, trailing blanks kept, each ended by CR LF.
std::string ReportTextContent(const ReportDocument& report);
// The same text handed on in blocks as it is written, never held whole a second time.
ContentProducer ReportTextExport(const ReportDocument& report);
// Hands report lines on as they are made, each followed by lineEnd, in blocks of about 1 MiB: the
// text export (CR LF) of a report too long to be held in memory.
class ReportLineWriter final : public ReportLineSink {
public:
    explicit ReportLineWriter(ByteWriter write, std::string_view lineEnd = "\r\n");
    void AddReportLine(std::string_view text = {}) override;
    // Hands on the last block; false when a block could not be written.
    bool Finish();

private:
    BlockWriter out_;
    std::string_view lineEnd_;
};

// One line per table row: every cell in double quotes, separated by commas. Quotes inside a cell
// are written as they are, not doubled, so the spreadsheet sees what the program always wrote.
std::string ReportCsvContent(const ReportTable& table);

// ".txt", ".csv", ".pdf" or ".xlsx".
std::string_view ExportExtension(ExportFormat format);
// The chosen name gains the extension unless the text from its last full stop on is exactly it:
// "plan" -> "plan.txt", "plan.TXT" -> "plan.TXT.txt".
std::string ExportFileName(std::string_view chosenName, ExportFormat format);

// File names are as the file system has them (UTF-8); messages show them in code page 1252.

// Writes content to fileName, replacing the file as a whole: a failed write leaves an existing
// file as it was. Failure is shown as an error notice with the file name and the system's
// reason; returns whether the file was written.
bool WriteExportFile(const std::string& fileName, std::string_view content, Prompter& prompter);
// The same with the content made while it is written.
bool WriteExportFile(const std::string& fileName, const ContentProducer& produce,
                     Prompter& prompter);

// Writes the report's lines (Text) or table (Csv) to fileName with WriteExportFile.
bool ExportReport(const ReportDocument& report, ExportFormat format, const std::string& fileName,
                  Prompter& prompter);

// The format the export dialog offers: the last choice while it is allowed; CSV only for a
// report with table data, the clean table and the workbook only for an analysis report,
// otherwise text. PDF is always allowed.
ExportFormat OfferedExportFormat(ExportFormat lastChoice, const ReportDocument& report,
                                 bool analysis = false);

// The export command after the format is chosen: asks for the file name (the title with the
// extension proposed), adds the extension and asks before replacing an existing file. Returns
// the name to write, or nothing when the user stopped.
std::optional<std::string> AskExportFileName(const std::string& title, ExportFormat format,
                                             Prompter& prompter);

// True when fileName does not exist yet or the user agrees to replace it.
bool MayReplaceFile(const std::string& fileName, Prompter& prompter);

// AskExportFileName, then ExportReport (Text or Csv). Returns whether a file was written.
bool ExportWithSaveDialog(const ReportDocument& report, ExportFormat format, Prompter& prompter);

}  // namespace tavoric
