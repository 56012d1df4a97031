// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis dialog on a survey of about a million slots: opening it (the four lists filled and
// selected), a click in the routes list (everything below rebuilt), "&Rapport" per parking place
// up to the painted report window, and "Grafieken" up to the painted chart window, at most 2 s.
// Runs on the offscreen platform unless a display is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include "analysis/ui/parkeerduurmeting_form.h"
#include "app/ui/main_form.h"
#include "charts/ui/grafieken_form.h"
#include "core/demo_survey.h"
#include "core/scripted_prompter.h"
#include "desktop/report_view.h"
#include "reports/ui/report_window.h"

namespace tavoric {
namespace {

constexpr int kPlaces = 20000;  // about 990,000 slots

struct StartedMainWindow {
    ScriptedPrompter prompter;
    THoofdForm form{DefaultSettings("/tmp/"), ""};
    TParkeerduurmetingForm* dialog = nullptr;

    StartedMainWindow() {
        form.SetPrompter(&prompter);
        form.SetStartUpDelay(0);
        form.StartUp();
        while (!form.StartedUp()) {
            QApplication::processEvents();
        }
        form.CurrentSurvey() = MakeDemoSurvey({.places = kPlaces, .seed = 1});
        form.UpdateCommandStates(false);
        dialog = form.findChild<TParkeerduurmetingForm*>();
    }

    void OpenFresh() {
        form.ResetAnalysisSelection();
        form.Command("Parkeerduurmeting1")->trigger();
    }
    QListWidget* List(const char* name) const {
        return dialog->findChild<QListWidget*>(QString::fromLatin1(name));
    }
};

// Never destroyed: its windows may not outlive the QApplication of main(), which ends first.
StartedMainWindow& MainWindow() {
    static auto* started = new StartedMainWindow;
    return *started;
}

void BM_AnalysisDialogOpen(benchmark::State& state) {
    StartedMainWindow& main = MainWindow();
    for (auto _ : state) {
        main.OpenFresh();
        QApplication::processEvents();
        state.PauseTiming();
        main.dialog->reject();
        state.ResumeTiming();
    }
    state.counters["places"] = main.List("ParkeerplaatsenListBox")->count();
}
BENCHMARK(BM_AnalysisDialogOpen)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AnalysisDialogRouteClick(benchmark::State& state) {
    StartedMainWindow& main = MainWindow();
    main.OpenFresh();
    QListWidget* routes = main.List("RoutesListBox");
    bool selected = true;
    for (auto _ : state) {
        selected = !selected;
        routes->item(0)->setSelected(selected);
        QApplication::processEvents();
    }
    main.dialog->reject();
}
BENCHMARK(BM_AnalysisDialogRouteClick)->Unit(benchmark::kMillisecond)->Iterations(4);

// From the click on "&Rapport" to the painted report window of the whole survey.
void BM_AnalysisDialogReportPerPlace(benchmark::State& state) {
    StartedMainWindow& main = MainWindow();
    for (auto _ : state) {
        state.PauseTiming();
        main.form.CloseAllReportWindows();
        main.OpenFresh();
        QApplication::processEvents();
        state.ResumeTiming();
        main.dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        TKindForm* report = main.form.CurrentReportWindow();
        report->View().repaint();
        QApplication::processEvents();
        state.counters["lines"] = static_cast<double>(report->Document().Lines().size());
    }
}
BENCHMARK(BM_AnalysisDialogReportPerPlace)->Unit(benchmark::kMillisecond)->Iterations(3);

// With the selection made, from the command to the painted chart window with every chart.
void BM_ChartWindowOpen(benchmark::State& state) {
    StartedMainWindow& main = MainWindow();
    main.OpenFresh();
    main.dialog->reject();
    auto* charts = main.form.findChild<TGrafiekenForm*>();
    for (auto _ : state) {
        main.form.Command("Grafieken1")->trigger();
        charts->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        charts->hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["sections"] = static_cast<double>(charts->Data().sections.size());
}
BENCHMARK(BM_ChartWindowOpen)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tavoric
