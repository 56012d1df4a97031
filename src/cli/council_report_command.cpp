// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli rapport: the survey report for the council, as PDF and editable ODT, and its key
// figures as CSV, all from the per-place selection; with --compare a chapter beside another
// survey of the same area. Documents need a build with the desktop libraries; no display is
// needed.
#include <optional>
#include <string>
#include <vector>

#include "cli/analysis_options.h"
#include "cli/cli_prompter.h"
#include "cli/command_input.h"
#include "cli/commands.h"
#include "cli/file_options.h"
#include "cli/report_output.h"
#include "cli/terminal_progress.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/settings.h"
#include "document/document_files.h"

namespace tavoric {

namespace {

struct ReportOptions {
    std::optional<std::string> pdf;
    std::optional<std::string> odt;
    std::optional<std::string> summaryCsv;
    std::optional<std::string> geometry;
    std::optional<std::string> compare;
};

constexpr ValueOption<ReportOptions> kReportOptions[] = {
    {"--pdf", &ReportOptions::pdf},
    {"--odt", &ReportOptions::odt},
    {"--summary-csv", &ReportOptions::summaryCsv},
    {"--geometry", &ReportOptions::geometry},
    {"--compare", &ReportOptions::compare},
};

std::vector<std::string> OutputPaths(const ReportOptions& options) {
    std::vector<std::string> paths;
    for (const auto& path : {options.pdf, options.odt, options.summaryCsv}) {
        if (path) {
            paths.push_back(*path);
        }
    }
    return paths;
}

// At least one output, no output over the street file or another output, and documents only
// where they can be made.
bool OptionsUsable(const ReportOptions& options, const std::vector<std::string>& paths) {
    if (paths.empty()) {
        PrintError(MessageText("AA00901"));
        return false;
    }
    for (const std::string& path : paths) {
        if (options.geometry && RefusedOverInput(path, *options.geometry)) {
            return false;
        }
    }
    if (NamesOneFileTwice({{"--pdf", options.pdf},
                           {"--odt", options.odt},
                           {"--summary-csv", options.summaryCsv}})) {
        return false;
    }
    if ((options.pdf || options.odt) && !DocumentDrawing::Available()) {
        PrintError(MessageText("AA00902"));
        return false;
    }
    return true;
}

// The streets of --geometry, else those the project remembers. A remembered file that cannot be
// read is named on stderr and the report is made without the map; a named one stops the command.
struct MapSource {
    std::optional<StreetGeometry> geometry;
    bool failed = false;
};

MapSource ReadMapSource(const ReportOptions& options, const Survey& survey) {
    const std::string path =
        options.geometry
            ? *options.geometry
            : StreetGeometryPathOf(survey.ProjectPath, survey.AlgemeneGegevens.streetGeometry);
    if (path.empty()) {
        return {};
    }
    StreetGeometryRead read = ReadStreetInput(path);
    if (!read.geometry) {
        PrintError(read.error);
        return {std::nullopt, options.geometry.has_value()};
    }
    return {std::move(read.geometry), false};
}

// The project (and with --compare survey B) with the selection options applied.
int PrepareSides(const ReportOptions& options, std::vector<std::string> rest,
                 const std::vector<std::string>& outputPaths, AnalysisSide& a, AnalysisSide& b) {
    if (!options.compare) {
        return PrepareAnalysis("rapport", ReportKind::PerPlace, rest, outputPaths, a.survey,
                               a.parameters, true, options.geometry);
    }
    rest.push_back(*options.compare);
    return PrepareComparison("rapport", {"PROJECT.par", "--compare", options.geometry}, rest,
                             outputPaths, a, b);
}

// Survey B beside the figures of A; false, after the message, when they share no section.
bool AddComparison(CouncilFigures& figures, const AnalysisSide& a, const AnalysisSide& b,
                   int threshold, Progress& progress) {
    std::optional<SurveyComparison> comparison = CompareSides(a, b, threshold, progress);
    if (!comparison) {
        return false;
    }
    figures.comparison = CouncilComparison{std::move(*comparison), ProjectFileName(b.survey)};
    return true;
}

int CouncilReport(const std::vector<std::string>& args) {
    std::vector<std::string> rest = args;
    const std::optional<ReportOptions> options =
        TakeValueOptions<ReportOptions>(rest, kReportOptions);
    if (!options) {
        return kExitUsage;
    }
    const std::vector<std::string> outputPaths = OutputPaths(*options);
    if (!OptionsUsable(*options, outputPaths)) {
        return kExitUsage;
    }
    const ProgramSettings settings = LoadUserSettings();
    AnalysisSide a(settings.motiveBounds);
    AnalysisSide b(settings.motiveBounds);
    if (const int status = PrepareSides(*options, rest, outputPaths, a, b); status != kExitOk) {
        return status;
    }
    const Survey& survey = a.survey;
    const bool documents = options->pdf || options->odt;
    MapSource streets = documents ? ReadMapSource(*options, survey) : MapSource{};
    if (streets.failed) {
        return kExitFileError;
    }
    TerminalProgress progress;
    std::optional<CouncilFigures> figures =
        ComputeCouncilFigures(survey, a.parameters, settings.pressureThreshold, progress);
    if (!figures || (options->compare &&
                     !AddComparison(*figures, a, b, settings.pressureThreshold, progress))) {
        return kExitFileError;
    }
    std::optional<StreetMap> map;
    if (streets.geometry) {
        map = JoinStreetMap(std::move(*streets.geometry), figures->charts.sections,
                            survey.SectiesList);
        if (const std::string notice = UnmatchedFeaturesText(*map); !notice.empty()) {
            PrintError(notice);
        }
    }
    const CouncilReportContext context =
        ContextOfToday(survey, settings.report.ownerName, a.parameters, map.has_value());
    CliPrompter prompter;
    const DocumentDrawing drawing;
    return drawing.Write({options->pdf, options->odt, options->summaryCsv}, *figures, context,
                         map ? &*map : nullptr, prompter,
                         [](const std::string& path, std::string_view bytes) {
                             return WriteOutputFile(path, bytes);
                         })
               ? kExitOk
               : kExitFileError;
}

}  // namespace

CliCommand CouncilReportCommand() {
    return {"rapport", "AA00899", "AA00900", CouncilReport};
}

}  // namespace tavoric
