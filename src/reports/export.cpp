// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/export.h"

#include <cassert>
#include <cerrno>
#include <filesystem>
#include <new>
#include <utility>

#include "core/atomic_file.h"
#include "core/codec.h"
#include "core/file_messages.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string SaveDialogFilter(ExportFormat format) {
    switch (format) {
        case ExportFormat::Csv:
        case ExportFormat::CleanCsv:
            return "CSV-bestanden (*.csv)|*.csv";
        case ExportFormat::Pdf:
            return MessageText("AA00250") + "|*.pdf";
        case ExportFormat::Workbook:
            return MessageText("AA00857") + "|*.xlsx";
        case ExportFormat::Text:
            break;
    }
    return "TXT-bestanden (*.txt)|*.txt";
}

}  // namespace

std::string ReportTextContent(const ReportDocument& report) {
    std::size_t size = 0;
    for (const std::string& line : report.Lines()) {
        size += line.size() + kLineEnd.size();
    }
    std::string content;
    content.reserve(size);
    for (const std::string& line : report.Lines()) {
        content += line;
        content += kLineEnd;
    }
    return content;
}

ReportLineWriter::ReportLineWriter(ByteWriter write, std::string_view lineEnd)
    : out_(std::move(write)), lineEnd_(lineEnd) {}

void ReportLineWriter::AddReportLine(std::string_view text) {
    out_ += text;
    out_ += lineEnd_;
}

bool ReportLineWriter::Finish() {
    return out_.Finish();
}

ContentProducer ReportTextExport(const ReportDocument& report) {
    return [&report](const ByteWriter& write) {
        ReportLineWriter lines(write);
        for (const std::string& line : report.Lines()) {
            lines.AddReportLine(line);
        }
        return lines.Finish();
    };
}

std::string ReportCsvContent(const ReportTable& table) {
    std::size_t size = 0;
    for (int row = 0; row < table.RowCount(); ++row) {
        for (int column = 0; column < table.ColumnCount(); ++column) {
            size += table.Cell(column, row).size() + 3;
        }
        size += kLineEnd.size();
    }
    std::string content;
    content.reserve(size);
    for (int row = 0; row < table.RowCount(); ++row) {
        const char* separator = "";
        for (int column = 0; column < table.ColumnCount(); ++column) {
            content += separator;
            content += '"';
            content += table.Cell(column, row);
            content += '"';
            separator = ",";
        }
        content += kLineEnd;
    }
    return content;
}

std::string_view ExportExtension(ExportFormat format) {
    switch (format) {
        case ExportFormat::Csv:
        case ExportFormat::CleanCsv:
            return ".csv";
        case ExportFormat::Pdf:
            return ".pdf";
        case ExportFormat::Workbook:
            return ".xlsx";
        case ExportFormat::Text:
            break;
    }
    return ".txt";
}

std::string ExportFileName(std::string_view chosenName, ExportFormat format) {
    const std::string_view extension = ExportExtension(format);
    const std::size_t lastStop = chosenName.rfind('.');
    if (lastStop != std::string_view::npos && chosenName.substr(lastStop) == extension) {
        return std::string(chosenName);
    }
    return std::string(chosenName) + std::string(extension);
}

bool WriteExportFile(const std::string& fileName, std::string_view content, Prompter& prompter) {
    return WriteExportFile(fileName, WholeContent(content), prompter);
}

bool WriteExportFile(const std::string& fileName, const ContentProducer& produce,
                     Prompter& prompter) {
    FileError error;
    if (WriteFileAtomically(fileName, produce, error)) {
        return true;
    }
    ErrorNotice(prompter, SaveFailureText("AA00006", fileName, error));
    return false;
}

bool ExportReport(const ReportDocument& report, ExportFormat format, const std::string& fileName,
                  Prompter& prompter) {
    assert(format == ExportFormat::Text || format == ExportFormat::Csv);
    try {
        if (format == ExportFormat::Text) {
            return WriteExportFile(fileName, ReportTextExport(report), prompter);
        }
        return WriteExportFile(fileName, ReportCsvContent(report.Table()), prompter);
    } catch (const std::bad_alloc&) {
        ErrorNotice(prompter,
                    SaveFailureText("AA00006", fileName, {FileError::Kind::System, ENOMEM}));
        return false;
    }
}

ExportFormat OfferedExportFormat(ExportFormat lastChoice, const ReportDocument& report,
                                 bool analysis) {
    const bool analysisOnly =
        lastChoice == ExportFormat::CleanCsv || lastChoice == ExportFormat::Workbook;
    const bool allowed = lastChoice == ExportFormat::Csv ? report.HasTableData()
                         : analysisOnly                  ? analysis
                                                         : true;
    return allowed ? lastChoice : ExportFormat::Text;
}

std::optional<std::string> AskExportFileName(const std::string& title, ExportFormat format,
                                             Prompter& prompter) {
    FileDialogRequest request;
    request.filter = SaveDialogFilter(format);
    request.presetName = title + std::string(ExportExtension(format));
    request.title = MessageText("AA00403");
    const std::optional<std::string> chosen = prompter.SaveFileName(request);
    if (!chosen) {
        return std::nullopt;
    }
    const std::string fileName = ExportFileName(*chosen, format);
    return MayReplaceFile(fileName, prompter) ? std::optional(fileName) : std::nullopt;
}

bool MayReplaceFile(const std::string& fileName, Prompter& prompter) {
    std::error_code error;
    if (!std::filesystem::exists(fileName, error)) {
        return true;
    }
    ButtonCaptions captions;
    captions.yes = MessageText("ZB00016");
    captions.no = MessageText("ZB00017");
    captions.cancel = MessageText("ZB00013");
    return Question(prompter, MessageText("AA00195"),
                    FormatText(MessageText("AA00032"), {Utf8ToCp1252(fileName)}), captions,
                    kDefaultNo) == kYes;
}

bool ExportWithSaveDialog(const ReportDocument& report, ExportFormat format, Prompter& prompter) {
    const std::optional<std::string> fileName = AskExportFileName(report.Title(), format, prompter);
    return fileName && ExportReport(report, format, *fileName, prompter);
}

}  // namespace tavoric
