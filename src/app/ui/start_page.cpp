// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/start_page.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "desktop/qt_text.h"

namespace tavoric {

std::vector<std::string> RecentProjectsOnDisk(const std::vector<std::string>& recent) {
    std::vector<std::string> present;
    for (const std::string& path : recent) {
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            present.push_back(path);
        }
    }
    return present;
}

QString RecentProjectCaption(std::size_t index, const std::string& path) {
    QString name = PathToQString(std::filesystem::path(path).filename().string());
    return QStringLiteral("&%1  %2").arg(index + 1).arg(
        name.replace(QLatin1Char('&'), QLatin1String("&&")));
}

TStartPagina::TStartPagina(std::function<void(const std::string&)> runCommand,
                           std::function<void(const std::string&)> openRecent, QWidget* parent)
    : QWidget(parent),
      openRecent_(std::move(openRecent)),
      recentList_(new QVBoxLayout),
      noRecent_(new QLabel(QStringLiteral("(nog geen)"), this)) {
    setObjectName(QStringLiteral("StartPagina"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    const auto command = [&](const char* name, const char* caption, const char* commandName) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        const std::string run = commandName;
        connect(button, &QPushButton::clicked, this, [runCommand, run] { runCommand(run); });
        layout->addWidget(button, 0, Qt::AlignHCenter);
    };
    command("NieuwOnderzoekButton", "&Nieuw onderzoek", "Nieuw1");
    command("OpenenButton", "&Openen...", "Openen1");
    command("DemoOpenenButton", "&Demo openen", "DemoOpenen");
    layout->addSpacing(16);
    auto* heading = new QLabel(QStringLiteral("Recente bestanden"), this);
    heading->setObjectName(QStringLiteral("RecenteBestandenLabel"));
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    noRecent_->setObjectName(QStringLiteral("GeenRecenteLabel"));
    layout->addWidget(noRecent_, 0, Qt::AlignHCenter);
    layout->addLayout(recentList_);
    layout->addStretch(2);
}

void TStartPagina::ShowRecentProjects(const std::vector<std::string>& recent) {
    // The button that was clicked may be the one that asks for this.
    while (QLayoutItem* item = recentList_->takeAt(0)) {
        item->widget()->setParent(nullptr);
        item->widget()->deleteLater();
        delete item;
    }
    const std::vector<std::string> present = RecentProjectsOnDisk(recent);
    for (std::size_t i = 0; i < present.size(); ++i) {
        const std::string& path = present[i];
        auto* button = new QPushButton(RecentProjectCaption(i, path), this);
        button->setObjectName(QStringLiteral("ntRecentProject%1").arg(i + 1));
        button->setFlat(true);
        button->setToolTip(PathToQString(path));
        connect(button, &QPushButton::clicked, this, [this, path] { openRecent_(path); });
        recentList_->addWidget(button, 0, Qt::AlignHCenter);
    }
    noRecent_->setVisible(present.empty());
}

}  // namespace tavoric
