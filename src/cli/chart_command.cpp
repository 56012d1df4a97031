// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli chart: one chart of the per-place selection, as CSV figures and as PNG, SVG or PDF
// drawings. Images need a build with the desktop libraries; no display is needed.
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "charts/analysis_workbook.h"
#include "charts/chart_csv.h"
#include "charts/chart_images.h"
#include "cli/analysis_options.h"
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

struct ChartOptions {
    std::optional<std::string> kind;
    std::optional<std::string> csv;
    std::optional<std::string> png;
    std::optional<std::string> svg;
    std::optional<std::string> pdf;
    std::optional<std::string> size;
    std::optional<std::string> xlsx;
};

constexpr ValueOption<ChartOptions> kChartOptions[] = {
    {"--kind", &ChartOptions::kind}, {"--csv", &ChartOptions::csv}, {"--png", &ChartOptions::png},
    {"--svg", &ChartOptions::svg},   {"--pdf", &ChartOptions::pdf}, {"--size", &ChartOptions::size},
    {"--xlsx", &ChartOptions::xlsx},
};

struct ImageOutput {
    const char* option;
    std::optional<std::string> ChartOptions::*path;
    ChartImageFormat format;
};
constexpr ImageOutput kImageOutputs[] = {
    {"--png", &ChartOptions::png, ChartImageFormat::Png},
    {"--svg", &ChartOptions::svg, ChartImageFormat::Svg},
    {"--pdf", &ChartOptions::pdf, ChartImageFormat::Pdf},
};

std::optional<int> Side(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool whole = error == std::errc() && end == text.data() + text.size() && !text.empty();
    return whole && value >= kMinChartSide && value <= kMaxChartSide ? std::optional(value)
                                                                     : std::nullopt;
}

// "1200x800"
std::optional<ChartImageSize> ParseSize(const std::string& text) {
    const std::size_t x = text.find('x');
    const std::optional<int> width = Side(std::string_view(text).substr(0, x));
    const std::optional<int> height =
        x == std::string::npos ? std::nullopt : Side(std::string_view(text).substr(x + 1));
    if (!width || !height) {
        PrintError(FormatText(MessageText("AA00472"), {Utf8ToCp1252(text)}));
        return std::nullopt;
    }
    return ChartImageSize{*width, *height};
}

std::optional<ChartKind> Kind(const std::optional<std::string>& name) {
    const EnumeratedOption& option = EnumeratedOptionOf("chart", "--kind");
    if (!name) {
        PrintError(FormatText(MessageText("AA00475"), {ChosenWords(option, ", ")}));
        return std::nullopt;
    }
    const std::optional<std::size_t> index = ChosenOptionValue(option, *name, "AA00471");
    return index ? std::optional(AllChartKinds()[*index]) : std::nullopt;
}

// The files of one chart the options name, CSV first.
std::vector<std::string> ChartPaths(const ChartOptions& options) {
    std::vector<std::string> paths;
    if (options.csv) {
        paths.push_back(*options.csv);
    }
    for (const ImageOutput& image : kImageOutputs) {
        if (options.*image.path) {
            paths.push_back(*(options.*image.path));
        }
    }
    return paths;
}

// At least one output, no two naming the same file, and images only where they can be drawn.
bool OutputsUsable(const ChartOptions& options, const std::vector<std::string>& chartPaths) {
    if (chartPaths.empty() && !options.xlsx) {
        PrintError(MessageText("AA00474"));
        return false;
    }
    if (NamesOneFileTwice({{"--csv", options.csv},
                           {"--png", options.png},
                           {"--svg", options.svg},
                           {"--pdf", options.pdf},
                           {"--xlsx", options.xlsx}})) {
        return false;
    }
    const bool wantsImage = chartPaths.size() > (options.csv ? 1u : 0u);
    if (wantsImage && !ChartDrawing::Available()) {
        PrintError(MessageText("AA00470"));
        return false;
    }
    return true;
}

int WriteOutputs(ChartKind kind, const ChartData& data, const ChartOptions& options,
                 ChartImageSize size) {
    if (options.csv && !WriteOutputFile(*options.csv, ChartCsv(kind, data))) {
        return kExitFileError;
    }
    std::vector<ImageFile> images;
    for (const ImageOutput& image : kImageOutputs) {
        images.push_back({options.*image.path, image.format});
    }
    return WriteImages(
        images,
        [&](const ChartDrawing& drawing, ChartImageFormat format) {
            return drawing.Image(kind, data, format, size);
        },
        "AA00473");
}

int Chart(const std::vector<std::string>& args) {
    std::vector<std::string> rest = args;
    const std::optional<ChartOptions> options = TakeValueOptions<ChartOptions>(rest, kChartOptions);
    if (!options) {
        return kExitUsage;
    }
    // The workbook holds every chart's table; the files of one chart need its kind.
    const std::vector<std::string> chartPaths = ChartPaths(*options);
    std::optional<ChartKind> kind;
    if ((options->kind || !chartPaths.empty() || !options->xlsx) && !(kind = Kind(options->kind))) {
        return kExitUsage;
    }
    std::optional<ChartImageSize> size;
    if ((options->size && !(size = ParseSize(*options->size))) ||
        !OutputsUsable(*options, chartPaths)) {
        return kExitUsage;
    }
    std::vector<std::string> outputPaths = chartPaths;
    if (options->xlsx) {
        outputPaths.push_back(*options->xlsx);
    }
    Survey survey;
    const ProgramSettings settings = LoadUserSettings();
    AnalysisParameters parameters;
    parameters.motiveBounds = settings.motiveBounds;
    if (const int status =
            PrepareAnalysis("chart", ReportKind::PerPlace, rest, outputPaths, survey, parameters);
        status != kExitOk) {
        return status;
    }
    TerminalProgress progress;
    const std::optional<ChartData> data =
        ComputeChartData(survey, parameters, settings.pressureThreshold, progress);
    if (!data) {
        return kExitFileError;
    }
    if (kind) {
        const ChartImageSize drawn = size ? *size : DefaultChartSize(*kind, *data);
        if (const int status = WriteOutputs(*kind, *data, *options, drawn); status != kExitOk) {
            return status;
        }
    }
    return WriteWorkbook(options->xlsx,
                         [&](std::string& error) { return ChartWorkbook(*data, error); });
}

}  // namespace

CliCommand ChartCommand() {
    return {"chart", "AA00483", "AA00484", Chart};
}

}  // namespace tavoric
