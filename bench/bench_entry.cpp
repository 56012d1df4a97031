// SPDX-License-Identifier: GPL-3.0-or-later
// The entry windows on a survey of about a million slots (20,000 places, 50 rounds): deleting a
// route with its cascade <= 0.5 s; generating the slots of every place and applying them <= 2 s;
// opening the plate entry with its sort <= 1 s; choosing a place and confirming it <= 20 ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "core/demo_survey.h"
#include "core/scripted_prompter.h"
#include "entry/plate_entry.h"
#include "entry/ppe_generation.h"
#include "entry/route_list_editor.h"

namespace tavoric {
namespace {

const Survey& LargeSurvey() {
    static const Survey survey = MakeDemoSurvey({20000, 1});
    return survey;
}

// The large survey with its slots in no particular order, as a hand-edited file may hold them.
const Survey& ShuffledSurvey() {
    static const Survey survey = [] {
        Survey shuffled = LargeSurvey();
        std::vector<std::size_t> order(shuffled.KentekensList.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::shuffle(order.begin(), order.end(), std::mt19937(7));
        shuffled.KentekensList.Reorder(0, order);
        return shuffled;
    }();
    return survey;
}

// Runs work on a fresh copy of the survey each time; only the work is timed.
template <typename Work>
void OnFreshCopies(benchmark::State& state, const Survey& original, Work work) {
    for (auto _ : state) {
        state.PauseTiming();
        Survey survey = original;
        state.ResumeTiming();
        work(survey);
        benchmark::DoNotOptimize(survey.KentekensList);
        state.PauseTiming();
        survey = Survey{};  // freeing the copy is not part of the work
        state.ResumeTiming();
    }
    state.counters["slots"] = static_cast<double>(original.KentekensList.size());
}

void DeleteRouteWithCascade(benchmark::State& state) {
    OnFreshCopies(state, LargeSurvey(), [](Survey& survey) {
        RouteListEditor editor;
        ScriptedPrompter prompter;
        Progress progress;
        editor.Open(survey);
        editor.Select(editor.Entries().size() / 2);
        prompter.QueueAnswer(kYes);
        editor.DeleteSelected(prompter);
        editor.Apply(survey, progress);
    });
}
BENCHMARK(DeleteRouteWithCascade)->Unit(benchmark::kMillisecond)->Iterations(5);

void GenerateAndApplyAllSlots(benchmark::State& state) {
    OnFreshCopies(state, LargeSurvey(), [](Survey& survey) {
        PpeGenerator generator;
        ScriptedPrompter prompter;
        Progress progress;
        generator.Open(survey);
        generator.Generate(survey, progress, prompter);
        prompter.QueueAnswer(kYes);
        generator.Apply(survey, progress, prompter);
    });
}
BENCHMARK(GenerateAndApplyAllSlots)->Unit(benchmark::kMillisecond)->Iterations(5);

void OpenPlateEntry(benchmark::State& state) {
    OnFreshCopies(state, state.range(0) == 0 ? LargeSurvey() : ShuffledSurvey(),
                  [](Survey& survey) {
                      PlateEntry entry;
                      entry.Open(survey);
                  });
}
BENCHMARK(OpenPlateEntry)
    ->ArgName("shuffled")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void ChooseAndConfirmPlace(benchmark::State& state) {
    Survey survey = LargeSurvey();
    PlateEntry entry;
    entry.Open(survey);
    const std::size_t route = entry.RouteSelector().size() / 2;
    for (auto _ : state) {
        entry.ChooseRoute(route);
        entry.ChooseSection(entry.SectionSelector().size() / 2);
        entry.ChoosePlace(entry.PlaceSelector().size() / 2);
        entry.EditCell(0, kPlateColumn, "AB12CD");
        entry.PressEnter();
        entry.PressEnter();
        entry.Confirm();
    }
    benchmark::DoNotOptimize(survey.KentekensList);
}
BENCHMARK(ChooseAndConfirmPlace)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
