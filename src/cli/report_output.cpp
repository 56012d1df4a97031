// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_output.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "reports/export.h"

namespace tavoric {

namespace {

enum class TextFor { Export, Terminal };

// The lines that produce makes as the text export writes them (code page 1252, CR LF) or as a
// terminal shows them (UTF-8, LF; converted a block at a time).
ContentProducer ReportText(ReportLineProducer produce, TextFor use) {
    return [produce = std::move(produce), use](const ByteWriter& write) {
        const ByteWriter writeUtf8 = [&write](std::string_view block) {
            return write(Cp1252ToUtf8(block));
        };
        ReportLineWriter lines(use == TextFor::Terminal ? writeUtf8 : write,
                               use == TextFor::Terminal ? "\n" : "\r\n");
        produce(lines);
        return lines.Finish();
    };
}

// The lines of a report that is made already.
ReportLineProducer LinesOf(const ReportDocument& report) {
    return [&report](ReportLineSink& lines) {
        for (const std::string& line : report.Lines()) {
            lines.AddReportLine(line);
        }
    };
}

// Writes what produce makes to standard output; false after the reason on stderr.
bool WriteToStandardOutput(const ContentProducer& produce) {
    std::cout.flush();
    int failure = 0;
    const ByteWriter write = [&failure](std::string_view bytes) {
        if (failure == 0 && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
            failure = errno;
        }
        return failure == 0;
    };
    if (produce(write) && std::fflush(stdout) == 0) {
        return true;
    }
    PrintError(FormatText(MessageText("AA00223"),
                          {Utf8ForMessage(std::strerror(failure != 0 ? failure : errno))}));
    return false;
}

// The export file's bytes (code page 1252, CR LF) go to standard output unchanged.
bool Export(const ReportDocument& report, ExportFormat format, const std::string& path) {
    if (path == kStandardOutputName) {
        return format == ExportFormat::Csv ? WriteOutputFile(path, ReportCsvContent(report.Table()))
                                           : WriteOutputFile(path, ReportTextExport(report));
    }
    CliPrompter prompter;
    return ExportReport(report, format, path, prompter);
}

}  // namespace

std::optional<ReportOutput> TakeReportOutputOptions(std::vector<std::string>& args,
                                                    ExtraOutputOptions extra) {
    ReportOutput output;
    std::vector<std::string> others;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::optional<std::string>* path =
            args[i] == "--txt"                                 ? &output.txtPath
            : args[i] == "--csv"                               ? &output.csvPath
            : extra.motiveFiles && args[i] == "--totals-csv"   ? &output.totalsCsvPath
            : extra.motiveFiles && args[i] == "--sections-csv" ? &output.sectionsCsvPath
            : extra.tableCsv && args[i] == "--table-csv"       ? &output.tableCsvPath
            : extra.detailCsv && args[i] == "--detail-csv"     ? &output.detailCsvPath
            : extra.xlsx && args[i] == "--xlsx"                ? &output.xlsxPath
                                                               : nullptr;
        if (path == nullptr) {
            others.push_back(std::move(args[i]));
            continue;
        }
        if (i + 1 == args.size()) {
            PrintError(FormatText(MessageText("AA00221"), {args[i]}));
            return std::nullopt;
        }
        if (path->has_value()) {
            PrintError(FormatText(MessageText("AA00222"), {args[i]}));
            return std::nullopt;
        }
        *path = args[++i];
    }
    if (output.txtPath && output.csvPath && SameFile(*output.txtPath, *output.csvPath)) {
        if (output.csvPath == kStandardOutputName) {
            PrintBothNameOneFile("--txt", "--csv", *output.csvPath);
        } else {
            PrintError(FormatText(MessageText("AA00225"), {Utf8ForMessage(*output.csvPath)}));
        }
        return std::nullopt;
    }
    // --txt and --csv may share standard output; every data file has a file of its own.
    const std::pair<const char*, std::optional<std::string>> files[] = {
        {"--txt", output.txtPath},
        {"--csv", output.csvPath},
        {"--totals-csv", output.totalsCsvPath},
        {"--sections-csv", output.sectionsCsvPath},
        {"--table-csv", output.tableCsvPath},
        {"--detail-csv", output.detailCsvPath},
        {"--xlsx", output.xlsxPath}};
    for (std::size_t dataFile = 2; dataFile < std::size(files); ++dataFile) {
        for (std::size_t other = 0; other < dataFile; ++other) {
            if (NamesOneFileTwice({files[other], files[dataFile]})) {
                return std::nullopt;
            }
        }
    }
    args = std::move(others);
    return output;
}

bool SendsFileToStandardOutput(const ReportOutput& output) {
    return std::ranges::any_of(
        std::initializer_list<std::optional<std::string>>{
            output.csvPath, output.totalsCsvPath, output.sectionsCsvPath, output.tableCsvPath,
            output.detailCsvPath, output.xlsxPath},
        [](const std::optional<std::string>& path) { return path == kStandardOutputName; });
}

bool OutputsSpareInput(const ReportOutput& output, const std::string& projectPath) {
    for (const std::optional<std::string>& path :
         {output.txtPath, output.csvPath, output.totalsCsvPath, output.sectionsCsvPath,
          output.tableCsvPath, output.detailCsvPath, output.xlsxPath}) {
        if (path && RefusedOverInput(*path, projectPath)) {
            return false;
        }
    }
    return true;
}

bool WriteOutputFile(const std::string& path, std::string_view content) {
    return WriteOutputFile(path, WholeContent(content));
}

bool WriteOutputFile(const std::string& path, const ContentProducer& produce) {
    if (path == kStandardOutputName) {
        return WriteToStandardOutput(produce);
    }
    CliPrompter prompter;
    return WriteExportFile(path, produce, prompter);
}

int WriteWorkbook(const std::optional<std::string>& path,
                  const std::function<std::optional<std::string>(std::string&)>& make) {
    if (!path) {
        return kExitOk;
    }
    std::string error;
    const std::optional<std::string> workbook = make(error);
    if (!workbook) {
        PrintError(error);
        return kExitFileError;
    }
    return WriteOutputFile(*path, *workbook) ? kExitOk : kExitFileError;
}

int WriteReportOutput(const ReportDocument& report, const ReportOutput& output) {
    if (output.csvPath && !report.HasTableData()) {
        PrintError(MessageText("AA00220"));
        return kExitUsage;
    }
    const bool tableAloneOnStandardOutput = !output.txtPath && SendsFileToStandardOutput(output);
    if (output.txtPath) {
        if (!Export(report, ExportFormat::Text, *output.txtPath)) {
            return kExitFileError;
        }
    } else if (!tableAloneOnStandardOutput &&
               !WriteToStandardOutput(ReportText(LinesOf(report), TextFor::Terminal))) {
        return kExitFileError;
    }
    if (output.csvPath && !Export(report, ExportFormat::Csv, *output.csvPath)) {
        return kExitFileError;
    }
    return kExitOk;
}

int WriteReportLines(const ReportOutput& output, const ReportLineProducer& produce) {
    const bool written =
        output.txtPath ? WriteOutputFile(*output.txtPath, ReportText(produce, TextFor::Export))
                       : WriteToStandardOutput(ReportText(produce, TextFor::Terminal));
    return written ? kExitOk : kExitFileError;
}

}  // namespace tavoric
