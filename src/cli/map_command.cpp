// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli map: the parking pressure map of the per-place selection, as GeoJSON with the
// figures for GIS and as PNG, SVG or PDF drawings. Drawings need a build with the desktop
// libraries; no display is needed.
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_images.h"
#include "charts/street_map.h"
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

struct MapOptions {
    std::optional<std::string> geometry;
    std::optional<std::string> geojson;
    std::optional<std::string> png;
    std::optional<std::string> svg;
    std::optional<std::string> pdf;
    std::optional<std::string> measure;
    bool labels = true;  // --no-labels leaves them out
};

constexpr ValueOption<MapOptions> kMapOptions[] = {
    {"--geometry", &MapOptions::geometry}, {"--geojson", &MapOptions::geojson},
    {"--png", &MapOptions::png},           {"--svg", &MapOptions::svg},
    {"--pdf", &MapOptions::pdf},           {"--measure", &MapOptions::measure},
};

// Occupancy unless named.
std::optional<MapMeasure> Measure(const std::optional<std::string>& name) {
    constexpr MapMeasure kMeasures[] = {MapMeasure::Occupancy, MapMeasure::Peak};
    if (!name) {
        return MapMeasure::Occupancy;
    }
    const std::optional<std::size_t> index =
        ChosenOptionValue(EnumeratedOptionOf("map", "--measure"), *name, "AA00710");
    return index ? std::optional(kMeasures[*index]) : std::nullopt;
}

std::vector<std::string> OutputPaths(const MapOptions& options) {
    std::vector<std::string> paths;
    for (const auto& path : {options.geojson, options.png, options.svg, options.pdf}) {
        if (path) {
            paths.push_back(*path);
        }
    }
    return paths;
}

// The geometry named, at least one output, no output over an input or another output, and
// drawings only where they can be drawn.
bool OptionsUsable(const MapOptions& options, const std::vector<std::string>& paths) {
    if (!options.geometry) {
        PrintError(MessageText("AA00711"));
        return false;
    }
    if (paths.empty()) {
        PrintError(MessageText("AA00722"));
        return false;
    }
    for (const std::string& path : paths) {
        if (RefusedOverInput(path, *options.geometry)) {
            return false;
        }
    }
    if (NamesOneFileTwice({{"--geojson", options.geojson},
                           {"--png", options.png},
                           {"--svg", options.svg},
                           {"--pdf", options.pdf}})) {
        return false;
    }
    if (paths.size() > (options.geojson ? 1u : 0u) && !ChartDrawing::Available()) {
        PrintError(MessageText("AA00721"));
        return false;
    }
    return true;
}

int WriteOutputs(const StreetMap& map, const ChartData& data, MapMeasure measure,
                 const MapOptions& options) {
    if (options.geojson && !WriteOutputFile(*options.geojson, StreetMapGeoJson(map))) {
        return kExitFileError;
    }
    return WriteImages(
        {{options.png, ChartImageFormat::Png},
         {options.svg, ChartImageFormat::Svg},
         {options.pdf, ChartImageFormat::Pdf}},
        [&](const ChartDrawing& drawing, ChartImageFormat format) {
            return drawing.MapImage(map, data, measure, options.labels, format, ChartImageSize{});
        },
        "AA00712");
}

int Map(const std::vector<std::string>& args) {
    std::vector<std::string> rest = args;
    const bool noLabels = std::erase(rest, std::string("--no-labels")) > 0;
    std::optional<MapOptions> options = TakeValueOptions<MapOptions>(rest, kMapOptions);
    if (!options) {
        return kExitUsage;
    }
    options->labels = !noLabels;
    const std::optional<MapMeasure> measure = Measure(options->measure);
    const std::vector<std::string> outputPaths = OutputPaths(*options);
    if (!measure || !OptionsUsable(*options, outputPaths)) {
        return kExitUsage;
    }
    Survey survey;
    AnalysisParameters parameters;
    if (const int status = PrepareAnalysis("map", ReportKind::PerPlace, rest, outputPaths, survey,
                                           parameters, false, options->geometry);
        status != kExitOk) {
        return status;
    }
    StreetGeometryRead read = ReadStreetInput(*options->geometry);
    if (!read.geometry) {
        PrintError(read.error);
        return kExitFileError;
    }
    TerminalProgress progress;
    const std::optional<ChartData> data =
        ComputeChartData(survey, parameters, LoadUserSettings().pressureThreshold, progress);
    if (!data) {
        return kExitFileError;
    }
    const StreetMap map =
        JoinStreetMap(std::move(*read.geometry), data->sections, survey.SectiesList);
    if (const std::string notice = UnmatchedFeaturesText(map); !notice.empty()) {
        PrintError(notice);
    }
    return WriteOutputs(map, *data, *measure, *options);
}

}  // namespace

CliCommand MapCommand() {
    return {"map", "AA00740", "AA00741", Map};
}

}  // namespace tavoric
