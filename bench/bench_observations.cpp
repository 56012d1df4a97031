// SPDX-License-Identifier: GPL-3.0-or-later
// Field observations on a survey of a million slots: importing a million CSV rows (planning and
// applying; by period, by clock time, or by UTC date-time converted to local time) <= 2 s;
// exporting them <= 1 s; exporting them as an Excel workbook <= 15 s within 600 MB.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <optional>

#include "core/clock.h"
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

enum RowKind { kByPeriod, kByTime, kByUtcDateTime };

// A million rows naming their slot by period, by a clock time inside it as a camera car does, or
// by a date-time in UTC that is local time in Amsterdam on a summer day.
std::string TimedRows(RowKind kind) {
    std::string csv = "route,sectie,plaats,tijd,kenteken\r\n";
    for (const std::string_view line : ObservedSurvey().KentekensList) {
        std::string time(PpePeriodStart(line));
        if (kind == kByUtcDateTime) {
            const int utc = HhmmToMinutes(IntegerOrZero(time)) - 120;
            char text[32];
            std::snprintf(text, sizeof text, "2024-05-16T%02d:%02d:00Z", utc / 60, utc % 60);
            time = text;
        }
        csv += std::string(RouteKey(line)) + "," + std::string(SectionNumber(line)) + "," +
               std::string(PlaceNumber(line)) + "," + time + "," +
               std::string(TrimTrailingBlanks(PpePlate(line))) + "\r\n";
    }
    return csv;
}

const std::string& ObservationRows(RowKind kind) {
    static const std::string byPeriod = ObservationCsvContent(ObservedSurvey(), false);
    static const std::string withTimes = TimedRows(kByTime);
    static const std::string withUtc = TimedRows(kByUtcDateTime);
    return kind == kByPeriod ? byPeriod : kind == kByTime ? withTimes : withUtc;
}

void ImportMillionRows(benchmark::State& state) {
    const auto kind = static_cast<RowKind>(state.range(0));
    const std::string& csv = ObservationRows(kind);
    const ObservationImportOptions options{kind == kByUtcDateTime ? "Europe/Amsterdam" : "",
                                           std::nullopt};
    for (auto _ : state) {
        state.PauseTiming();
        Survey survey = EmptySurvey();
        state.ResumeTiming();
        const ObservationImportPlan plan = PlanObservationImport(survey, csv, options);
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
    ->ArgName("rows")
    ->Arg(kByPeriod)
    ->Arg(kByTime)
    ->Arg(kByUtcDateTime)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void ExportMillionRows(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ObservationCsvContent(ObservedSurvey(), false));
    }
    state.counters["rows"] = static_cast<double>(kSlots);
}
BENCHMARK(ExportMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// The peak memory counts the survey itself (as the command-line program holds it) and the
// workbook's bytes.
void ExportMillionRowsAsWorkbook(benchmark::State& state) {
    const Survey& survey = ObservedSurvey();  // made before the timing starts
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string error;
        const std::optional<std::string> workbook = ObservationWorkbook(survey, false, error);
        if (!workbook) {
            state.SkipWithError(error.c_str());
            return;
        }
        bytes = workbook->size();
    }
    state.counters["rows"] = static_cast<double>(kSlots);
    state.counters["workbook_MB"] = static_cast<double>(bytes) / (1024 * 1024);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(ExportMillionRowsAsWorkbook)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
