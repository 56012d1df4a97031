// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/parkeerdrukkaart_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "charts/chart_export.h"
#include "charts/chart_images.h"
#include "charts/drawing/street_map_drawing.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "reports/export.h"

namespace tavoric {

namespace {

constexpr QSize kInitialSize(1000, 750);
constexpr double kWheelZoomStep = 1.25;

QString Text(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

class Legend : public QWidget {
public:
    explicit Legend(const ChartData& figures, QWidget* parent) : QWidget(parent), data_(figures) {
        setMinimumSize(260, 150);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawMapLegend(painter, rect(), data_.threshold);
    }

private:
    const ChartData& data_;
};

QPushButton* AddButton(QDialogButtonBox* box, const char* name, const QString& caption,
                       QDialogButtonBox::ButtonRole role) {
    QPushButton* button = box->addButton(caption, role);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

// The map view zooms about the pointer with the wheel and pans when dragged; the street labels
// and the scale bar are drawn over the streets at the size of the screen, whatever the zoom.
class StreetMapView : public QGraphicsView {
public:
    using QGraphicsView::QGraphicsView;

    void SetOverlay(std::vector<StreetLabel> labels, double metresPerUnit) {
        labels_ = std::move(labels);
        metresPerUnit_ = metresPerUnit;
        viewport()->update();
    }
    void ShowLabels(bool show) {
        showLabels_ = show;
        viewport()->update();
    }

protected:
    void drawForeground(QPainter* painter, const QRectF&) override {
        painter->save();
        painter->resetTransform();
        if (showLabels_) {
            DrawStreetLabels(*painter, labels_, viewportTransform());
        }
        constexpr double kScaleBarShare = 0.25;
        constexpr double kScaleBarMargin = 12;
        DrawScaleBar(*painter, QPointF(kScaleBarMargin, viewport()->height() - kScaleBarMargin),
                     transform().m11() / metresPerUnit_, viewport()->width() * kScaleBarShare);
        painter->restore();
    }

    void wheelEvent(QWheelEvent* event) override {
        const double factor = event->angleDelta().y() > 0 ? kWheelZoomStep : 1 / kWheelZoomStep;
        setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
        scale(factor, factor);
        event->accept();
    }
    void resizeEvent(QResizeEvent* event) override {
        QGraphicsView::resizeEvent(event);
        if (!zoomed_) {
            fitInView(sceneRect(), Qt::KeepAspectRatio);
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        zoomed_ = true;
        QGraphicsView::mousePressEvent(event);
    }

private:
    bool zoomed_ = false;
    std::vector<StreetLabel> labels_;
    bool showLabels_ = true;
    double metresPerUnit_ = 1;
};

TParkeerdrukkaartForm::TParkeerdrukkaartForm(
    Prompter& prompter, std::function<std::optional<StreetGeometry>()> chooseStreets,
    QWidget* parent)
    : QDialog(parent), prompter_(prompter), chooseStreets_(std::move(chooseStreets)) {
    setObjectName(QStringLiteral("ParkeerdrukkaartForm"));
    setWindowTitle(Text(MessageText("AA00709")));
    setSizeGripEnabled(true);
    resize(kInitialSize);

    measureBox_ = new QComboBox(this);
    measureBox_->setObjectName(QStringLiteral("MaatComboBox"));
    measureBox_->addItem(Text(MapMeasureLabel(MapMeasure::Occupancy)));
    measureBox_->addItem(Text(MapMeasureLabel(MapMeasure::Peak)));
    auto* measureLabel = new QLabel(Text(MessageText("AA00716")), this);
    measureLabel->setBuddy(measureBox_);
    connect(measureBox_, &QComboBox::currentIndexChanged, this, &TParkeerdrukkaartForm::Redraw);
    labelsBox_ = new QCheckBox(Text(MessageText("AA00781")), this);
    labelsBox_->setObjectName(QStringLiteral("LabelsCheckBox"));
    labelsBox_->setChecked(true);

    scene_ = new QGraphicsScene(this);
    view_ = new StreetMapView(scene_, this);
    view_->setObjectName(QStringLiteral("KaartView"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setDragMode(QGraphicsView::ScrollHandDrag);
    view_->setBackgroundBrush(Qt::white);
    legend_ = new Legend(data_, this);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* streets = AddButton(buttons, "StratenButton", Text(MessageText("AA00724")),
                                     QDialogButtonBox::ActionRole);
    QPushButton* print = AddButton(buttons, "AfdrukkenButton", QStringLiteral("Af&drukken..."),
                                   QDialogButtonBox::ActionRole);
    QPushButton* exportButton =
        AddButton(buttons, "ExporterenButton", QStringLiteral("&Exporteren..."),
                  QDialogButtonBox::ActionRole);
    QPushButton* geoJson = AddButton(buttons, "GeoJsonButton", QStringLiteral("&GeoJSON..."),
                                     QDialogButtonBox::ActionRole);
    QPushButton* close = AddButton(buttons, "SluitenButton", QStringLiteral("&Sluiten"),
                                   QDialogButtonBox::RejectRole);
    connect(streets, &QPushButton::clicked, this, &TParkeerdrukkaartForm::ChooseOtherStreets);
    connect(print, &QPushButton::clicked, this, &TParkeerdrukkaartForm::Print);
    connect(exportButton, &QPushButton::clicked, this, &TParkeerdrukkaartForm::Export);
    connect(geoJson, &QPushButton::clicked, this, &TParkeerdrukkaartForm::ExportGeoJson);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(labelsBox_, &QCheckBox::toggled, view_, &StreetMapView::ShowLabels);

    auto* top = new QHBoxLayout;
    top->addWidget(measureLabel);
    top->addWidget(measureBox_);
    top->addSpacing(kInitialSize.width() / 50);
    top->addWidget(labelsBox_);
    top->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(view_, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(legend_);
    side->addStretch(1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(buttons);
}

QGraphicsView* TParkeerdrukkaartForm::View() const {
    return view_;
}

bool TParkeerdrukkaartForm::Labels() const {
    return labelsBox_->isChecked();
}

MapMeasure TParkeerdrukkaartForm::Measure() const {
    return measureBox_->currentIndex() == 1 ? MapMeasure::Peak : MapMeasure::Occupancy;
}

void TParkeerdrukkaartForm::ShowMap(StreetGeometry streets, ChartData figures,
                                    LineList sectionLines) {
    data_ = std::move(figures);
    sectionLines_ = std::move(sectionLines);
    map_ = JoinStreetMap(std::move(streets), data_.sections, sectionLines_);
    Redraw();
    show();
    raise();
    activateWindow();
    if (const std::string notice = UnmatchedFeaturesText(map_); !notice.empty()) {
        WarningNotice(prompter_, notice);
    }
}

void TParkeerdrukkaartForm::Redraw() {
    FillMapScene(*scene_, map_, Measure(), data_.threshold);
    view_->SetOverlay(StreetLabels(map_, Measure()), MetresPerMapUnit(map_.geometry));
    view_->fitInView(scene_->sceneRect(), Qt::KeepAspectRatio);
    legend_->update();
}

void TParkeerdrukkaartForm::ChooseOtherStreets() {
    if (std::optional<StreetGeometry> streets = chooseStreets_()) {
        ShowMap(std::move(*streets), data_, sectionLines_);
    }
}

void TParkeerdrukkaartForm::Export() {
    const std::optional<ChartFile> file = AskPictureFile(MapTitle(Measure()), prompter_);
    if (!file) {
        return;
    }
    const ChartDrawing drawing;
    const std::optional<std::string> bytes =
        drawing.MapImage(map_, data_, Measure(), Labels(), file->format, ChartImageSize{});
    if (!bytes) {
        ErrorNotice(prompter_, MessageText("AA00712"));
        return;
    }
    WriteExportFile(file->fileName, *bytes, prompter_);
}

void TParkeerdrukkaartForm::ExportGeoJson() {
    if (const std::optional<std::string> fileName =
            AskGeoJsonFile(MapTitle(Measure()), prompter_)) {
        WriteExportFile(*fileName, StreetMapGeoJson(map_), prompter_);
    }
}

void TParkeerdrukkaartForm::Print() {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        ErrorNotice(prompter_, MessageText("AA00482"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(Text(MapTitle(Measure())));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        ErrorNotice(prompter_, MessageText("AA00712"));
        return;
    }
    const QSizeF printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    DrawStreetMap(map_, data_, Measure(), Labels(), painter, QRectF(QPointF(0, 0), printable));
}

}  // namespace tavoric
