// SPDX-License-Identifier: GPL-3.0-or-later
// Memory for the parking pressure map of a town's street file: 200 MB of 1.17 million short
// streets, read and written back as GeoJSON, and read and drawn as PNG. The peak resident memory
// of each (above what the process held before) may be at most 4 times the file plus 50 MB.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "analysis/analysis_selection.h"
#include "bench_memory.h"
#include "charts/chart_data.h"
#include "charts/chart_images.h"
#include "charts/street_map.h"
#include "core/demo_survey.h"

namespace tavoric {
namespace {

constexpr std::size_t kStreets = 1'170'000;

const Survey& Town() {
    static const Survey survey = MakeDemoSurvey({.places = 2000, .seed = 7});
    return survey;
}

// Written line by line, so that making it leaves no peak of its own.
const std::string& StreetFile() {
    static const std::string path = [] {
        const std::string file = std::filesystem::temp_directory_path().string() +
                                 "/tavoric-bench-streets-" + std::to_string(::getpid()) +
                                 ".geojson";
        std::ofstream out(file, std::ios::binary);
        out << R"({"type":"FeatureCollection","features":[)";
        const LineList& sections = Town().SectiesList;
        char feature[320];
        for (std::size_t i = 0; i < kStreets; ++i) {
            const std::string& section = sections[i % sections.size()];
            const double x = 4.3 + static_cast<double>(i % 1000) * 0.0002;
            const double y = 52.0 + static_cast<double>(i / 1000) * 0.0001;
            const int length = std::snprintf(
                feature, sizeof feature,
                R"(%s{"type":"Feature","properties":{"route":"%.4s","sectie":"%.4s",)"
                R"("naam":"Straat %zu"},"geometry":{"type":"LineString","coordinates":)"
                R"([[%.6f,%.6f],[%.6f,%.6f]]}})",
                i == 0 ? "" : ",", section.c_str(), section.c_str() + 5, i, x, y, x + 0.00015,
                y + 0.00005);
            out.write(feature, length);
        }
        out << "]}\n";
        return file;
    }();
    return path;
}

double FileMegabytes() {
    return static_cast<double>(std::filesystem::file_size(StreetFile())) / (1 << 20);
}

ChartData Figures() {
    AnalysisSelection selection;
    selection.Open(Town());
    Progress progress;
    return *ComputeChartData(Town(), selection.Parameters(Town(), ReportKind::PerPlace),
                             kDefaultPressureThreshold, progress);
}

void ReportMemory(benchmark::State& state, double before) {
    const double file = FileMegabytes();
    const double used = StatusMegabytes("VmHWM") - before;
    state.counters["file_MB"] = file;
    state.counters["peak_MB"] = used;
    state.counters["allowed_MB"] = 4 * file + 50;
    state.counters["times_file"] = used / file;
}

// Reads the street file and joins it to the figures, as tavoric-cli map does, then uses the map;
// the peak of it all is reported.
template <typename Use>
void MeasureMap(benchmark::State& state, const ChartData& data, Use use) {
    StreetFile();
    const double before = ResetPeak();
    for (auto _ : state) {
        StreetGeometryRead read = ReadStreetGeometry(StreetFile());
        const StreetMap map =
            JoinStreetMap(std::move(*read.geometry), data.sections, Town().SectiesList);
        use(map);
    }
    ReportMemory(state, before);
}

void BM_StreetFileToGeoJson(benchmark::State& state) {
    MeasureMap(state, Figures(), [](const StreetMap& map) {
        benchmark::DoNotOptimize(StreetMapGeoJson(map).size());
    });
}

void BM_StreetFileDrawn(benchmark::State& state) {
    const ChartData data = Figures();
    const ChartDrawing drawing;
    MeasureMap(state, data, [&](const StreetMap& map) {
        benchmark::DoNotOptimize(
            drawing.MapImage(map, data, MapMeasure::Occupancy, true, ChartImageFormat::Png, {}));
    });
    std::filesystem::remove(StreetFile());
}

BENCHMARK(BM_StreetFileToGeoJson)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StreetFileDrawn)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
