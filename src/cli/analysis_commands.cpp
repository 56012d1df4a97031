// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli per-place, interval and motive: the analyses of a project file, with the selection
// made by options instead of the analysis dialog. Without options everything is selected, as at
// the dialog's first opening.
#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_selection.h"
#include "analysis/motive_report.h"
#include "analysis/parking_duration_analysis.h"
#include "charts/analysis_workbook.h"
#include "cli/analysis_options.h"
#include "cli/command_input.h"
#include "cli/commands.h"
#include "cli/report_output.h"
#include "cli/terminal_progress.h"
#include "core/clock.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/settings.h"
#include "core/text.h"
#include "reports/export.h"

namespace tavoric {

namespace {

constexpr int kMaxClassBound = 9999999;
constexpr int kLatestTimeOfDay = 2359;  // --from and --to
constexpr int kEndOfDay = 2400;         // the motive bounds may close the day

// The options as given; lists stay unset when the option is absent.
struct AnalysisOptions {
    std::vector<std::string> projectPaths;  // one, or A and B of a comparison
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<std::string> routes;
    std::optional<std::string> sections;
    std::optional<std::string> places;
    std::optional<std::string> types;
    std::optional<std::string> classes;
    std::optional<std::string> morning;
    std::optional<std::string> evening;
    std::optional<std::string> commuterMinutes;
    bool excludeIllegalPpl = false;
    bool excludeIllegalPpe = false;
    bool detail = false;
    bool sortByVehicles = false;
};

// The reports an option applies to, as bits.
enum KindSet : unsigned { kPerPlace = 1, kInterval = 2, kMotive = 4, kAllKinds = 7 };

unsigned KindBit(ReportKind kind) {
    switch (kind) {
        case ReportKind::PerPlace:
            return kPerPlace;
        case ReportKind::PerInterval:
            return kInterval;
        case ReportKind::Motive:
            break;
    }
    return kMotive;
}

// The options of the given report kinds.
bool AppliesTo(unsigned optionKinds, unsigned kinds) {
    return (optionKinds & kinds) != 0;
}

struct ValueOptionName {
    const char* name;
    std::optional<std::string> AnalysisOptions::*value;
    unsigned kinds;
};
constexpr ValueOptionName kValueOptions[] = {
    {"--from", &AnalysisOptions::from, kAllKinds},
    {"--to", &AnalysisOptions::to, kAllKinds},
    {"--routes", &AnalysisOptions::routes, kAllKinds},
    {"--sections", &AnalysisOptions::sections, kAllKinds},
    {"--places", &AnalysisOptions::places, kAllKinds},
    {"--types", &AnalysisOptions::types, kAllKinds},
    {"--classes", &AnalysisOptions::classes, kPerPlace | kInterval},
    {"--morning", &AnalysisOptions::morning, kMotive},
    {"--evening", &AnalysisOptions::evening, kMotive},
    {"--commuter-minutes", &AnalysisOptions::commuterMinutes, kMotive},
};

struct FlagOptionName {
    const char* name;
    bool AnalysisOptions::*flag;
    unsigned kinds;
};
constexpr FlagOptionName kFlagOptions[] = {
    {"--exclude-illegal-ppl", &AnalysisOptions::excludeIllegalPpl, kPerPlace | kInterval},
    {"--exclude-illegal-ppe", &AnalysisOptions::excludeIllegalPpe, kPerPlace | kInterval},
    {"--detail", &AnalysisOptions::detail, kInterval},
    {"--sort-by-vehicles", &AnalysisOptions::sortByVehicles, kInterval},
};

// kinds: the reports whose options the command takes, as bits.
std::optional<std::string>* ValueOption(AnalysisOptions& options, std::string_view name,
                                        unsigned kinds) {
    for (const ValueOptionName& option : kValueOptions) {
        if (name == option.name && AppliesTo(option.kinds, kinds)) {
            return &(options.*option.value);
        }
    }
    return nullptr;
}

bool* FlagOption(AnalysisOptions& options, std::string_view name, unsigned kinds) {
    for (const FlagOptionName& option : kFlagOptions) {
        if (name == option.name && AppliesTo(option.kinds, kinds)) {
            return &(options.*option.flag);
        }
    }
    return nullptr;
}

// The options and exactly projectCount project paths.
std::optional<AnalysisOptions> ParseOptions(const std::vector<std::string>& args, unsigned kinds,
                                            std::size_t projectCount = 1) {
    AnalysisOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (std::optional<std::string>* value = ValueOption(options, arg, kinds)) {
            bool given = value->has_value();
            if (i + 1 == args.size()) {
                PrintError(FormatText(MessageText("AA00964"), {arg}));
                return std::nullopt;
            }
            if (!FirstTime(arg, given)) {
                return std::nullopt;
            }
            *value = Utf8ToCp1252(args[++i]);
        } else if (bool* flag = FlagOption(options, arg, kinds)) {
            if (!FirstTime(arg, *flag)) {
                return std::nullopt;
            }
        } else if (arg.starts_with("--") || options.projectPaths.size() == projectCount) {
            return std::nullopt;
        } else {
            options.projectPaths.push_back(arg);
        }
    }
    if (options.projectPaths.size() != projectCount) {
        return std::nullopt;
    }
    return options;
}

// "0001-0002,0001-0003" as the keys "0001 0002" and "0001 0003"; the empty text names none.
std::vector<std::string> ListKeys(std::string_view text) {
    std::vector<std::string> keys;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        std::string key(text.substr(0, comma));
        std::replace(key.begin(), key.end(), '-', ' ');
        keys.push_back(std::move(key));
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return keys;
}

// Narrows the lists from the top down; a named entry that is not in its list is a usage error.
bool ApplyListOptions(AnalysisSelection& selection, const Survey& survey,
                      const AnalysisOptions& options) {
    const struct {
        const std::optional<std::string>& value;
        NarrowingLevel level;
        const char* messageKey;
    } lists[] = {{options.routes, NarrowingLevel::Routes, "AA00230"},
                 {options.sections, NarrowingLevel::Sections, "AA00231"},
                 {options.places, NarrowingLevel::Places, "AA00232"},
                 {options.types, NarrowingLevel::Types, "AA00233"}};
    for (const auto& list : lists) {
        if (!list.value) {
            continue;
        }
        std::vector<std::string> keys = ListKeys(*list.value);
        if (list.level == NarrowingLevel::Types) {
            keys.clear();  // type codes are single characters, written together: "VPI"
            for (char code : *list.value) {
                keys.emplace_back(1, code);
            }
        }
        if (const auto unknown = selection.SelectOnly(survey, list.level, keys)) {
            std::string named = *unknown;
            std::replace(named.begin(), named.end(), ' ', '-');
            PrintError(FormatText(MessageText(list.messageKey), {named}));
            return false;
        }
    }
    return true;
}

// A time option is HHMM as typed: nothing is carried or padded as the desktop's time fields do.
std::optional<std::string> TimeOption(const std::optional<std::string>& value,
                                      const std::string& current, const char* name, int latest) {
    if (!value) {
        return current;
    }
    if (!IsClockTime(*value, latest)) {
        PrintError(FormatText(MessageText(latest > kLatestTimeOfDay ? "AA00961" : "AA00960"),
                              {*value, name}));
        return std::nullopt;
    }
    return *value;
}

// "0-30,30-60,60-120,120-240,240-1440": five classes from-to in whole minutes.
bool ParseClasses(std::string_view text, std::array<DurationClass, kDurationClassCount>& classes) {
    std::vector<std::string> pairs;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        pairs.emplace_back(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
    bool valid = pairs.size() == classes.size();
    for (std::size_t k = 0; valid && k < pairs.size(); ++k) {
        const std::size_t dash = pairs[k].find('-');
        const std::optional<int> from = ToInteger(std::string_view(pairs[k]).substr(0, dash));
        const std::optional<int> to = dash == std::string::npos
                                          ? std::nullopt
                                          : ToInteger(std::string_view(pairs[k]).substr(dash + 1));
        valid = from && to && *from >= 0 && *to >= 0 && *from <= kMaxClassBound &&
                *to <= kMaxClassBound;
        if (valid) {
            classes[k] = {*from, *to};
        }
    }
    if (!valid) {
        PrintError(FormatText(MessageText("AA00235"), {text}));
    }
    return valid;
}

void PrintIntervalRefusal(const std::vector<std::string>& intervals) {
    PrintError(MessageText("AA00236"));
    std::string list;
    for (const std::string& interval : intervals) {
        list += (list.empty() ? "" : ", ") + interval;
    }
    PrintError(FormatText(MessageText("AA00237"), {list}));
}

// --morning, --evening and --commuter-minutes over the bounds of the settings file.
bool ApplyMotiveOptions(const AnalysisOptions& options, MotiveBounds& bounds) {
    const auto morning = TimeOption(options.morning, bounds.morning, "--morning", kEndOfDay);
    const auto evening = TimeOption(options.evening, bounds.evening, "--evening", kEndOfDay);
    if (!morning || !evening) {
        return false;
    }
    bounds.morning = *morning;
    bounds.evening = *evening;
    if (options.commuterMinutes) {
        const std::optional<int> minutes = ToInteger(*options.commuterMinutes);
        if (!minutes || *minutes < 0 || *minutes > kMaxCommuterMinutes) {
            PrintError(
                FormatText(MessageText("AA00241"), {*options.commuterMinutes, "--commuter-minutes",
                                                    "0", std::to_string(kMaxCommuterMinutes)}));
            return false;
        }
        bounds.commuterMinutes = *minutes;
    }
    return true;
}

// The run's parameters from the options; the exit status tells whether they could be made.
int PrepareParameters(const Survey& survey, const AnalysisOptions& options, ReportKind kind,
                      AnalysisParameters& parameters) {
    AnalysisSelection selection;
    selection.Open(survey);
    if (!ApplyListOptions(selection, survey, options)) {
        return kExitUsage;
    }
    // Without --from and --to the default window of the selected places holds.
    const TimeWindow& window = selection.Window(survey);
    const auto from = TimeOption(options.from, window.start, "--from", kLatestTimeOfDay);
    const auto to = TimeOption(options.to, window.end, "--to", kLatestTimeOfDay);
    if (!from || !to) {
        return kExitUsage;
    }
    if ((options.from || options.to) && *from > *to) {
        PrintError(FormatText(MessageText("AA00962"), {*from, *to}));
        return kExitUsage;
    }
    selection.SetWindow(survey, *from, *to);
    if (!selection.ReportAllowed(survey, kind)) {
        PrintIntervalRefusal(selection.Intervals(survey));
        return kExitFileError;
    }
    const MotiveBounds bounds = parameters.motiveBounds;
    parameters = selection.Parameters(survey, kind);
    parameters.motiveBounds = bounds;
    if (options.classes && !ParseClasses(*options.classes, parameters.classes)) {
        return kExitUsage;
    }
    if (!ApplyMotiveOptions(options, parameters.motiveBounds)) {
        return kExitUsage;
    }
    parameters.countIllegalInPpl = !options.excludeIllegalPpl;
    parameters.countIllegalInPpe = !options.excludeIllegalPpe;
    parameters.addDetailList = options.detail;
    parameters.sortByVehicles = options.sortByVehicles;
    return kExitOk;
}

// The motive report where --txt says, and its data files.
int WriteMotiveOutput(const ReportDocument& report, const MotiveFigures& figures,
                      const LineList& sectionLines, const ReportOutput& output) {
    ReportOutput textOnly;
    textOnly.txtPath = output.txtPath;
    if (const int status = output.txtPath || !SendsFileToStandardOutput(output)
                               ? WriteReportOutput(report, textOnly)
                               : kExitOk;
        status != kExitOk) {
        return status;
    }
    if (output.csvPath && !WriteOutputFile(*output.csvPath, MotivePeriodCsv(figures))) {
        return kExitFileError;
    }
    if (output.totalsCsvPath && !WriteOutputFile(*output.totalsCsvPath, MotiveTotalsCsv(figures))) {
        return kExitFileError;
    }
    if (output.sectionsCsvPath &&
        !WriteOutputFile(*output.sectionsCsvPath, MotiveSectionsCsv(figures, sectionLines))) {
        return kExitFileError;
    }
    return kExitOk;
}

// The clean tables where --table-csv, --detail-csv and --xlsx say.
int WriteCleanTables(const CleanTables& tables, ReportKind kind, const ReportOutput& output) {
    if (output.tableCsvPath) {
        const std::string content = kind == ReportKind::PerPlace
                                        ? PerPlaceTableCsv(tables.perPlace)
                                        : IntervalPatternCsv(tables.interval);
        if (!WriteOutputFile(*output.tableCsvPath, content)) {
            return kExitFileError;
        }
    }
    if (output.detailCsvPath &&
        !WriteOutputFile(*output.detailCsvPath, IntervalDetailCsv(tables.interval))) {
        return kExitFileError;
    }
    return kExitOk;
}

int RunAnalysisCommand(const char* commandName, ReportKind kind,
                       const std::vector<std::string>& args) {
    std::vector<std::string> rest = args;
    const std::optional<ReportOutput> output =
        TakeReportOutputOptions(rest, {.motiveFiles = kind == ReportKind::Motive,
                                       .tableCsv = kind != ReportKind::Motive,
                                       .detailCsv = kind == ReportKind::PerInterval,
                                       .xlsx = true});
    if (!output) {
        return kExitUsage;
    }
    const std::optional<AnalysisOptions> options = ParseOptions(rest, KindBit(kind));
    if (!options) {
        return UsageError(commandName);
    }
    const std::string& projectPath = options->projectPaths.front();
    if (!OutputsSpareInput(*output, projectPath)) {
        return kExitUsage;
    }
    Survey survey;
    if (!OpenSurvey(projectPath, survey)) {
        return kExitFileError;
    }
    const ProgramSettings settings = LoadUserSettings();
    AnalysisParameters parameters;
    parameters.motiveBounds = settings.motiveBounds;
    if (const int status = PrepareParameters(survey, *options, kind, parameters);
        status != kExitOk) {
        return status;
    }
    ReportDocument report(1, settings.report);
    TerminalProgress progress;
    if (kind == ReportKind::Motive) {
        const std::optional<MotiveFigures> figures =
            RunMotiveAnalysis(survey, parameters, report, progress);
        if (!figures) {
            return kExitFileError;
        }
        if (const int status = WriteMotiveOutput(report, *figures, survey.SectiesList, *output);
            status != kExitOk) {
            return status;
        }
        return WriteWorkbook(output->xlsxPath, [&](std::string& error) {
            return MotiveWorkbook(survey.AlgemeneGegevens, parameters, *figures, survey.SectiesList,
                                  error);
        });
    }
    parameters.addDetailList = parameters.addDetailList || output->detailCsvPath.has_value();
    // The clean tables are gathered only for the files that hold them.
    const bool tablesWanted = output->tableCsvPath || output->detailCsvPath || output->xlsxPath;
    CleanTables tables;
    if (const std::string refusal = RunParkingDurationAnalysis(survey, parameters, report, progress,
                                                               tablesWanted ? &tables : nullptr);
        !refusal.empty()) {
        PrintError(refusal);
        return kExitFileError;
    }
    if (const int status = WriteReportOutput(report, *output); status != kExitOk) {
        return status;
    }
    if (const int status = WriteCleanTables(tables, kind, *output); status != kExitOk) {
        return status;
    }
    return WriteWorkbook(output->xlsxPath, [&](std::string& error) {
        return AnalysisWorkbook(survey.AlgemeneGegevens, parameters, tables, error);
    });
}

int PerPlace(const std::vector<std::string>& args) {
    return RunAnalysisCommand("per-place", ReportKind::PerPlace, args);
}

int PerInterval(const std::vector<std::string>& args) {
    return RunAnalysisCommand("interval", ReportKind::PerInterval, args);
}

int ParkingMotive(const std::vector<std::string>& args) {
    return RunAnalysisCommand("motive", ReportKind::Motive, args);
}

// Says on stderr when an output would overwrite one of the projects.
bool OutputOverInput(const std::vector<std::string>& outputPaths,
                     const std::vector<std::string>& projectPaths) {
    for (const std::string& path : outputPaths) {
        for (const std::string& project : projectPaths) {
            if (RefusedOverInput(path, project)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int PrepareAnalysis(const char* commandName, ReportKind kind, const std::vector<std::string>& args,
                    const std::vector<std::string>& outputPaths, Survey& survey,
                    AnalysisParameters& parameters, bool motiveOptions,
                    const std::optional<std::string>& streets) {
    const std::optional<AnalysisOptions> options =
        ParseOptions(args, KindBit(kind) | (motiveOptions ? kMotive : 0u));
    if (!options) {
        return UsageError(commandName);
    }
    if (ReadsStandardInputTwice(
            {{"PROJECT.par", options->projectPaths.front()}, {"--geometry", streets}}) ||
        OutputOverInput(outputPaths, options->projectPaths)) {
        return kExitUsage;
    }
    if (!OpenSurvey(options->projectPaths.front(), survey)) {
        return kExitFileError;
    }
    return PrepareParameters(survey, *options, kind, parameters);
}

int PrepareComparison(const char* commandName, const ComparisonInputs& inputs,
                      const std::vector<std::string>& args,
                      const std::vector<std::string>& outputPaths, AnalysisSide& a,
                      AnalysisSide& b) {
    const std::optional<AnalysisOptions> options = ParseOptions(args, kPerPlace | kMotive, 2);
    if (!options) {
        return UsageError(commandName);
    }
    if (ReadsStandardInputTwice({{inputs.nameOfA, options->projectPaths[0]},
                                 {inputs.nameOfB, options->projectPaths[1]},
                                 {"--geometry", inputs.streets}}) ||
        OutputOverInput(outputPaths, options->projectPaths)) {
        return kExitUsage;
    }
    for (AnalysisSide* side : {&a, &b}) {
        const std::string& path = options->projectPaths[side == &a ? 0 : 1];
        if (!OpenSurvey(path, side->survey)) {
            return kExitFileError;
        }
        if (const int status =
                PrepareParameters(side->survey, *options, ReportKind::PerPlace, side->parameters);
            status != kExitOk) {
            return status;
        }
    }
    return kExitOk;
}

std::optional<SurveyComparison> CompareSides(const AnalysisSide& a, const AnalysisSide& b,
                                             int pressureThreshold, Progress& progress) {
    std::optional<SurveyComparison> comparison =
        CompareSurveys(a.survey, a.parameters, b.survey, b.parameters, pressureThreshold, progress);
    if (comparison && !SidesShareSection(*comparison)) {
        PrintError(MessageText("AA00925"));
        return std::nullopt;
    }
    return comparison;
}

std::string ProjectFileName(const Survey& survey) {
    return Utf8ForMessage(std::filesystem::path(survey.ProjectPath).filename().string());
}

CliCommand PerPlaceCommand() {
    return {"per-place", "AA00423", "AA00424", PerPlace};
}

CliCommand IntervalCommand() {
    return {"interval", "AA00425", "AA00426", PerInterval};
}

CliCommand MotiveCommand() {
    return {"motive", "AA00438", "AA00439", ParkingMotive};
}

}  // namespace tavoric
