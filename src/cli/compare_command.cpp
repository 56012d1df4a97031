// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli compare: two surveys of the same area, before (A) and after (B), side by side with
// the same selection, as CSV figures.
#include <optional>
#include <string>
#include <vector>

#include "charts/survey_comparison.h"
#include "cli/analysis_options.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/file_options.h"
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
};

constexpr ValueOption<CompareOptions> kCompareOptions[] = {
    {"--kind", &CompareOptions::kind},
    {"--csv", &CompareOptions::csv},
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
    if (!options->csv) {
        PrintError(MessageText("AA00924"));
        return kExitUsage;
    }
    const ProgramSettings settings = LoadUserSettings();
    AnalysisSide a;
    AnalysisSide b;
    a.parameters.motiveBounds = settings.motiveBounds;
    b.parameters.motiveBounds = settings.motiveBounds;
    if (const int status = PrepareComparison(rest, {*options->csv}, a, b); status != kExitOk) {
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
    CliPrompter prompter;
    return WriteExportFile(*options->csv, ComparisonCsv(*kind, *comparison), prompter)
               ? kExitOk
               : kExitFileError;
}

}  // namespace

CliCommand CompareCommand() {
    return {"compare", "AA00920", "AA00921", Compare};
}

}  // namespace tavoric
