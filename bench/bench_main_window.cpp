// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a survey of about a million slots from "&Openen..." in the started main window: from the
// command, with the file chosen, to the painted window that shows the survey (lock taken, the
// analysis selection reset). Runs on the offscreen platform unless a display is chosen.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/ui/main_form.h"
#include "core/atomic_file.h"
#include "core/demo_survey.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"

namespace tavoric {
namespace {

constexpr int kPlaces = 20000;  // about 990,000 slots

struct SurveyOnDisk {
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("tavoric-bench-open-" + std::to_string(::getpid()));
    std::string path = (folder / "Groot.par").string();
    std::size_t slotCount = 0;

    SurveyOnDisk() {
        std::filesystem::create_directories(folder);
        const Survey survey = MakeDemoSurvey({.places = kPlaces, .seed = 5});
        slotCount = survey.KentekensList.size();
        FileError error;
        if (!WriteFileAtomically(path, ProjectFileContent(survey), error)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            std::exit(1);
        }
    }
    ~SurveyOnDisk() { std::filesystem::remove_all(folder); }
};

struct StartedMainWindow {
    ScriptedPrompter prompter;
    THoofdForm form{DefaultSettings("/tmp/"), ""};

    StartedMainWindow() {
        form.SetPrompter(&prompter);
        form.SetStartUpDelay(0);
        form.StartUp();
        while (!form.StartedUp()) {
            QApplication::processEvents();
        }
        form.show();
    }
    // "&Openen..." closes the open survey first; a cancelled file dialog leaves the program empty.
    void CloseSurvey() {
        prompter.QueueCancelledFileDialog();
        form.Command("Openen1")->trigger();
        QApplication::processEvents();
    }
};

// Never destroyed: its windows may not outlive the QApplication of main(), which ends first.
StartedMainWindow& MainWindow() {
    static auto* started = new StartedMainWindow;
    return *started;
}

void BM_OpenSurveyFromTheMenu(benchmark::State& state) {
    static SurveyOnDisk file;
    StartedMainWindow& main = MainWindow();
    for (auto _ : state) {
        state.PauseTiming();
        main.CloseSurvey();
        main.prompter.QueueFileName(file.path);
        state.ResumeTiming();
        main.form.Command("Openen1")->trigger();
        main.form.repaint();
        QApplication::processEvents();
        if (main.form.CurrentSurvey().KentekensList.size() != file.slotCount) {
            state.SkipWithError("the survey was not opened");
        }
    }
    state.counters["slots"] = static_cast<double>(file.slotCount);
    main.CloseSurvey();
}
BENCHMARK(BM_OpenSurveyFromTheMenu)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace tavoric
