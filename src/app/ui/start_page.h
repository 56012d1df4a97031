// SPDX-License-Identifier: GPL-3.0-or-later
// The start page: what the main window shows while no project is open and no report is on
// screen, instead of an empty grey area. It offers "Nieuw onderzoek", "Openen...",
// "Demo openen" and the recent projects that are still there.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace tavoric {

// The recent projects whose files still exist, in the order given.
std::vector<std::string> RecentProjectsOnDisk(const std::vector<std::string>& recent);
// "&1  plan.par": the caption of the recent project at index (from 0), by its file name.
QString RecentProjectCaption(std::size_t index, const std::string& path);

class TStartPagina : public QWidget {
    Q_OBJECT
public:
    // runCommand runs a command of the main window by name; openRecent opens a recent project.
    TStartPagina(std::function<void(const std::string&)> runCommand,
                 std::function<void(const std::string&)> openRecent, QWidget* parent);

    // One button per recent project on disk, "&1 plan.par" and on, the full name in its hint.
    void ShowRecentProjects(const std::vector<std::string>& recent);

private:
    std::function<void(const std::string&)> openRecent_;
    QVBoxLayout* recentList_;
    QLabel* noRecent_;
};

}  // namespace tavoric
