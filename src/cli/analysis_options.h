// SPDX-License-Identifier: GPL-3.0-or-later
// The selection and class options that every analysis command of tavoric-cli takes: the project,
// --from/--to, --routes, --sections, --places, --types, --classes and the illegal-place options
// (and for the report per interval --detail and --sort-by-vehicles); a comparison takes two
// projects.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_parameters.h"
#include "charts/survey_comparison.h"
#include "core/survey.h"

namespace tavoric {

// Opens the project that args name and makes the run's parameters from the options, as the
// analysis dialog would; refuses when one of outputPaths is the project file itself, or when the
// project and the street file (--geometry, read later) both are standard input. With
// motiveOptions, --morning, --evening and --commuter-minutes set the motive bounds as well.
// Returns kExitOk, or the exit status after the reason is on stderr.
int PrepareAnalysis(const char* commandName, ReportKind kind, const std::vector<std::string>& args,
                    const std::vector<std::string>& outputPaths, Survey& survey,
                    AnalysisParameters& parameters, bool motiveOptions = false,
                    const std::optional<std::string>& streets = std::nullopt);

// One project of a comparison with its run's parameters, which start from the motive bounds of
// the user's settings.
struct AnalysisSide {
    explicit AnalysisSide(const MotiveBounds& bounds) { parameters.motiveBounds = bounds; }

    Survey survey;
    AnalysisParameters parameters;
};

// The names of a comparison's inputs in messages, and its street file (read later).
struct ComparisonInputs {
    const char* nameOfA;  // "A.par"
    const char* nameOfB;  // "B.par", or the option that names it
    std::optional<std::string> streets;
};

// tavoric-cli compare (and rapport --compare): opens the two projects that args name (A first)
// and applies the selection options of per-place and the motive bounds to both; refuses when an
// output is one of them or when two inputs are standard input.
int PrepareComparison(const char* commandName, const ComparisonInputs& inputs,
                      const std::vector<std::string>& args,
                      const std::vector<std::string>& outputPaths, AnalysisSide& a,
                      AnalysisSide& b);

// Compares A with B, B with the duration classes of A; nothing, after the reason on stderr, when
// cancelled or when the two share no section.
std::optional<SurveyComparison> CompareSides(const AnalysisSide& a, const AnalysisSide& b,
                                             int pressureThreshold, Progress& progress);

// The file name of the project, without its folder, for messages and sheet names (code page
// 1252).
std::string ProjectFileName(const Survey& survey);

}  // namespace tavoric
