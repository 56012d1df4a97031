// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli compare: two surveys of the same area, before (A) and after (B), side by side with
// the same selection, as CSV figures and as PNG, SVG or PDF charts.
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_images.h"
#include "charts/survey_comparison.h"
#include "cli/analysis_options.h"
#include "cli/commands.h"
#include "cli/file_options.h"
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
};

constexpr ValueOption<CompareOptions> kCompareOptions[] = {
    {"--kind", &CompareOptions::kind}, {"--csv", &CompareOptions::csv},
    {"--png", &CompareOptions::png},   {"--svg", &CompareOptions::svg},
    {"--pdf", &CompareOptions::pdf},
};

struct ImageOutput {
    std::optional<std::string> CompareOptions::*path;
    ChartImageFormat format;
};
constexpr ImageOutput kImageOutputs[] = {
    {&CompareOptions::png, ChartImageFormat::Png},
    {&CompareOptions::svg, ChartImageFormat::Svg},
    {&CompareOptions::pdf, ChartImageFormat::Pdf},
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

// The CSV file, no two outputs naming one file, and images only where they can be drawn.
bool OutputsUsable(const CompareOptions& options) {
    if (!options.csv) {
        PrintError(MessageText("AA00924"));
        return false;
    }
    if (NamesOneFileTwice({{"--csv", options.csv},
                           {"--png", options.png},
                           {"--svg", options.svg},
                           {"--pdf", options.pdf}})) {
        return false;
    }
    if ((options.png || options.svg || options.pdf) && !ChartDrawing::Available()) {
        PrintError(MessageText("AA00470"));
        return false;
    }
    return true;
}

std::vector<std::string> OutputPaths(const CompareOptions& options) {
    std::vector<std::string> paths = {*options.csv};
    for (const ImageOutput& image : kImageOutputs) {
        if (options.*image.path) {
            paths.push_back(*(options.*image.path));
        }
    }
    return paths;
}

int WriteOutputs(ComparisonKind kind, const SurveyComparison& comparison,
                 const CompareOptions& options) {
    if (!WriteOutputFile(*options.csv, ComparisonCsv(kind, comparison))) {
        return kExitFileError;
    }
    std::optional<ChartDrawing> drawing;
    for (const ImageOutput& image : kImageOutputs) {
        const std::optional<std::string>& path = options.*image.path;
        if (!path) {
            continue;
        }
        if (!drawing) {
            drawing.emplace();
        }
        const std::optional<std::string> bytes = drawing->ComparisonImage(
            kind, comparison, image.format, DefaultComparisonSize(kind, comparison));
        if (!bytes) {
            PrintError(MessageText("AA00473"));
            return kExitFileError;
        }
        if (!WriteOutputFile(*path, *bytes)) {
            return kExitFileError;
        }
    }
    return kExitOk;
}

int Compare(const std::vector<std::string>& args) {
    std::vector<std::string> rest = args;
    const std::optional<CompareOptions> options =
        TakeValueOptions<CompareOptions>(rest, kCompareOptions);
    if (!options) {
        return kExitUsage;
    }
    const std::optional<ComparisonKind> kind = Kind(options->kind);
    if (!kind) {
        return kExitUsage;
    }
    if (!OutputsUsable(*options)) {
        return kExitUsage;
    }
    const ProgramSettings settings = LoadUserSettings();
    AnalysisSide a;
    AnalysisSide b;
    a.parameters.motiveBounds = settings.motiveBounds;
    b.parameters.motiveBounds = settings.motiveBounds;
    if (const int status = PrepareComparison(rest, OutputPaths(*options), a, b);
        status != kExitOk) {
        return status;
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
    return WriteOutputs(*kind, *comparison, *options);
}

}  // namespace

CliCommand CompareCommand() {
    return {"compare", "AA00920", "AA00921", Compare};
}

}  // namespace tavoric
