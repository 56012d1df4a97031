// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/report_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMenu>
#include <utility>

#include "desktop/icons.h"
#include "desktop/qt_text.h"
#include "desktop/report_view.h"

namespace tavoric {

TKindForm::TKindForm(int number, const ReportSettings& settings, const ReportMenuActions& actions,
                     std::function<void()> closing)
    : document_(number, settings),
      view_(new ReportView(document_.Lines(), this)),
      popupMenu_(new QMenu(this)),
      closing_(std::move(closing)) {
    setObjectName(QStringLiteral("KindForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view_);
    setWindowTitle(ToQString(document_.Title()));
    setWindowIcon(NamedIcon(QStringLiteral("x-office-document")));
    resize(640, 420);
    view_->SetPointSize(settings.tableFontSize);

    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    connect(ContextItem("Allesselecteren1", actions.selectAll), &QAction::triggered, this,
            &TKindForm::SelectAll);
    connect(ContextItem("Kopiren1", actions.copy), &QAction::triggered, this,
            &TKindForm::CopySelection);
    popupMenu_->addSeparator();
    // Export and print act on the active report window, which this one is when clicked.
    for (auto [name, mainItem] :
         {std::pair{"Exporteren2", actions.exportReport}, std::pair{"Afdrukken2", actions.print}}) {
        QAction* item = ContextItem(name, mainItem);
        if (mainItem) {
            connect(item, &QAction::triggered, mainItem, &QAction::trigger);
        }
    }
}

QAction* TKindForm::ContextItem(const char* name, QAction* mainItem) {
    QAction* item = popupMenu_->addAction(mainItem ? mainItem->text() : QString());
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

void TKindForm::BeginWriting() {
    view_->setUpdatesEnabled(false);
}

void TKindForm::EndWriting() {
    view_->LinesChanged();
    view_->setUpdatesEnabled(true);
}

void TKindForm::SetAnalysis(AnalysisExports analysis) {
    analysis_ = std::move(analysis);
}

void TKindForm::SelectAll() {
    view_->SelectAll();
}
void TKindForm::CopySelection() {
    view_->CopySelection();
}
int TKindForm::FontSize() const {
    return view_->PointSize();
}
void TKindForm::SetFontSize(int points) {
    view_->SetPointSize(points);
}

void TKindForm::closeEvent(QCloseEvent* event) {
    if (closing_) {
        closing_();
    }
    QMdiSubWindow::closeEvent(event);
}

void TKindForm::contextMenuEvent(QContextMenuEvent* event) {
    if (mdiArea()) {
        mdiArea()->setActiveSubWindow(this);
    }
    popupMenu_->exec(event->globalPos());
}

}  // namespace tavoric
