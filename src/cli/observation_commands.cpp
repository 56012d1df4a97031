// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli import-observations and export-observations: plates from field apps, camera cars
// and spreadsheets into a project, and a project's plates (or a blank field list) out as CSV.
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_prompter.h"
#include "cli/command_input.h"
#include "cli/commands.h"
#include "cli/report_output.h"
#include "core/atomic_file.h"
#include "core/backups.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/time_zone.h"
#include "entry/observation_csv.h"
#include "reports/export.h"

namespace tavoric {

namespace {

// Without --report, this many reported rows are shown after the summary.
constexpr std::size_t kRowsShown = 20;

struct ImportArguments {
    std::string projectPath;
    std::string csvPath;
    std::optional<std::string> outPath;
    std::optional<std::string> reportPath;
    std::optional<std::string> timeZone;
    std::optional<std::string> surveyDay;
    bool replace = false;
};

std::optional<ImportArguments> ParseImportArguments(const std::vector<std::string>& args) {
    ImportArguments parsed;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        std::optional<std::string>* value = word == "--out"         ? &parsed.outPath
                                            : word == "--report"    ? &parsed.reportPath
                                            : word == "--time-zone" ? &parsed.timeZone
                                            : word == "--date"      ? &parsed.surveyDay
                                                                    : nullptr;
        if (value != nullptr && i + 1 < args.size() && !value->has_value()) {
            *value = args[++i];
        } else if (word == "--replace" && !parsed.replace) {
            parsed.replace = true;
        } else if (!word.starts_with("--") && files.size() < 2) {
            files.push_back(word);
        } else {
            return std::nullopt;
        }
    }
    if (files.size() != 2) {
        return std::nullopt;
    }
    parsed.projectPath = files[0];
    parsed.csvPath = files[1];
    return parsed;
}

// The time zone and survey day of the command line; a zone the system does not know or a day
// that is none is said on stderr.
std::optional<ObservationImportOptions> ImportOptions(const ImportArguments& arguments) {
    ObservationImportOptions options;
    if (arguments.timeZone) {
        if (!IsKnownTimeZone(*arguments.timeZone)) {
            PrintError(FormatText(MessageText("AA00515"), {Utf8ForMessage(*arguments.timeZone)}));
            return std::nullopt;
        }
        options.timeZone = *arguments.timeZone;
    }
    if (arguments.surveyDay) {
        options.surveyDay = IsoDay(*arguments.surveyDay);
        if (!options.surveyDay) {
            PrintError(FormatText(MessageText("AA00516"), {Utf8ForMessage(*arguments.surveyDay)}));
            return std::nullopt;
        }
    }
    return options;
}

void SayRowsLeftOut(const std::vector<const ReportedRow*>& rows, void (*say)(std::string_view)) {
    for (std::size_t i = 0; i < rows.size() && i < kRowsShown; ++i) {
        say(ReportedRowText(*rows[i]));
    }
    if (rows.size() > kRowsShown) {
        say(FormatText(MessageText("AA00506"), {std::to_string(rows.size() - kRowsShown)}));
    }
}

// Writes the survey to --out ("-": standard output), or back to the project after the rolling
// backups; a project that nothing changed is left as it is, and a file without rows writes
// nothing at all.
bool WriteResult(Survey& survey, const ImportArguments& arguments,
                 const ObservationImportPlan& plan, std::size_t slotsWritten,
                 void (*say)(std::string_view)) {
    CliPrompter prompter;
    if (plan.counts.rowsRead == 0 && arguments.outPath) {
        say(FormatText(MessageText("AA00509"), {Utf8ToCp1252(*arguments.outPath)}));
        return true;
    }
    if (!arguments.outPath && slotsWritten == 0) {
        say(MessageText("AA00505"));
        return true;
    }
    const std::string path = arguments.outPath.value_or(arguments.projectPath);
    if (!arguments.outPath) {
        RotateBackups(path, LoadBackupSettings());
    }
    const bool written = path == kStandardOutputName
                             ? WriteOutputFile(path, ProjectFileContent(survey))
                             : WriteProjectFile(survey, path, prompter);
    if (!written) {
        return false;
    }
    say(FormatText(MessageText("AA00504"), {Utf8ToCp1252(path)}));
    return true;
}

// The files named: standard input feeds one of them, no output overwrites an input or another
// output, and a project is written back only to its file.
bool FilesUsable(const ImportArguments& arguments) {
    if (ReadsStandardInputTwice(
            {{"PROJECT.par", arguments.projectPath}, {"WAARNEMINGEN.csv", arguments.csvPath}})) {
        return false;
    }
    if (NamesOneFileTwice({{"PROJECT.par", InputFile(arguments.projectPath)},
                           {"WAARNEMINGEN.csv", InputFile(arguments.csvPath)},
                           {"--out", arguments.outPath},
                           {"--report", arguments.reportPath}})) {
        return false;
    }
    return arguments.outPath || !RefusedWritingBack(arguments.projectPath);
}

// The plan for the observation file, or nothing after saying why there is none. The file's text
// is let go once planned: the plan holds no part of it.
std::optional<ObservationImportPlan> PlanImport(const ImportArguments& arguments,
                                                const ObservationImportOptions& options,
                                                const Survey& survey) {
    std::string csv;
    const std::string csvName = Utf8ToCp1252(arguments.csvPath);
    if (!ReadObservationInput(arguments.csvPath, csv)) {
        PrintError(FormatText(MessageText("AA00270"), {csvName}));
        return std::nullopt;
    }
    ObservationImportPlan plan = PlanObservationImport(survey, csv, options);
    if (!plan.fileError.empty()) {
        PrintError(FormatText(MessageText("AA00507"), {csvName, plan.fileError}));
        return std::nullopt;
    }
    return plan;
}

int ImportObservations(const std::vector<std::string>& args) {
    const std::optional<ImportArguments> arguments = ParseImportArguments(args);
    if (!arguments) {
        return UsageError("import-observations");
    }
    if (!FilesUsable(*arguments)) {
        return kExitUsage;
    }
    const std::optional<ObservationImportOptions> options = ImportOptions(*arguments);
    if (!options) {
        return kExitUsage;
    }
    if (!arguments->outPath && ProjectInUse(arguments->projectPath)) {
        return kExitFileError;
    }
    Survey survey;
    if (!OpenSurvey(arguments->projectPath, survey)) {
        return kExitFileError;
    }
    const std::optional<ObservationImportPlan> planned = PlanImport(*arguments, *options, survey);
    if (!planned) {
        return kExitFileError;
    }
    const ObservationImportPlan& plan = *planned;
    // With "--report -" or "--out -" standard output holds that file alone; the summary goes to
    // stderr.
    const bool fileOnStandardOutput =
        arguments->reportPath == kStandardOutputName || arguments->outPath == kStandardOutputName;
    const auto say = fileOnStandardOutput ? PrintError : PrintLine;
    for (const std::string& line : ImportSummaryLines(plan, arguments->replace)) {
        say(line);
    }
    const std::vector<const ReportedRow*> leftOut = RowsLeftOut(plan, arguments->replace);
    if (arguments->reportPath) {
        if (!WriteOutputFile(*arguments->reportPath, ReportedRowsFileContent(leftOut))) {
            return kExitFileError;
        }
    } else {
        SayRowsLeftOut(leftOut, say);
    }
    const std::size_t written = ApplyObservationImport(survey, plan, arguments->replace);
    if (!WriteResult(survey, *arguments, plan, written, say)) {
        return kExitFileError;
    }
    return leftOut.empty() ? kExitOk : kExitRowsReported;
}

int ExportObservations(const std::vector<std::string>& args) {
    std::optional<std::string> projectPath;
    std::optional<std::string> csvPath;
    std::optional<std::string> xlsxPath;
    bool allSlots = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--csv" && i + 1 < args.size() && !csvPath) {
            csvPath = args[++i];
        } else if (args[i] == "--xlsx" && i + 1 < args.size() && !xlsxPath) {
            xlsxPath = args[++i];
        } else if (args[i] == "--all" && !allSlots) {
            allSlots = true;
        } else if (!args[i].starts_with("--") && !projectPath) {
            projectPath = args[i];
        } else {
            return UsageError("export-observations");
        }
    }
    if (!projectPath || (!csvPath && !xlsxPath)) {
        return UsageError("export-observations");
    }
    if (NamesOneFileTwice(
            {{"PROJECT.par", InputFile(*projectPath)}, {"--csv", csvPath}, {"--xlsx", xlsxPath}})) {
        return kExitUsage;
    }
    Survey survey;
    if (!OpenSurvey(*projectPath, survey)) {
        return kExitFileError;
    }
    if (csvPath && !WriteOutputFile(*csvPath, ObservationCsvContent(survey, allSlots))) {
        return kExitFileError;
    }
    return WriteWorkbook(
        xlsxPath, [&](std::string& error) { return ObservationWorkbook(survey, allSlots, error); });
}

}  // namespace

CliCommand ImportObservationsCommand() {
    return {"import-observations", "AA00440", "AA00441", ImportObservations};
}

CliCommand ExportObservationsCommand() {
    return {"export-observations", "AA00442", "AA00443", ExportObservations};
}

}  // namespace tavoric
