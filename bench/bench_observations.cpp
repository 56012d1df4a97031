// SPDX-License-Identifier: GPL-3.0-or-later
// Field observations on a survey of a million slots: importing a million CSV rows (planning and
// applying) <= 2 s; exporting them <= 1 s.
#include <benchmark/benchmark.h>

#include "core/demo_survey.h"
#include "core/text.h"
#include "entry/observation_csv.h"

namespace tavoric {
namespace {

constexpr std::size_t kSlots = 1000000;

// A demo survey cut to exactly a million slots, every one holding a plate.
const Survey& ObservedSurvey() {
    static const Survey survey = [] {
        Survey s = MakeDemoSurvey({20500, 1});
        LineBuffer& slots = s.KentekensList;
        slots.Erase(kSlots, slots.size());
        std::size_t n = 0;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (TrimTrailingBlanks(PpePlate(slots[i])).empty()) {
                slots.Set(
                    i, PpeLineWithPlate(PpeKey(slots[i]), "X" + std::to_string(n++ % 100000), ""));
            }
        }
        return s;
    }();
    return survey;
}

// The same slots without plates or remarks, as PPE generation leaves them.
const Survey& EmptySurvey() {
    static const Survey survey = [] {
        Survey s = ObservedSurvey();
        for (std::size_t i = 0; i < s.KentekensList.size(); ++i) {
            s.KentekensList.Set(i, s.KentekensList[i].substr(0, 24));
        }
        return s;
    }();
    return survey;
}

// A million rows naming their slot by period, or by a clock time inside it as a camera car does.
const std::string& ObservationRows(bool byTime) {
    static const std::string byPeriod = ObservationCsvContent(ObservedSurvey(), false);
    static const std::string withTimes = [] {
        std::string csv = "route,sectie,plaats,tijd,kenteken\r\n";
        for (const std::string_view line : ObservedSurvey().KentekensList) {
            csv += std::string(RouteKey(line)) + "," + std::string(SectionNumber(line)) + "," +
                   std::string(PlaceNumber(line)) + "," + std::string(PpePeriodStart(line)) + "," +
                   std::string(TrimTrailingBlanks(PpePlate(line))) + "\r\n";
        }
        return csv;
    }();
    return byTime ? withTimes : byPeriod;
}

void ImportMillionRows(benchmark::State& state) {
    const std::string& csv = ObservationRows(state.range(0) == 1);
    for (auto _ : state) {
        state.PauseTiming();
        Survey survey = EmptySurvey();
        state.ResumeTiming();
        const ObservationImportPlan plan = PlanObservationImport(survey, csv);
        ApplyObservationImport(survey, plan, false);
        benchmark::DoNotOptimize(survey.KentekensList);
        state.PauseTiming();
        if (plan.counts.toFill != kSlots) {
            state.SkipWithError("not every row filled its slot");
        }
        survey = Survey{};
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(kSlots);
}
BENCHMARK(ImportMillionRows)
    ->ArgName("byTime")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void ExportMillionRows(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ObservationCsvContent(ObservedSurvey(), false));
    }
    state.counters["rows"] = static_cast<double>(kSlots);
}
BENCHMARK(ExportMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
