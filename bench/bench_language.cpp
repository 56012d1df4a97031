// SPDX-License-Identifier: GPL-3.0-or-later
// Switching the language: every window of the program translated from the English file, the
// template written, and the configuration list filled (without its half-second clock count).
// Runs on the offscreen platform unless a display is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/ui/main_form.h"
#include "info/linux_system.h"
#include "lang/language_files.h"
#include "lang/load_message_texts.h"
#include "lang/ui/language_windows.h"

namespace tavoric {
namespace {

LanguageFiles ShippedFiles() {
    return LanguageFiles(TAVORIC_DATA_FOLDER "/");
}

void BM_ApplyEnglishToEveryWindow(benchmark::State& state) {
    THoofdForm form(DefaultSettings("/tmp/"), "");
    const LanguageFiles files = ShippedFiles();
    for (auto _ : state) {
        ApplyLanguage(&form, files, "English");
    }
}
BENCHMARK(BM_ApplyEnglishToEveryWindow)->Unit(benchmark::kMillisecond);

void BM_LoadEnglishMessageTexts(benchmark::State& state) {
    const std::optional<IniFile> file = ShippedFiles().ReadLanguageFile("English");
    for (auto _ : state) {
        LoadMessageTexts(*file);
    }
}
BENCHMARK(BM_LoadEnglishMessageTexts)->Unit(benchmark::kMicrosecond);

void BM_WriteLanguageTemplate(benchmark::State& state) {
    THoofdForm form(DefaultSettings("/tmp/"), "");
    QTemporaryDir folder;
    const LanguageFiles files(folder.path().toStdString() + "/");
    std::string error;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteLanguageTemplate(&form, files, error));
    }
}
BENCHMARK(BM_WriteLanguageTemplate)->Unit(benchmark::kMillisecond);

class NoClockCount : public LinuxSystemQueries {
public:
    std::optional<std::int64_t> MeasureClockMhz() override { return 0; }
};

void BM_ConfigurationRows(benchmark::State& state) {
    NoClockCount system;
    const ConfigurationInput input{
        {"/proc/self/exe", "tavoric", "/tmp/", "/tmp/", "/tmp/", "/tmp/"},
        ScreenFacts{},
        std::nullopt};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConfigurationRows(input, system));
    }
}
BENCHMARK(BM_ConfigurationRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavoric

