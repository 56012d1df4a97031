// SPDX-License-Identifier: GPL-3.0-or-later
// The entry windows on a survey of about a million slots, from the command to the window shown:
// the plate window's opening with its sort and on the last place, a place chosen, typed and
// confirmed with F10, the slot window's generation and apply for all places, and a route deleted
// with its cascade. Runs on the offscreen platform unless a display is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <algorithm>
#include <numeric>

#include "app/ui/main_form.h"
#include "core/demo_survey.h"
#include "core/scripted_prompter.h"
#include "entry/ui/plates_form.h"
#include "entry/ui/ppe_form.h"
#include "entry/ui/route_form.h"

namespace tavoric {
namespace {

constexpr int kPlaces = 20000;  // about 990,000 slots

struct MainWindow {
    ScriptedPrompter prompter;
    THoofdForm form{DefaultSettings("/tmp/"), ""};
    const Survey survey = MakeDemoSurvey({.places = kPlaces, .seed = 1});

    MainWindow() {
        form.SetPrompter(&prompter);
        Reset();
    }
    void Reset() {
        form.CurrentSurvey() = survey;
        form.UpdateCommandStates(false);
    }
    template <typename Window>
    Window* Open(const char* command) {
        form.Command(command)->trigger();
        QApplication::processEvents();
        return form.findChild<Window*>();
    }
    template <typename Widget>
    static Widget* Child(QWidget* window, const char* name) {
        for (Widget* child : window->findChildren<Widget*>(QString::fromLatin1(name))) {
            if (child->window() == window) {
                return child;
            }
        }
        return nullptr;
    }
    static void Choose(QWidget* window, const char* name, int index) {
        QComboBox* box = Child<QComboBox>(window, name);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

// Never destroyed: its windows may not outlive the QApplication of main(), which ends first.
MainWindow& Main() {
    static auto* main = new MainWindow;
    return *main;
}

// The slots as an older file may hold them: out of their order.
void BM_PlateWindowOpenWithSort(benchmark::State& state) {
    MainWindow& main = Main();
    for (auto _ : state) {
        state.PauseTiming();
        main.Reset();
        LineBuffer& ppe = main.form.CurrentSurvey().KentekensList;
        std::vector<std::size_t> order(ppe.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::rotate(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(order.size() / 2),
                    order.end());
        ppe.Reorder(0, order);
        state.ResumeTiming();
        auto* window = main.Open<TKentekensForm>("Kentekens1");
        state.PauseTiming();
        MainWindow::Child<QPushButton>(window, "Button1")->click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlateWindowOpenWithSort)->Unit(benchmark::kMillisecond)->Iterations(3);

// Opening the plate window and choosing the survey's last route, section and place, as an
// observer who goes on where the previous round ended.
void BM_PlateWindowOpenOnLastPlace(benchmark::State& state) {
    MainWindow& main = Main();
    for (auto _ : state) {
        state.PauseTiming();
        main.Reset();
        state.ResumeTiming();
        auto* window = main.Open<TKentekensForm>("Kentekens1");
        for (const char* selector : {"ComboBox1", "ComboBox2", "ComboBox3"}) {
            MainWindow::Choose(window, selector,
                               MainWindow::Child<QComboBox>(window, selector)->count() - 1);
        }
        QApplication::processEvents();
        state.PauseTiming();
        MainWindow::Child<QPushButton>(window, "Button1")->click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlateWindowOpenOnLastPlace)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PlaceChosenTypedAndConfirmed(benchmark::State& state) {
    MainWindow& main = Main();
    main.Reset();
    auto* window = main.Open<TKentekensForm>("Kentekens1");
    auto* grid = MainWindow::Child<QTableView>(window, "StringGrid1");
    const int routes = MainWindow::Child<QComboBox>(window, "ComboBox1")->count();
    for (auto _ : state) {
        MainWindow::Choose(window, "ComboBox1", routes / 2);
        MainWindow::Choose(window, "ComboBox2", 0);
        MainWindow::Choose(window, "ComboBox3", 0);
        grid->setFocus();
        QTest::keyClicks(grid, QStringLiteral("A"));
        QTest::keyClick(grid, Qt::Key_Return);
        QTest::keyClick(grid, Qt::Key_F10);
        QApplication::processEvents();
    }
    MainWindow::Child<QPushButton>(window, "Button1")->click();
}
BENCHMARK(BM_PlaceChosenTypedAndConfirmed)->Unit(benchmark::kMillisecond);

// Opening with all places listed and selected, "&PPE", and "&OK" after the question.
void BM_SlotWindowGenerateAndApplyAll(benchmark::State& state) {
    MainWindow& main = Main();
    for (auto _ : state) {
        state.PauseTiming();
        main.Reset();
        main.prompter.QueueAnswer(kYes);
        state.ResumeTiming();
        auto* window = main.Open<TPPEgenererenForm>("PPEgenereren1");
        MainWindow::Child<QPushButton>(window, "SpeedButton1")->click();
        MainWindow::Child<QPushButton>(window, "Button1")->click();
        QApplication::processEvents();
    }
    state.counters["slots"] = static_cast<double>(main.form.CurrentSurvey().KentekensList.size());
}
BENCHMARK(BM_SlotWindowGenerateAndApplyAll)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RouteDeletedWithCascade(benchmark::State& state) {
    MainWindow& main = Main();
    for (auto _ : state) {
        state.PauseTiming();
        main.Reset();
        main.prompter.QueueAnswer(kYes);
        state.ResumeTiming();
        auto* window = main.Open<TRouteForm>("Route1");
        MainWindow::Child<QListWidget>(window, "RoutesListBox")->setCurrentRow(0);
        MainWindow::Child<QPushButton>(window, "SpeedButton3")->click();
        MainWindow::Child<QPushButton>(window, "Button1")->click();
        QApplication::processEvents();
    }
    state.counters["slots_left"] =
        static_cast<double>(main.form.CurrentSurvey().KentekensList.size());
}
BENCHMARK(BM_RouteDeletedWithCascade)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tavoric
