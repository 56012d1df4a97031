// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/parkeerdrukkaart_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "charts/chart_export.h"
#include "charts/chart_images.h"
#include "charts/drawing/street_map_drawing.h"
#include "charts/ui/chart_printing.h"
#include "core/message_texts.h"
#include "desktop/qt_text.h"
#include "desktop/widgets.h"
#include "reports/export.h"

namespace tavoric {

namespace {

constexpr QSize kInitialSize(1000, 750);
constexpr double kZoomStep = 1.25;  // one wheel notch or one + or -

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

}  // namespace

// The map view zooms about the pointer with the wheel and about its middle with + and -, pans
// when dragged or with the arrow keys, and walks the sections with Tab and Shift+Tab. The street
// labels, the scale bar and the outline of the focused section are drawn over the streets at the
// size of the screen, whatever the zoom.
class StreetMapView : public QGraphicsView {
public:
    using QGraphicsView::QGraphicsView;

    // Told the figures of the street under the pointer, else of the focused section, else "".
    std::function<void(const std::string& figures)> showFigures;

    // The map whose streets the scene draws; nothing focused.
    void SetMap(const StreetMap& map) {
        map_ = &map;
        sections_ = MapSections(map);
        focus_.reset();
        hovered_.reset();
        ShowFigures();
    }
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
        OutlineFocusedSection(*painter);
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
        Zoom(event->angleDelta().y() > 0, QGraphicsView::AnchorUnderMouse);
        event->accept();
    }
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Plus:
            case Qt::Key_Equal:
                Zoom(true, QGraphicsView::AnchorViewCenter);
                break;
            case Qt::Key_Minus:
                Zoom(false, QGraphicsView::AnchorViewCenter);
                break;
            default:
                QGraphicsView::keyPressEvent(event);  // the arrow keys scroll
                return;
        }
        event->accept();
    }
    // Tab goes to the next section, and on from the last to the next control of the window.
    bool focusNextPrevChild(bool next) override {
        const int count = static_cast<int>(sections_.size());
        const int to = !focus_ ? (next ? 0 : count - 1) : *focus_ + (next ? 1 : -1);
        if (to < 0 || to >= count) {
            Focus(std::nullopt);
            return QGraphicsView::focusNextPrevChild(next);
        }
        Focus(to);
        return true;
    }
    void focusInEvent(QFocusEvent* event) override {
        QGraphicsView::focusInEvent(event);
        if (!sections_.empty() && event->reason() == Qt::TabFocusReason) {
            Focus(0);
        } else if (!sections_.empty() && event->reason() == Qt::BacktabFocusReason) {
            Focus(static_cast<int>(sections_.size()) - 1);
        }
    }
    void focusOutEvent(QFocusEvent* event) override {
        QGraphicsView::focusOutEvent(event);
        if (event->reason() != Qt::ActiveWindowFocusReason &&
            event->reason() != Qt::PopupFocusReason) {
            Focus(std::nullopt);
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const QGraphicsItem* street = itemAt(event->position().toPoint());
        const std::optional<std::size_t> feature =
            street ? std::optional(FeatureIndexOf(*street)) : std::nullopt;
        if (feature != hovered_) {
            hovered_ = feature;
            ShowFigures();
        }
        QGraphicsView::mouseMoveEvent(event);
    }
    bool viewportEvent(QEvent* event) override {
        if (event->type() == QEvent::Leave && hovered_) {
            hovered_.reset();
            ShowFigures();
        }
        return QGraphicsView::viewportEvent(event);
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
    void Zoom(bool in, QGraphicsView::ViewportAnchor anchor) {
        const double factor = in ? kZoomStep : 1 / kZoomStep;
        setTransformationAnchor(anchor);
        scale(factor, factor);
        zoomed_ = true;
    }

    std::vector<QGraphicsItem*> FocusedItems() const {
        std::vector<QGraphicsItem*> items;
        if (!focus_) {
            return items;
        }
        const std::vector<std::size_t>& features = sections_[*focus_].features;
        for (QGraphicsItem* item : scene()->items()) {
            if (std::binary_search(features.begin(), features.end(), FeatureIndexOf(*item))) {
                items.push_back(item);
            }
        }
        return items;
    }

    void Focus(std::optional<int> section) {
        focus_ = section;
        QRectF streets;
        for (const QGraphicsItem* item : FocusedItems()) {
            streets |= item->sceneBoundingRect();
        }
        if (!streets.isEmpty()) {
            ensureVisible(streets);
        }
        ShowFigures();
        viewport()->update();
    }

    // A dashed line around the streets of the focused section, as wide at every zoom.
    void OutlineFocusedSection(QPainter& painter) const {
        QPen outline(Qt::black, 2, Qt::DashLine);
        outline.setCosmetic(true);
        painter.setPen(outline);
        painter.setBrush(Qt::NoBrush);
        for (const QGraphicsItem* item : FocusedItems()) {
            painter.drawPath(item->sceneTransform().map(item->shape()));
        }
    }

    void ShowFigures() const {
        if (!showFigures || !map_) {
            return;
        }
        if (hovered_ && *hovered_ < map_->figures.size()) {
            showFigures(FeatureLabel(map_->figures[*hovered_]));
        } else if (focus_) {
            showFigures(FeatureLabel(sections_[*focus_].figures));
        } else {
            showFigures({});
        }
    }

    bool zoomed_ = false;
    std::vector<StreetLabel> labels_;
    bool showLabels_ = true;
    double metresPerUnit_ = 1;
    const StreetMap* map_ = nullptr;
    std::vector<MapSection> sections_;
    std::optional<int> focus_;            // into sections_
    std::optional<std::size_t> hovered_;  // the feature under the pointer
};

TParkeerdrukkaartForm::TParkeerdrukkaartForm(
    Prompter& prompter, std::function<std::optional<StreetGeometry>()> chooseStreets,
    QWidget* parent)
    : QDialog(parent), prompter_(prompter), chooseStreets_(std::move(chooseStreets)) {
    setObjectName(QStringLiteral("ParkeerdrukkaartForm"));
    setWindowTitle(ToQString(MessageText("AA00709")));
    setSizeGripEnabled(true);
    resize(kInitialSize);

    measureBox_ = new QComboBox(this);
    measureBox_->setObjectName(QStringLiteral("MaatComboBox"));
    measureBox_->addItem(ToQString(MapMeasureLabel(MapMeasure::Occupancy)));
    measureBox_->addItem(ToQString(MapMeasureLabel(MapMeasure::Peak)));
    auto* measureLabel = new QLabel(ToQString(MessageText("AA00716")), this);
    measureLabel->setObjectName(QStringLiteral("MaatLabel"));
    measureLabel->setBuddy(measureBox_);
    connect(measureBox_, &QComboBox::currentIndexChanged, this, &TParkeerdrukkaartForm::Redraw);
    labelsBox_ = new QCheckBox(ToQString(MessageText("AA00781")), this);
    labelsBox_->setObjectName(QStringLiteral("LabelsCheckBox"));
    labelsBox_->setChecked(true);

    scene_ = new QGraphicsScene(this);
    view_ = new StreetMapView(scene_, this);
    view_->setObjectName(QStringLiteral("KaartView"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setDragMode(QGraphicsView::ScrollHandDrag);
    view_->setBackgroundBrush(Qt::white);
    legend_ = new Legend(data_, this);
    streetPanel_ = new QLabel(this);
    streetPanel_->setObjectName(QStringLiteral("StraatPaneel"));
    streetPanel_->setWordWrap(true);
    streetPanel_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    streetPanel_->setMinimumWidth(legend_->minimumWidth());
    view_->viewport()->setMouseTracking(true);
    view_->showFigures = [this](const std::string& figures) {
        streetPanel_->setText(ToQString(figures.empty() ? MessageText("AA00800") : figures));
    };

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* streets = AddButton(buttons, "StratenButton", ToQString(MessageText("AA00724")),
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
    side->addWidget(streetPanel_);
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
    view_->SetMap(map_);
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
    const MapMeasure measure = Measure();
    const bool labels = Labels();
    PrintPicture(
        MapTitle(measure), QSize(ChartImageSize{}.width, ChartImageSize{}.height),
        [this, measure, labels](QPainter& painter, const QRectF& target) {
            DrawStreetMap(map_, data_, measure, labels, painter, target);
        },
        MessageText("AA00712"), prompter_, this);
}

}  // namespace tavoric
