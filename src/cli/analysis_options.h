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

// One project of a comparison with its run's parameters.
struct AnalysisSide {
    Survey survey;
    AnalysisParameters parameters;  // set the motive bounds of the settings before preparing
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

}  // namespace tavoric
