// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/drawing/chart_builder.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsScene>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

#include "analysis/motive_report.h"
#include "charts/chart_images.h"
#include "charts/drawing/heat_map.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr double kPercentAxisStep = 10;
const QColor kLineColor(0x1e, 0x62, 0xb0);

QString ToQString(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QString Message(const char* key) {
    return ToQString(MessageText(key));
}

QString Format(const char* key, std::initializer_list<std::string_view> args) {
    return ToQString(FormatText(MessageText(key), args));
}

// title and subtitle: code page 1252.
QChart* NewChart(std::string_view title, std::string_view subtitle) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTheme(QChart::ChartThemeLight);
    chart->setTitle(
        QStringLiteral("<b>%1</b><br>%2")
            .arg(ToQString(title).toHtmlEscaped(), ToQString(subtitle).toHtmlEscaped()));
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    chart->setTitleFont(titleFont);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QChart* NewChart(ChartKind kind, const ChartData& data) {
    return NewChart(ChartTitle(kind), ChartSubtitle(data));
}

// A percentage axis from 0 to at least 100, in whole tens.
QValueAxis* PercentAxis(const QString& title, double highest) {
    auto* axis = new QValueAxis;
    const double top = std::max(100.0, std::ceil(highest / kPercentAxisStep) * kPercentAxisStep);
    axis->setRange(0, top);
    axis->setTickCount(static_cast<int>(top / kPercentAxisStep) + 1);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(title);
    return axis;
}

QDateTime ClockTime(double minutes) {
    return QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC)
        .addSecs(static_cast<qint64>(minutes * 60));
}

// A clock axis over whole hours around first to last (minutes), a tick every hour or two.
QDateTimeAxis* ClockAxis(double first, double last) {
    constexpr int kMostHourTicks = 12;
    const int from = static_cast<int>(std::floor(first / 60));
    int hours = std::max(1, static_cast<int>(std::ceil(last / 60)) - from);
    const int step = hours > kMostHourTicks ? 2 : 1;
    hours += hours % step;
    auto* axis = new QDateTimeAxis;
    axis->setFormat(QStringLiteral("HH:mm"));
    axis->setTitleText(Message("AA00454"));
    axis->setRange(ClockTime(from * 60.0), ClockTime((from + hours) * 60.0));
    axis->setTickCount(hours / step + 1);
    return axis;
}

void HideFromLegend(QChart& chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart.legend()->markers(series)) {
        marker->setVisible(false);
    }
}

// Occupancy as a line over the clock times, with the norm and the peak.
QChart* OccupancyChart(const ChartData& data) {
    QChart* chart = NewChart(ChartKind::Occupancy, data);
    auto* line = new QLineSeries;
    line->setName(Message("AA00465"));
    line->setPen(QPen(kLineColor, 2.5));
    line->setPointsVisible(true);
    std::optional<QPointF> peak;
    const std::optional<std::size_t> peakIndex = PeakClockTime(data.occupancy);
    for (std::size_t i = 0; i < data.occupancy.size(); ++i) {
        const QPointF point(ClockTime(data.occupancy[i].minutes).toMSecsSinceEpoch(),
                            static_cast<double>(data.occupancy[i].occupancy));
        line->append(point);
        if (peakIndex == i) {
            peak = point;
        }
    }
    double first = 0;
    double last = 24 * 60;
    if (!data.occupancy.empty()) {
        first = data.occupancy.front().minutes;
        last = std::max<double>(first + 60, data.occupancy.back().minutes);
    }
    QDateTimeAxis* axisX = ClockAxis(first, last);
    const double highest = data.occupancy.empty() ? 0 : peak ? peak->y() : 0;
    QValueAxis* axisY = PercentAxis(Message("AA00455"), std::max<double>(highest, data.threshold));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);

    auto* norm = new QLineSeries;
    norm->setName(Format("AA00456", {std::to_string(data.threshold)}));
    norm->setPen(QPen(PressureColour(PressureClass::High), 1.5, Qt::DashLine));
    norm->append(axisX->min().toMSecsSinceEpoch(), data.threshold);
    norm->append(axisX->max().toMSecsSinceEpoch(), data.threshold);

    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(norm), static_cast<QAbstractSeries*>(line)}) {
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    if (peak && peakIndex) {
        const ClockOccupancy& busiest = data.occupancy[*peakIndex];
        auto* marker = new QScatterSeries;
        marker->append(*peak);
        marker->setColor(PressureColour(PressureClass::High));
        marker->setMarkerSize(11);
        marker->setPointLabelsFormat(
            Format("AA00457", {busiest.time, std::to_string(busiest.occupancy)}));
        marker->setPointLabelsVisible(true);
        marker->setPointLabelsClipping(false);
        chart->addSeries(marker);
        marker->attachAxis(axisX);
        marker->attachAxis(axisY);
        HideFromLegend(*chart, marker);
    }
    return chart;
}

// Pressure as horizontal bars, first section at the top, coloured by the norm.
QChart* SectionsChart(const ChartData& data) {
    QChart* chart = NewChart(ChartKind::Sections, data);
    const std::vector<std::string> labels = SectionLabels(data.sections);
    QBarSet* sets[] = {
        new QBarSet(ToQString(PressureClassLabel(PressureClass::Low, data.threshold))),
        new QBarSet(ToQString(PressureClassLabel(PressureClass::Moderate, data.threshold))),
        new QBarSet(ToQString(PressureClassLabel(PressureClass::High, data.threshold)))};
    const QColor colours[] = {PressureColour(PressureClass::Low),
                              PressureColour(PressureClass::Moderate),
                              PressureColour(PressureClass::High)};
    QStringList categories;
    double highest = 0;
    for (std::size_t i = data.sections.size(); i-- > 0;) {
        const SectionPressure& section = data.sections[i];
        categories << Format("AA00467", {labels[i], std::to_string(section.occupancy),
                                         std::to_string(section.peak)});
        const auto colourClass =
            static_cast<std::size_t>(ClassifyPressure(section.occupancy, data.threshold));
        for (std::size_t c = 0; c < 3; ++c) {
            *sets[c] << (c == colourClass ? static_cast<double>(section.occupancy) : 0.0);
        }
        highest = std::max(highest, static_cast<double>(section.occupancy));
    }
    auto* series = new QHorizontalStackedBarSeries;
    for (std::size_t c = 0; c < 3; ++c) {
        sets[c]->setColor(colours[c]);
        sets[c]->setBorderColor(colours[c].darker(120));
        series->append(sets[c]);
    }
    series->setBarWidth(0.7);
    chart->addSeries(series);
    auto* axisY = new QBarCategoryAxis;
    axisY->append(categories);
    auto* axisX = PercentAxis(Message("AA00455"), highest);
    chart->addAxis(axisY, Qt::AlignLeft);
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisY);
    series->attachAxis(axisX);
    return chart;
}

// The share of each duration class as a column, labelled with its bounds and vehicles.
QChart* DurationsChart(const ChartData& data) {
    QChart* chart = NewChart(ChartKind::Durations, data);
    auto* set = new QBarSet(Message("AA00466"));
    set->setColor(kLineColor);
    set->setLabelColor(Qt::black);
    QStringList categories;
    double highest = 0;
    for (const DurationShare& share : data.durations) {
        *set << static_cast<double>(share.percent);
        // Two lines: the bounds, then the vehicles.
        categories << Format("AA00464",
                             {std::to_string(share.range.from), std::to_string(share.range.to)})
                              .toHtmlEscaped() +
                          QStringLiteral("<br>") +
                          Format("AA00468", {std::to_string(share.vehicles)}).toHtmlEscaped();
        highest = std::max(highest, static_cast<double>(share.percent));
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value %"));
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto* axisX = new QBarCategoryAxis;
    axisX->append(categories);
    axisX->setTitleText(Message("AA00462"));
    auto* axisY = PercentAxis(Message("AA00463"), highest);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
    chart->legend()->hide();
    return chart;
}

// Columns at 0, 1, ... labelled with the clock time of every so many columns, so that many
// clock times keep readable labels.
QCategoryAxis* ClockTimeAxis(const std::vector<MotiveRow>& times) {
    constexpr std::size_t kMostLabels = 12;
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const std::size_t step =
        std::max<std::size_t>(1, (times.size() + kMostLabels - 1) / kMostLabels);
    for (std::size_t i = 0; i < times.size(); i += step) {
        axis->append(ToQString(times[i].key), static_cast<double>(i));
    }
    axis->setRange(-0.5, static_cast<double>(times.size()) - 0.5);
    axis->setGridLineVisible(false);
    axis->setTitleText(Message("AA00666"));
    return axis;
}

// One bar set per motive, in the motive colours.
template <typename Series>
Series* MotiveSeries() {
    const char* nameKeys[kMotiveCount] = {"AA00655", "AA00656", "AA00657"};
    const QColor colours[kMotiveCount] = {kLineColor, PressureColour(PressureClass::Moderate),
                                          PressureColour(PressureClass::Low)};
    auto* series = new Series;
    for (std::size_t m = 0; m < kMotiveCount; ++m) {
        auto* set = new QBarSet(Message(nameKeys[m]));
        set->setColor(colours[m]);
        set->setBorderColor(colours[m].darker(120));
        series->append(set);
    }
    return series;
}

QValueAxis* VehiclesAxis(double highest) {
    auto* axis = new QValueAxis;
    axis->setRange(0, std::max(1.0, highest));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->applyNiceNumbers();
    axis->setTitleText(Message("AA00466"));
    return axis;
}

// The vehicles present at each clock time as stacked columns, one colour per motive.
QChart* MotiveChart(const ChartData& data) {
    QChart* chart = NewChart(ChartKind::Motive, data);
    auto* series = MotiveSeries<QStackedBarSeries>();
    double highest = 0;
    for (const MotiveRow& time : data.motives.clockTimes) {
        for (std::size_t m = 0; m < kMotiveCount; ++m) {
            *series->barSets()[static_cast<qsizetype>(m)] << static_cast<double>(time.vehicles[m]);
        }
        highest = std::max(highest, static_cast<double>(TotalVehicles(time.vehicles)));
    }
    series->setBarWidth(0.8);
    chart->addSeries(series);
    QCategoryAxis* axisX = ClockTimeAxis(data.motives.clockTimes);
    QValueAxis* axisY = VehiclesAxis(highest);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
    return chart;
}

// The distinct vehicles of each section as stacked bars by motive, first section at the top.
// The motive rows are the sections of the pressure figures, in the same order.
QChart* MotiveSectionsChart(const ChartData& data) {
    QChart* chart = NewChart(ChartKind::MotiveSections, data);
    auto* series = MotiveSeries<QHorizontalStackedBarSeries>();
    const std::vector<std::string> labels = SectionLabels(data.sections);
    const std::vector<MotiveRow>& rows = data.motives.sections;
    QStringList categories;
    double highest = 0;
    for (std::size_t i = std::min(rows.size(), labels.size()); i-- > 0;) {
        categories << ToQString(labels[i]);
        for (std::size_t m = 0; m < kMotiveCount; ++m) {
            *series->barSets()[static_cast<qsizetype>(m)]
                << static_cast<double>(rows[i].vehicles[m]);
        }
        highest = std::max(highest, static_cast<double>(TotalVehicles(rows[i].vehicles)));
    }
    series->setBarWidth(0.7);
    chart->addSeries(series);
    auto* axisY = new QBarCategoryAxis;
    axisY->append(categories);
    QValueAxis* axisX = VehiclesAxis(highest);
    chart->addAxis(axisY, Qt::AlignLeft);
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisY);
    series->attachAxis(axisX);
    return chart;
}

QChart* MatrixChart(const ChartData& data) {
    QChart* chart = NewChart(ChartKind::Matrix, data);
    AddHeatMap(*chart, data);
    return chart;
}

// The two sides of a comparison: "A (voor)" and "B (na)" with the day and date of their surveys.
std::string SideName(const char* key, const ChartData& side) {
    return FormatText(MessageText(key), {side.dayAndDate});
}

// One bar set per side, A in blue and B in vermillion.
template <typename Series>
Series* PairedSeries(const SurveyComparison& comparison) {
    auto* series = new Series;
    const QColor colours[] = {kLineColor, PressureColour(PressureClass::High)};
    const char* keys[] = {"AA00930", "AA00931"};
    const ChartData* sides[] = {&comparison.a, &comparison.b};
    for (std::size_t i = 0; i < 2; ++i) {
        auto* set = new QBarSet(ToQString(SideName(keys[i], *sides[i])));
        set->setColor(colours[i]);
        set->setBorderColor(colours[i].darker(120));
        series->append(set);
    }
    return series;
}

// "+4", "-3", "0"; a dash without a difference.
std::string SignedDifference(std::optional<std::int64_t> difference) {
    if (!difference) {
        return "-";
    }
    return (*difference > 0 ? "+" : "") + std::to_string(*difference);
}

// A category with its difference: beside it on one line for bars, below it for columns.
QString DifferenceLabel(std::string_view label, std::optional<std::int64_t> difference,
                        bool oneLine) {
    const QString text = ToQString(label);
    const QString under = Format("AA00932", {SignedDifference(difference)});
    return oneLine ? text + QStringLiteral(" (") + under + QStringLiteral(")")
                   : text.toHtmlEscaped() + QStringLiteral("<br>") + under.toHtmlEscaped();
}

// Adds a paired-bar series with its category axis and percentage axis.
template <typename Series>
void AddPairedBars(QChart& chart, Series* series, const QStringList& categories, double highest,
                   bool horizontal, const QString& categoryTitle, const QString& valueTitle) {
    chart.addSeries(series);
    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(categories);
    categoryAxis->setTitleText(categoryTitle);
    QValueAxis* valueAxis = PercentAxis(valueTitle, highest);
    chart.addAxis(categoryAxis, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart.addAxis(valueAxis, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(categoryAxis);
    series->attachAxis(valueAxis);
}

// Occupancy of A and B side by side per section, first section at the top, the difference in
// each label; a side without figures has no bar.
QChart* SectionsComparisonChart(const SurveyComparison& comparison) {
    QChart* chart = NewChart(ComparisonTitle(ComparisonKind::Sections), comparison.a.surveyArea);
    auto* series = PairedSeries<QHorizontalBarSeries>(comparison);
    std::vector<SectionPressure> named;
    for (const SectionComparison& row : comparison.sections) {
        named.push_back({row.route, row.section, row.description});
    }
    const std::vector<std::string> labels = SectionLabels(named);
    QStringList categories;
    double highest = 0;
    for (std::size_t i = comparison.sections.size(); i-- > 0;) {
        const SectionComparison& row = comparison.sections[i];
        const auto a = SectionOccupancy(row.a);
        const auto b = SectionOccupancy(row.b);
        categories << DifferenceLabel(labels[i], Difference(a, b), true);
        *series->barSets()[0] << static_cast<double>(a.value_or(0));
        *series->barSets()[1] << static_cast<double>(b.value_or(0));
        highest = std::max(
            {highest, static_cast<double>(a.value_or(0)), static_cast<double>(b.value_or(0))});
    }
    series->setBarWidth(0.8);
    AddPairedBars(*chart, series, categories, highest, true, Message("AA00461"),
                  Message("AA00455"));
    return chart;
}

// The area occupancy of both surveys over the clock times of either.
QChart* OccupancyComparisonChart(const SurveyComparison& comparison) {
    QChart* chart = NewChart(ComparisonTitle(ComparisonKind::Occupancy), comparison.a.surveyArea);
    const QColor colours[] = {kLineColor, PressureColour(PressureClass::High)};
    const char* keys[] = {"AA00930", "AA00931"};
    const ChartData* sides[] = {&comparison.a, &comparison.b};
    double first = 0;
    double last = 24 * 60;
    if (!comparison.occupancy.empty()) {
        first = comparison.occupancy.front().minutes;
        last = std::max<double>(first + 60, comparison.occupancy.back().minutes);
    }
    QDateTimeAxis* axisX = ClockAxis(first, last);
    double highest = 0;
    std::vector<QLineSeries*> lines;
    for (std::size_t i = 0; i < 2; ++i) {
        auto* line = new QLineSeries;
        line->setName(ToQString(SideName(keys[i], *sides[i])));
        line->setPen(QPen(colours[i], 2.5, i == 0 ? Qt::SolidLine : Qt::DashLine));
        line->setPointsVisible(true);
        for (const ClockOccupancy& time : sides[i]->occupancy) {
            line->append(ClockTime(time.minutes).toMSecsSinceEpoch(),
                         static_cast<double>(time.occupancy));
            highest = std::max(highest, static_cast<double>(time.occupancy));
        }
        lines.push_back(line);
    }
    QValueAxis* axisY = PercentAxis(Message("AA00455"), highest);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QLineSeries* line : lines) {
        chart->addSeries(line);
        line->attachAxis(axisX);
        line->attachAxis(axisY);
    }
    return chart;
}

// The share of each duration class (those of A) in both surveys.
QChart* DurationsComparisonChart(const SurveyComparison& comparison) {
    QChart* chart = NewChart(ComparisonTitle(ComparisonKind::Durations), comparison.a.surveyArea);
    auto* series = PairedSeries<QBarSeries>(comparison);
    QStringList categories;
    double highest = 0;
    for (std::size_t k = 0; k < comparison.a.durations.size(); ++k) {
        const DurationShare& a = comparison.a.durations[k];
        const DurationShare& b = comparison.b.durations[k];
        const std::string bounds = FormatText(
            MessageText("AA00464"), {std::to_string(a.range.from), std::to_string(a.range.to)});
        categories << DifferenceLabel(bounds, b.percent - a.percent, false);
        *series->barSets()[0] << static_cast<double>(a.percent);
        *series->barSets()[1] << static_cast<double>(b.percent);
        highest =
            std::max({highest, static_cast<double>(a.percent), static_cast<double>(b.percent)});
    }
    AddPairedBars(*chart, series, categories, highest, false, Message("AA00462"),
                  Message("AA00463"));
    return chart;
}

// The share of each parking motive in both surveys.
QChart* MotiveComparisonChart(const SurveyComparison& comparison) {
    QChart* chart = NewChart(ComparisonTitle(ComparisonKind::Motive), comparison.a.surveyArea);
    auto* series = PairedSeries<QBarSeries>(comparison);
    const char* nameKeys[kMotiveCount] = {"AA00655", "AA00656", "AA00657"};
    const MotiveCounts& a = comparison.a.motives.vehicles;
    const MotiveCounts& b = comparison.b.motives.vehicles;
    QStringList categories;
    double highest = 0;
    for (std::size_t m = 0; m < kMotiveCount; ++m) {
        const std::int64_t percentA = MotivePercent(a[m], TotalVehicles(a));
        const std::int64_t percentB = MotivePercent(b[m], TotalVehicles(b));
        categories << DifferenceLabel(MessageText(nameKeys[m]), percentB - percentA, false);
        *series->barSets()[0] << static_cast<double>(percentA);
        *series->barSets()[1] << static_cast<double>(percentB);
        highest = std::max({highest, static_cast<double>(percentA), static_cast<double>(percentB)});
    }
    AddPairedBars(*chart, series, categories, highest, false, QString(), Message("AA00463"));
    return chart;
}

// Lays the chart out at size (pixels) in a scene of its own and draws it into target.
void RenderChart(QChart* chart, QSizeF size, QPainter& painter, const QRectF& target) {
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->resize(size);
    // The chart lays itself out when its posted events are handled.
    QCoreApplication::sendPostedEvents();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, target, QRectF(QPointF(0, 0), size), Qt::KeepAspectRatio);
}

}  // namespace

QColor PressureColour(PressureClass pressureClass) {
    return QColor::fromRgb(PressureRgb(pressureClass));
}

QChart* BuildChart(ChartKind kind, const ChartData& data) {
    switch (kind) {
        case ChartKind::Occupancy:
            return OccupancyChart(data);
        case ChartKind::Sections:
            return SectionsChart(data);
        case ChartKind::Durations:
            return DurationsChart(data);
        case ChartKind::Motive:
            return MotiveChart(data);
        case ChartKind::Matrix:
            return MatrixChart(data);
        case ChartKind::MotiveSections:
            return MotiveSectionsChart(data);
    }
    return nullptr;
}

QChart* BuildComparisonChart(ComparisonKind kind, const SurveyComparison& comparison) {
    switch (kind) {
        case ComparisonKind::Sections:
            return SectionsComparisonChart(comparison);
        case ComparisonKind::Occupancy:
            return OccupancyComparisonChart(comparison);
        case ComparisonKind::Durations:
            return DurationsComparisonChart(comparison);
        case ComparisonKind::Motive:
            return MotiveComparisonChart(comparison);
    }
    return nullptr;
}

void DrawChart(ChartKind kind, const ChartData& data, QSizeF size, QPainter& painter,
               const QRectF& target) {
    RenderChart(BuildChart(kind, data), size, painter, target);
}

void DrawComparisonChart(ComparisonKind kind, const SurveyComparison& comparison, QSizeF size,
                         QPainter& painter, const QRectF& target) {
    RenderChart(BuildComparisonChart(kind, comparison), size, painter, target);
}

void DrawChartOnPage(ChartKind kind, const ChartData& data, QPainter& painter, const QRectF& body) {
    const ChartImageSize pixels = DefaultChartSize(kind, data);
    const QSizeF size(pixels.width, pixels.height);
    const QSizeF fitted = size.scaled(body.size(), Qt::KeepAspectRatio);
    DrawChart(kind, data, size, painter, QRectF(body.topLeft(), fitted));
}

}  // namespace tavoric
