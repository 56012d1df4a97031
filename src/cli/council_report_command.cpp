// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli rapport: the survey report for the council, as PDF and editable ODT, and its key
// figures as CSV, all from the per-place selection. Documents need a build with the desktop
// libraries; no display is needed.
#include <optional>
#include <string>
#include <vector>

#include "cli/analysis_options.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/file_options.h"
#include "cli/terminal_progress.h"
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
};

constexpr ValueOption<ReportOptions> kReportOptions[] = {
    {"--pdf", &ReportOptions::pdf},
    {"--odt", &ReportOptions::odt},
    {"--summary-csv", &ReportOptions::summaryCsv},
    {"--geometry", &ReportOptions::geometry},
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
    StreetGeometryRead read = ReadStreetGeometry(path);
    if (!read.geometry) {
        PrintError(read.error);
        return {std::nullopt, options.geometry.has_value()};
    }
    return {std::move(read.geometry), false};
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
    Survey survey;
    const ProgramSettings settings = LoadUserSettings();
    AnalysisParameters parameters;
    parameters.motiveBounds = settings.motiveBounds;
    if (const int status = PrepareAnalysis("rapport", ReportKind::PerPlace, rest, outputPaths,
                                           survey, parameters, true);
        status != kExitOk) {
        return status;
    }
    const bool documents = options->pdf || options->odt;
    MapSource streets = documents ? ReadMapSource(*options, survey) : MapSource{};
    if (streets.failed) {
        return kExitFileError;
    }
    TerminalProgress progress;
    const std::optional<CouncilFigures> figures =
        ComputeCouncilFigures(survey, parameters, settings.pressureThreshold, progress);
    if (!figures) {
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
        ContextOfToday(survey, settings.report.ownerName, parameters, map.has_value());
    CliPrompter prompter;
    const DocumentDrawing drawing;
    return drawing.Write({options->pdf, options->odt, options->summaryCsv}, *figures, context,
                         map ? &*map : nullptr, prompter)
               ? kExitOk
               : kExitFileError;
}

}  // namespace

CliCommand CouncilReportCommand() {
    return {"rapport", "AA00899", "AA00900", CouncilReport};
}

}  // namespace tavoric
