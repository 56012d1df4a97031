// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/vergelijking_form.h"

#include <QChartView>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "charts/analysis_workbook.h"
#include "charts/chart_export.h"
#include "charts/drawing/chart_builder.h"
#include "charts/ui/chart_printing.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/text.h"
#include "desktop/busy_cursor.h"
#include "desktop/qt_text.h"
#include "desktop/widgets.h"
#include "reports/export.h"

namespace tavoric {

namespace {

constexpr QSize kInitialSize(1000, 700);

}  // namespace

TVergelijkingForm::TVergelijkingForm(EntryContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("VergelijkingForm"));
    setSizeGripEnabled(true);
    resize(kInitialSize);
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("VergelijkingPageControl"));
    for (ComparisonKind kind : AllComparisonKinds()) {
        auto* view = new QChartView(pageControl_);
        const std::string_view name = ComparisonKindName(kind);
        view->setObjectName(
            QStringLiteral("ComparisonView_%1").arg(QString::fromLatin1(name.data(), name.size())));
        view->setRenderHint(QPainter::Antialiasing);
        // The paired bars of many sections are taller than the window and scroll.
        auto* scroller = new QScrollArea(pageControl_);
        scroller->setObjectName(
            QStringLiteral("ComparisonPage_%1").arg(QString::fromLatin1(name.data(), name.size())));
        scroller->setWidgetResizable(true);
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setWidget(view);
        pageControl_->addTab(scroller, ToQString(ComparisonTitle(kind)));
        views_.push_back(view);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* printButton = AddButton(
        buttons, "AfdrukkenButton", QStringLiteral("Af&drukken..."), QDialogButtonBox::ActionRole);
    QPushButton* exportButton =
        AddButton(buttons, "ExporterenButton", QStringLiteral("&Exporteren..."),
                  QDialogButtonBox::ActionRole);
    QPushButton* closeButton = AddButton(buttons, "SluitenButton", QStringLiteral("&Sluiten"),
                                         QDialogButtonBox::RejectRole);
    connect(printButton, &QPushButton::clicked, this, &TVergelijkingForm::PrintCurrent);
    connect(exportButton, &QPushButton::clicked, this, &TVergelijkingForm::ExportCurrent);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageControl_, 1);
    layout->addWidget(buttons);
}

void TVergelijkingForm::Execute(const AnalysisParameters& selectionA) {
    const std::optional<Survey> b = AskSurveyToCompare(context_.shell.CurrentPrompter());
    if (!b) {
        return;
    }
    std::optional<SurveyComparison> comparison = CompareWith(*b, selectionA);
    if (!comparison) {
        return;
    }
    ShowComparison(std::move(*comparison),
                   Utf8ForMessage(std::filesystem::path(b->ProjectPath).filename().string()));
}

// Both sides as their charts compute them; nothing when the user stops the run or, after the
// notice, when they share no section.
std::optional<SurveyComparison> TVergelijkingForm::CompareWith(
    const Survey& b, const AnalysisParameters& selectionA) {
    context_.progress.LetUserInputThrough();
    BusyCursor busy;
    return CompareInSelectionOfA(context_.survey, selectionA, b,
                                 context_.shell.Settings().pressureThreshold, context_.progress,
                                 context_.shell.CurrentPrompter());
}

void TVergelijkingForm::ShowComparison(SurveyComparison comparison, const std::string& nameOfB) {
    comparison_ = std::move(comparison);
    const std::vector<ComparisonKind>& kinds = AllComparisonKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        QChart* previous = views_[i]->chart();
        views_[i]->setChart(BuildComparisonChart(kinds[i], comparison_));
        delete previous;
        const int height = DefaultComparisonSize(kinds[i], comparison_).height;
        views_[i]->setMinimumHeight(height > ChartImageSize{}.height ? height : 0);
        pageControl_->setTabText(static_cast<int>(i), ToQString(ComparisonTitle(kinds[i])));
    }
    nameOfB_ = nameOfB;
    setWindowTitle(ToQString(FormatText(MessageText("AA00934"), {nameOfB})));
    show();
    raise();
    activateWindow();
}

ComparisonKind TVergelijkingForm::CurrentKind() const {
    return AllComparisonKinds().at(
        static_cast<std::size_t>(std::max(0, pageControl_->currentIndex())));
}

QChartView* TVergelijkingForm::ViewOf(ComparisonKind kind) const {
    const std::vector<ComparisonKind>& kinds = AllComparisonKinds();
    const auto found = std::find(kinds.begin(), kinds.end(), kind);
    return views_.at(static_cast<std::size_t>(found - kinds.begin()));
}

void TVergelijkingForm::ExportCurrent() {
    Prompter& prompter = context_.shell.CurrentPrompter();
    const ComparisonKind kind = CurrentKind();
    const std::optional<ChartFile> file = AskComparisonFile(ComparisonTitle(kind), prompter);
    if (!file) {
        return;
    }
    if (file->csv) {
        WriteExportFile(file->fileName, ComparisonCsv(kind, comparison_), prompter);
        return;
    }
    if (file->workbook) {
        ExportWorkbook(file->fileName);
        return;
    }
    const ChartDrawing drawing;
    const std::optional<std::string> bytes = drawing.ComparisonImage(
        kind, comparison_, file->format, DefaultComparisonSize(kind, comparison_));
    if (!bytes) {
        ErrorNotice(prompter, MessageText("AA00473"));
        return;
    }
    WriteExportFile(file->fileName, *bytes, prompter);
}

void TVergelijkingForm::ExportWorkbook(const std::string& fileName) {
    Prompter& prompter = context_.shell.CurrentPrompter();
    const std::string nameOfA =
        Utf8ForMessage(std::filesystem::path(context_.survey.ProjectPath).filename().string());
    BusyCursor busy;
    std::string error;
    const std::optional<std::string> workbook =
        ComparisonWorkbook(comparison_, nameOfA, nameOfB_, error);
    if (!workbook) {
        ErrorNotice(prompter, error);
        return;
    }
    WriteExportFile(fileName, *workbook, prompter);
}

void TVergelijkingForm::PrintCurrent() {
    const ComparisonKind kind = CurrentKind();
    const ChartImageSize size = DefaultComparisonSize(kind, comparison_);
    const QSize layout(size.width, size.height);
    PrintPicture(
        ComparisonTitle(kind), layout,
        [this, kind, layout](QPainter& painter, const QRectF& target) {
            DrawComparisonChart(kind, comparison_, layout, painter, target);
        },
        MessageText("AA00473"), context_.shell.CurrentPrompter(), this);
}

}  // namespace tavoric
