// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli compare: two surveys of the same area, before (A) and after (B), side by side with
// the same selection, as CSV figures, as PNG, SVG or PDF charts and as an Excel workbook; the
// sections also as a difference map of the streets.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "charts/analysis_workbook.h"
#include "charts/chart_images.h"
#include "charts/difference_map.h"
#include "charts/survey_comparison.h"
#include "cli/analysis_options.h"
#include "cli/command_input.h"
#include "cli/commands.h"
#include "cli/file_options.h"
#include "cli/image_output.h"
#include "cli/option_values.h"
#include "cli/report_output.h"
#include "cli/terminal_progress.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/settings.h"
#include "core/text.h"
#include "reports/export.h"

namespace tavoric {

namespace {

struct CompareOptions {
    std::optional<std::string> kind;
    std::optional<std::string> csv;
    std::optional<std::string> png;
    std::optional<std::string> svg;
    std::optional<std::string> pdf;
    std::optional<std::string> xlsx;
    std::optional<std::string> geometry;
    std::optional<std::string> geojson;
    std::optional<std::string> mapPng;
    std::optional<std::string> mapSvg;
    std::optional<std::string> mapPdf;
    bool labels = true;  // --no-labels leaves the map's labels out
};

constexpr ValueOption<CompareOptions> kCompareOptions[] = {
    {"--kind", &CompareOptions::kind},         {"--csv", &CompareOptions::csv},
    {"--png", &CompareOptions::png},           {"--svg", &CompareOptions::svg},
    {"--pdf", &CompareOptions::pdf},           {"--xlsx", &CompareOptions::xlsx},
    {"--geometry", &CompareOptions::geometry}, {"--geojson", &CompareOptions::geojson},
    {"--map-png", &CompareOptions::mapPng},    {"--map-svg", &CompareOptions::mapSvg},
    {"--map-pdf", &CompareOptions::mapPdf},
};

std::optional<ComparisonKind> Kind(const std::optional<std::string>& name) {
    const EnumeratedOption& option = EnumeratedOptionOf("compare", "--kind");
    if (!name) {
        PrintError(FormatText(MessageText("AA00922"), {ChosenWords(option, ", ")}));
        return std::nullopt;
    }
    const std::optional<std::size_t> index = ChosenOptionValue(option, *name, "AA00923");
    return index ? std::optional(AllComparisonKinds()[*index]) : std::nullopt;
}

bool WantsMap(const CompareOptions& options) {
    return options.geojson || options.mapPng || options.mapSvg || options.mapPdf;
}

bool WantsDrawing(const CompareOptions& options) {
    return options.png || options.svg || options.pdf || options.mapPng || options.mapSvg ||
           options.mapPdf;
}

// Whether the options ask for the files of one comparison; the workbook holds all four.
bool NamesOneComparison(const CompareOptions& options) {
    return options.kind || options.csv || options.png || options.svg || options.pdf ||
           WantsMap(options) || !options.xlsx;
}

// The CSV file of one comparison, a map only of the sections, no two outputs naming one file,
// and images only where they can be drawn.
bool OutputsUsable(const CompareOptions& options, std::optional<ComparisonKind> kind) {
    if (NamesOneComparison(options) && !options.csv) {
        PrintError(MessageText("AA00924"));
        return false;
    }
    if (WantsMap(options) && kind != ComparisonKind::Sections) {
        PrintError(MessageText("AA00944"));
        return false;
    }
    if (NamesOneFileTwice({{"--csv", options.csv},
                           {"--png", options.png},
                           {"--svg", options.svg},
                           {"--pdf", options.pdf},
                           {"--xlsx", options.xlsx},
                           {"--geojson", options.geojson},
                           {"--map-png", options.mapPng},
                           {"--map-svg", options.mapSvg},
                           {"--map-pdf", options.mapPdf}})) {
        return false;
    }
    if (WantsDrawing(options) && !ChartDrawing::Available()) {
        PrintError(MessageText("AA00470"));
        return false;
    }
    return true;
}

std::vector<std::string> OutputPaths(const CompareOptions& options) {
    std::vector<std::string> paths;
    for (const std::optional<std::string>& path :
         {options.csv, options.png, options.svg, options.pdf, options.xlsx, options.geojson,
          options.mapPng, options.mapSvg, options.mapPdf}) {
        if (path) {
            paths.push_back(*path);
        }
    }
    return paths;
}

// The file name of the project, code page 1252.
std::string NameOf(const Survey& survey) {
    return Utf8ForMessage(std::filesystem::path(survey.ProjectPath).filename().string());
}

// The streets of --geometry, else those project A remembers; nothing, after the reason, when
// there are none, an output would replace them, or they cannot be read.
std::optional<StreetGeometry> StreetsOfMap(const CompareOptions& options, const Survey& a,
                                           int& status) {
    const std::string path =
        options.geometry ? *options.geometry
                         : StreetGeometryPathOf(a.ProjectPath, a.AlgemeneGegevens.streetGeometry);
    status = kExitUsage;
    if (path.empty()) {
        PrintError(MessageText("AA00945"));
        return std::nullopt;
    }
    for (const std::string& output : OutputPaths(options)) {
        if (RefusedOverInput(output, path)) {
            return std::nullopt;
        }
    }
    status = kExitFileError;
    StreetGeometryRead read = ReadStreetInput(path);
    if (!read.geometry) {
        PrintError(read.error);
        return std::nullopt;
    }
    status = kExitOk;
    return std::move(read.geometry);
}

int WriteOutputs(ComparisonKind kind, const SurveyComparison& comparison,
                 const CompareOptions& options) {
    if (!WriteOutputFile(*options.csv, ComparisonCsv(kind, comparison))) {
        return kExitFileError;
    }
    return WriteImages(
        {{options.png, ChartImageFormat::Png},
         {options.svg, ChartImageFormat::Svg},
         {options.pdf, ChartImageFormat::Pdf}},
        [&](const ChartDrawing& drawing, ChartImageFormat format) {
            return drawing.ComparisonImage(kind, comparison, format,
                                           DefaultComparisonSize(kind, comparison));
        },
        "AA00473");
}

int WriteMap(const DifferenceMap& map, const CompareOptions& options) {
    if (options.geojson && !WriteOutputFile(*options.geojson, DifferenceMapGeoJson(map))) {
        return kExitFileError;
    }
    return WriteImages(
        {{options.mapPng, ChartImageFormat::Png},
         {options.mapSvg, ChartImageFormat::Svg},
         {options.mapPdf, ChartImageFormat::Pdf}},
        [&](const ChartDrawing& drawing, ChartImageFormat format) {
            return drawing.DifferenceMapImage(map, options.labels, format, ChartImageSize{});
        },
        "AA00712");
}

int Compare(const std::vector<std::string>& args) {
    std::vector<std::string> rest = args;
    const bool noLabels = std::erase(rest, std::string("--no-labels")) > 0;
    std::optional<CompareOptions> options = TakeValueOptions<CompareOptions>(rest, kCompareOptions);
    if (!options) {
        return kExitUsage;
    }
    options->labels = !noLabels;
    std::optional<ComparisonKind> kind;
    if (NamesOneComparison(*options) && !(kind = Kind(options->kind))) {
        return kExitUsage;
    }
    if (!OutputsUsable(*options, kind)) {
        return kExitUsage;
    }
    const ProgramSettings settings = LoadUserSettings();
    AnalysisSide a;
    AnalysisSide b;
    a.parameters.motiveBounds = settings.motiveBounds;
    b.parameters.motiveBounds = settings.motiveBounds;
    if (const int status = PrepareComparison("compare", {"A.par", "B.par", options->geometry}, rest,
                                             OutputPaths(*options), a, b);
        status != kExitOk) {
        return status;
    }
    // The streets are read before anything is written: a bad street file writes nothing.
    std::optional<StreetGeometry> streets;
    if (WantsMap(*options)) {
        int status = kExitOk;
        if (!(streets = StreetsOfMap(*options, a.survey, status))) {
            return status;
        }
    }
    TerminalProgress progress;
    const std::optional<SurveyComparison> comparison = CompareSurveys(
        a.survey, a.parameters, b.survey, b.parameters, settings.pressureThreshold, progress);
    if (!comparison) {
        return kExitFileError;
    }
    if (!SidesShareSection(*comparison)) {
        PrintError(MessageText("AA00925"));
        return kExitFileError;
    }
    if (kind) {
        if (const int status = WriteOutputs(*kind, *comparison, *options); status != kExitOk) {
            return status;
        }
    }
    if (streets) {
        const DifferenceMap map = JoinDifferenceMap(std::move(*streets), *comparison);
        if (const std::string notice = UnmatchedFeaturesText(map.streets); !notice.empty()) {
            PrintError(notice);
        }
        if (const int status = WriteMap(map, *options); status != kExitOk) {
            return status;
        }
    }
    return WriteWorkbook(options->xlsx, [&](std::string& error) {
        return ComparisonWorkbook(*comparison, NameOf(a.survey), NameOf(b.survey), error);
    });
}

}  // namespace

CliCommand CompareCommand() {
    return {"compare", "AA00920", "AA00921", Compare};
}

}  // namespace tavoric
