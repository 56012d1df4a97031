// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli compare: two surveys of the same area, before (A) and after (B), side by side with
// the same selection, as CSV figures, as PNG, SVG or PDF charts and as an Excel workbook.
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "charts/analysis_workbook.h"
#include "charts/chart_images.h"
#include "charts/survey_comparison.h"
#include "cli/analysis_options.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/file_options.h"
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
};

constexpr ValueOption<CompareOptions> kCompareOptions[] = {
    {"--kind", &CompareOptions::kind}, {"--csv", &CompareOptions::csv},
    {"--png", &CompareOptions::png},   {"--svg", &CompareOptions::svg},
    {"--pdf", &CompareOptions::pdf},   {"--xlsx", &CompareOptions::xlsx},
};

struct ImageOutput {
    std::optional<std::string> CompareOptions::*path;
    ChartImageFormat format;
};
constexpr ImageOutput kChartImages[] = {
    {&CompareOptions::png, ChartImageFormat::Png},
    {&CompareOptions::svg, ChartImageFormat::Svg},
    {&CompareOptions::pdf, ChartImageFormat::Pdf},
};

std::optional<ComparisonKind> Kind(const std::optional<std::string>& name) {
    if (!name) {
        PrintError(MessageText("AA00922"));
        return std::nullopt;
    }
    const std::optional<ComparisonKind> kind = ComparisonKindNamed(*name);
    if (!kind) {
        PrintError(FormatText(MessageText("AA00923"), {Utf8ToCp1252(*name)}));
    }
    return kind;
}

bool WantsDrawing(const CompareOptions& options) {
    return options.png || options.svg || options.pdf;
}

// Whether the options ask for the files of one comparison; the workbook holds all four.
bool NamesOneComparison(const CompareOptions& options) {
    return options.kind || options.csv || options.png || options.svg || options.pdf ||
           !options.xlsx;
}

// The CSV file of one comparison, no two outputs naming one file, and images only where they can
// be drawn.
bool OutputsUsable(const CompareOptions& options) {
    if (NamesOneComparison(options) && !options.csv) {
        PrintError(MessageText("AA00924"));
        return false;
    }
    if (NamesOneFileTwice({{"--csv", options.csv},
                           {"--png", options.png},
                           {"--svg", options.svg},
                           {"--pdf", options.pdf},
                           {"--xlsx", options.xlsx}})) {
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
         {options.csv, options.png, options.svg, options.pdf, options.xlsx}) {
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

// Draws each image the outputs name and writes it.
int WriteImages(
    std::span<const ImageOutput> outputs, const CompareOptions& options,
    const std::function<std::optional<std::string>(const ChartDrawing&, ChartImageFormat)>& draw,
    const char* failureKey, CliPrompter& prompter) {
    std::optional<ChartDrawing> drawing;
    for (const ImageOutput& image : outputs) {
        const std::optional<std::string>& path = options.*image.path;
        if (!path) {
            continue;
        }
        if (!drawing) {
            drawing.emplace();
        }
        const std::optional<std::string> bytes = draw(*drawing, image.format);
        if (!bytes) {
            PrintError(MessageText(failureKey));
            return kExitFileError;
        }
        if (!WriteExportFile(*path, *bytes, prompter)) {
            return kExitFileError;
        }
    }
    return kExitOk;
}

int WriteOutputs(ComparisonKind kind, const SurveyComparison& comparison,
                 const CompareOptions& options) {
    CliPrompter prompter;
    if (!WriteExportFile(*options.csv, ComparisonCsv(kind, comparison), prompter)) {
        return kExitFileError;
    }
    return WriteImages(
        kChartImages, options,
        [&](const ChartDrawing& drawing, ChartImageFormat format) {
            return drawing.ComparisonImage(kind, comparison, format,
                                           DefaultComparisonSize(kind, comparison));
        },
        "AA00473", prompter);
}

int Compare(const std::vector<std::string>& args) {
    std::vector<std::string> rest = args;
    const std::optional<CompareOptions> options =
        TakeValueOptions<CompareOptions>(rest, kCompareOptions);
    if (!options) {
        return kExitUsage;
    }
    std::optional<ComparisonKind> kind;
    if (NamesOneComparison(*options) && !(kind = Kind(options->kind))) {
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
    if (const int status = PrepareComparison("compare", rest, OutputPaths(*options), a, b);
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
    if (kind) {
        if (const int status = WriteOutputs(*kind, *comparison, *options); status != kExitOk) {
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
