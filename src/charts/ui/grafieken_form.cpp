// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/grafieken_form.h"

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "charts/analysis_workbook.h"
#include "charts/chart_export.h"
#include "charts/drawing/chart_builder.h"
#include "charts/ui/chart_printing.h"
#include "core/message_texts.h"
#include "desktop/busy_cursor.h"
#include "desktop/qt_text.h"
#include "desktop/widgets.h"
#include "reports/export.h"

namespace tavoric {

namespace {

constexpr QSize kInitialSize(1000, 700);

}  // namespace

TGrafiekenForm::TGrafiekenForm(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("GrafiekenForm"));
    setWindowTitle(QStringLiteral("Grafieken"));
    setSizeGripEnabled(true);
    resize(kInitialSize);
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("GrafiekenPageControl"));
    for (ChartKind kind : AllChartKinds()) {
        auto* view = new QChartView(pageControl_);
        view->setObjectName(
            QStringLiteral("ChartView_%1")
                .arg(QString::fromLatin1(ChartKindName(kind).data(), ChartKindName(kind).size())));
        view->setRenderHint(QPainter::Antialiasing);
        // A chart taller than the window, as the pressure of many sections, scrolls.
        auto* scroller = new QScrollArea(pageControl_);
        scroller->setObjectName(
            QStringLiteral("ChartPage_%1")
                .arg(QString::fromLatin1(ChartKindName(kind).data(), ChartKindName(kind).size())));
        scroller->setWidgetResizable(true);
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setWidget(view);
        pageControl_->addTab(scroller, ToQString(ChartTitle(kind)));
        views_.push_back(view);
    }
    auto* buttons = new QDialogButtonBox(this);
    printButton_ = AddButton(buttons, "AfdrukkenButton", QStringLiteral("Af&drukken..."),
                             QDialogButtonBox::ActionRole);
    exportButton_ = AddButton(buttons, "ExporterenButton", QStringLiteral("&Exporteren..."),
                              QDialogButtonBox::ActionRole);
    copyButton_ = AddButton(buttons, "KopierenButton", QStringLiteral("&Kopi\u00EBren"),
                            QDialogButtonBox::ActionRole);
    QPushButton* closeButton = AddButton(buttons, "SluitenButton", QStringLiteral("&Sluiten"),
                                         QDialogButtonBox::RejectRole);
    connect(printButton_, &QPushButton::clicked, this, &TGrafiekenForm::PrintCurrent);
    connect(exportButton_, &QPushButton::clicked, this, &TGrafiekenForm::ExportCurrent);
    connect(copyButton_, &QPushButton::clicked, this, &TGrafiekenForm::CopyCurrent);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageControl_, 1);
    layout->addWidget(buttons);
}

void TGrafiekenForm::ShowCharts(ChartData figures) {
    data_ = std::move(figures);
    const std::vector<ChartKind>& kinds = AllChartKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        QChart* previous = views_[i]->chart();
        views_[i]->setChart(BuildChart(kinds[i], data_));
        delete previous;
        const int height = DefaultChartSize(kinds[i], data_).height;
        views_[i]->setMinimumHeight(height > ChartImageSize{}.height ? height : 0);
        pageControl_->setTabText(static_cast<int>(i), ToQString(ChartTitle(kinds[i])));
    }
    show();
    raise();
    activateWindow();
}

ChartKind TGrafiekenForm::CurrentKind() const {
    return AllChartKinds().at(static_cast<std::size_t>(std::max(0, pageControl_->currentIndex())));
}

QChartView* TGrafiekenForm::ViewOf(ChartKind kind) const {
    const std::vector<ChartKind>& kinds = AllChartKinds();
    const auto found = std::find(kinds.begin(), kinds.end(), kind);
    return views_.at(static_cast<std::size_t>(found - kinds.begin()));
}

QImage TGrafiekenForm::CurrentImage() const {
    const ChartImageSize size = DefaultChartSize(CurrentKind(), data_);
    QImage image(QSize(size.width, size.height), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawChart(CurrentKind(), data_, image.size(), painter, image.rect());
    return image;
}

void TGrafiekenForm::ExportCurrent() {
    const std::optional<ChartFile> file = AskChartFile(CurrentKind(), prompter_);
    if (!file) {
        return;
    }
    if (file->workbook) {
        ExportWorkbook(file->fileName);
        return;
    }
    const ChartDrawing drawing;
    const std::optional<std::string> bytes =
        drawing.Image(CurrentKind(), data_, file->format, DefaultChartSize(CurrentKind(), data_));
    if (!bytes) {
        ErrorNotice(prompter_, MessageText("AA00473"));
        return;
    }
    WriteExportFile(file->fileName, *bytes, prompter_);
}

void TGrafiekenForm::ExportWorkbook(const std::string& fileName) {
    BusyCursor busy;
    std::string error;
    const std::optional<std::string> workbook = ChartWorkbook(data_, error);
    if (!workbook) {
        ErrorNotice(prompter_, error);
        return;
    }
    WriteExportFile(fileName, *workbook, prompter_);
}

void TGrafiekenForm::PrintCurrent() {
    const ChartKind kind = CurrentKind();
    const ChartImageSize size = DefaultChartSize(kind, data_);
    const QSize layout(size.width, size.height);
    PrintPicture(
        ChartTitle(kind), layout,
        [this, kind, layout](QPainter& painter, const QRectF& target) {
            DrawChart(kind, data_, layout, painter, target);
        },
        MessageText("AA00473"), prompter_, this);
}

void TGrafiekenForm::CopyCurrent() {
    QApplication::clipboard()->setImage(CurrentImage());
}

}  // namespace tavoric
