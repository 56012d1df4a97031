// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing the plates of a survey of a million PPE lines by codes: in memory, and as the
// command does it, from reading the file to the written copy.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "core/demo_survey.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "privacy/pseudonymise.h"

namespace tavoric {
namespace {

// 20,220 demo places give just over 1,000,000 PPE lines.
constexpr int kPlaces = 20220;

PseudonymKey BenchKey() {
    PseudonymKey::Bytes bytes{};
    bytes.fill(7);
    return PseudonymKey(bytes);
}

const Survey& LargeSurvey() {
    static const Survey survey = MakeDemoSurvey({kPlaces, 1});
    return survey;
}

void SetCounters(benchmark::State& state, const PseudonymiseSummary& summary) {
    state.counters["ppe"] = static_cast<double>(LargeSurvey().KentekensList.size());
    state.counters["plates"] = static_cast<double>(summary.replacedPlates);
    state.counters["distinct"] = static_cast<double>(summary.distinctPlates);
}

void BM_PseudonymiseSurvey(benchmark::State& state) {
    const PseudonymKey key = BenchKey();
    PseudonymiseSummary summary;
    for (auto _ : state) {
        state.PauseTiming();
        auto survey = std::make_unique<Survey>(LargeSurvey());
        state.ResumeTiming();
        summary = *PseudonymiseSurvey(*survey, key, {}).summary;
        state.PauseTiming();
        survey.reset();
        state.ResumeTiming();
    }
    SetCounters(state, summary);
}
BENCHMARK(BM_PseudonymiseSurvey)->Unit(benchmark::kMillisecond)->UseRealTime();

// Read the project, pseudonymise a copy, write it: what "tavoric-cli pseudonymise" does.
void BM_PseudonymiseProjectFile(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tavoric-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    ScriptedPrompter prompter;
    Survey large = LargeSurvey();
    const std::string in = (folder / "Groot.par").string();
    WriteProjectFile(large, in, prompter);
    const std::string key = (folder / "pseudoniem.key").string();
    PseudonymiseRequest request{(folder / "Codes.par").string(), key, true, {}};
    PseudonymiseSummary summary;
    for (auto _ : state) {
        Survey survey;
        ReadProjectFile(survey, in, prompter);
        summary = *WritePseudonymisedCopy(survey, request, prompter);
    }
    SetCounters(state, summary);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PseudonymiseProjectFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
