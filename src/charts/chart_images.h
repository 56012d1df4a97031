// SPDX-License-Identifier: GPL-3.0-or-later
// Charts and the maps as image files: PNG, SVG or a one-page PDF. The drawing needs Qt; a
// build without the desktop libraries has no drawing, and then every image is refused.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "charts/chart_texts.h"
#include "charts/difference_map.h"
#include "charts/street_map.h"
#include "charts/survey_comparison.h"

namespace tavoric {

enum class ChartImageFormat { Png, Svg, Pdf };

struct ChartImageSize {
    int width = 1200;  // pixels; the PDF page keeps this shape
    int height = 800;
};
constexpr int kMinChartSide = 100;
constexpr int kMaxChartSide = 10000;

// The size a chart is drawn at unless the user gives one: the standard size, made taller for
// the pressure of many sections so that every street keeps a readable bar.
ChartImageSize DefaultChartSize(ChartKind kind, const ChartData& data);
// Likewise for a comparison, whose sections have a bar of each survey.
ChartImageSize DefaultComparisonSize(ComparisonKind kind, const SurveyComparison& comparison);

// Draws charts for a program without windows of its own: while one exists, an offscreen
// application is running when none was.
class ChartDrawing {
public:
    ChartDrawing();
    ~ChartDrawing();
    ChartDrawing(const ChartDrawing&) = delete;
    ChartDrawing& operator=(const ChartDrawing&) = delete;

    // Whether this build draws charts at all.
    static bool Available();

    // The bytes of the image file; nothing when the chart cannot be drawn.
    std::optional<std::string> Image(ChartKind kind, const ChartData& data, ChartImageFormat format,
                                     ChartImageSize size) const;
    std::optional<std::string> ComparisonImage(ComparisonKind kind,
                                               const SurveyComparison& comparison,
                                               ChartImageFormat format, ChartImageSize size) const;
    // The parking pressure map of the selection, with its title, legend, scale bar and, unless
    // left out, the street labels.
    std::optional<std::string> MapImage(const StreetMap& map, const ChartData& data,
                                        MapMeasure measure, bool labels, ChartImageFormat format,
                                        ChartImageSize size) const;
    // The difference map of two surveys, drawn likewise.
    std::optional<std::string> DifferenceMapImage(const DifferenceMap& map, bool labels,
                                                  ChartImageFormat format,
                                                  ChartImageSize size) const;

private:
    struct Application;
    std::unique_ptr<Application> application_;
};

}  // namespace tavoric
