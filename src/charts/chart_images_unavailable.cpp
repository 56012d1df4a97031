// SPDX-License-Identifier: GPL-3.0-or-later
// The chart and map images of a build without Qt: there are none.
#include "charts/chart_images.h"

namespace tavoric {

struct ChartDrawing::Application {};

ChartDrawing::ChartDrawing() = default;
ChartDrawing::~ChartDrawing() = default;

bool ChartDrawing::Available() {
    return false;
}

std::optional<std::string> ChartDrawing::Image(ChartKind, const ChartData&, ChartImageFormat,
                                               ChartImageSize) const {
    return std::nullopt;
}

std::optional<std::string> ChartDrawing::ComparisonImage(ComparisonKind, const SurveyComparison&,
                                                         ChartImageFormat, ChartImageSize) const {
    return std::nullopt;
}

std::optional<std::string> ChartDrawing::MapImage(const StreetMap&, const ChartData&, MapMeasure,
                                                  bool, ChartImageFormat, ChartImageSize) const {
    return std::nullopt;
}

std::optional<std::string> ChartDrawing::DifferenceMapImage(const DifferenceMap&, bool,
                                                            ChartImageFormat,
                                                            ChartImageSize) const {
    return std::nullopt;
}

}  // namespace tavoric
