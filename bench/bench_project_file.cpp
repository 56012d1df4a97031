// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving a survey of a million PPE lines, and the memory the loaded survey takes.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/atomic_file.h"
#include "core/demo_survey.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"

namespace tavoric {
namespace {

// 20,220 demo places give just over 1,000,000 PPE lines (35 MB).
constexpr int kPlaces = 20220;

struct LargeSurvey {
    Survey survey = MakeDemoSurvey({kPlaces, 1});
    std::string folder =
        (std::filesystem::temp_directory_path() / ("tavoric-bench-" + std::to_string(::getpid())))
            .string();
    std::string path = folder + "/Groot.par";
    std::size_t fileBytes = 0;

    LargeSurvey() {
        std::filesystem::create_directories(folder);
        const std::string content = ProjectFileContent(survey);
        fileBytes = content.size();
        tavoric::FileError error;
        if (!WriteFileAtomically(path, content, error)) {
            std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(),
                         std::strerror(error.systemError));
            std::exit(1);
        }
    }
    ~LargeSurvey() { std::filesystem::remove_all(folder); }
};

LargeSurvey& Large() {
    static LargeSurvey large;
    return large;
}

// Bytes allocated from the heap, large blocks that malloc maps separately included.
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_ReadProjectFile(benchmark::State& state) {
    LargeSurvey& large = Large();
    ScriptedPrompter prompter;
    std::size_t heapBytes = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto survey = std::make_unique<Survey>();
        ReadProjectFile(*survey, large.path, prompter);
        state.PauseTiming();
        heapBytes = HeapInUse() - before;
        benchmark::DoNotOptimize(survey->KentekensList.size());
        survey.reset();
        state.ResumeTiming();
    }
    state.counters["ppe_lines"] = static_cast<double>(large.survey.KentekensList.size());
    state.counters["file_MB"] = static_cast<double>(large.fileBytes) / 1e6;
    state.counters["survey_heap_MB"] = static_cast<double>(heapBytes) / 1e6;
    state.counters["heap_per_file_byte"] =
        static_cast<double>(heapBytes) / static_cast<double>(large.fileBytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * large.fileBytes));
}
BENCHMARK(BM_ReadProjectFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteProjectFile(benchmark::State& state) {
    LargeSurvey& large = Large();
    ScriptedPrompter prompter;
    const std::string path = large.folder + "/Opgeslagen.par";
    for (auto _ : state) {
        if (!WriteProjectFile(large.survey, path, prompter)) {
            state.SkipWithError("write failed");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * large.fileBytes));
}
BENCHMARK(BM_WriteProjectFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The writer without the disk: building the file's text.
void BM_ProjectFileContent(benchmark::State& state) {
    LargeSurvey& large = Large();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ProjectFileContent(large.survey).size());
    }
}
BENCHMARK(BM_ProjectFileContent)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
