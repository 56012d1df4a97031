// SPDX-License-Identifier: GPL-3.0-or-later
// A recovery copy of a survey of a million PPE lines: the time the user-interface thread spends
// (taking the content), and the whole write on the keeper's thread.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "app/recovery_keeper.h"
#include "core/demo_survey.h"

namespace tavoric {
namespace {

// 20,220 demo places give just over 1,000,000 PPE lines.
constexpr int kPlaces = 20220;

struct KeptSurvey {
    Survey survey = MakeDemoSurvey({kPlaces, 1});
    std::string folder = (std::filesystem::temp_directory_path() /
                          ("tavoric-bench-recovery-" + std::to_string(::getpid())))
                             .string() +
                         "/";
    KeptSurvey() { survey.ProjectChanged = true; }
    ~KeptSurvey() { std::filesystem::remove_all(folder); }
};

KeptSurvey& Kept() {
    static KeptSurvey kept;
    return kept;
}

// What typing waits for: the content is taken, the write is handed to the keeper's thread.
// Every copy after the first reuses the memory of the one before.
void BM_RecoveryWriteOnUserThread(benchmark::State& state) {
    KeptSurvey& kept = Kept();
    RecoveryKeeper keeper(kept.folder, "bench", 60);
    keeper.SurveyChanged();
    keeper.WriteCopy(kept.survey);
    keeper.Flush();
    for (auto _ : state) {
        keeper.SurveyChanged();
        keeper.WriteCopy(kept.survey);
        state.PauseTiming();
        keeper.Flush();
        state.ResumeTiming();
    }
    keeper.DiscardCopy();
}
BENCHMARK(BM_RecoveryWriteOnUserThread)->Unit(benchmark::kMillisecond)->UseRealTime();

// The first copy after a project was opened, whose memory the keeper's thread readied then.
void BM_FirstRecoveryWriteOnUserThread(benchmark::State& state) {
    KeptSurvey& kept = Kept();
    for (auto _ : state) {
        state.PauseTiming();
        auto keeper = std::make_unique<RecoveryKeeper>(kept.folder, "bench", 60);
        keeper->PrepareFor(kept.survey);
        keeper->Flush();
        state.ResumeTiming();
        keeper->SurveyChanged();
        keeper->WriteCopy(kept.survey);
        state.PauseTiming();
        keeper->DiscardCopy();
        keeper.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstRecoveryWriteOnUserThread)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole copy, checksum and disk included, as the keeper's thread does it.
void BM_RecoveryWriteComplete(benchmark::State& state) {
    KeptSurvey& kept = Kept();
    RecoveryKeeper keeper(kept.folder, "bench", 60);
    for (auto _ : state) {
        keeper.SurveyChanged();
        keeper.WriteCopy(kept.survey);
        keeper.Flush();
    }
    keeper.DiscardCopy();
}
BENCHMARK(BM_RecoveryWriteComplete)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
