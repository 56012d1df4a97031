// SPDX-License-Identifier: GPL-3.0-or-later
// The street by time as a heat map: a row per section, a column per clock time, each cell in the
// colour of its pressure class with its percentage in it.
#pragma once

#include "charts/chart_data.h"

class QChart;

namespace tavoric {

// Paints the heat map of the figures into the chart's plot area, with the pressure classes in
// its legend.
void AddHeatMap(QChart& chart, const ChartData& data);

}  // namespace tavoric
