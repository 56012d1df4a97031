// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a chart from the chart window: the file's name decides the format.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "charts/chart_images.h"
#include "core/prompter.h"

namespace tavoric {

struct ChartFile {
    std::string fileName;
    ChartImageFormat format = ChartImageFormat::Png;
    bool workbook = false;  // the Excel workbook of every chart's table instead of a picture
    bool csv = false;       // the chart's table as CSV instead of a picture
};

// ".png", ".svg" or ".pdf" at the end of the name (in either letter case) chooses the format, and
// with workbookAllowed ".xlsx" the workbook, with csvAllowed ".csv" the table; any other name is
// a PNG and gains ".png".
ChartFile ChartFileOfName(std::string_view chosenName, bool workbookAllowed = false,
                          bool csvAllowed = false);

// Asks for the file (PNG, SVG, PDF or the Excel workbook; the chart's title proposed) and, for
// an existing file, whether to replace it. Nothing when the user stops.
std::optional<ChartFile> AskChartFile(ChartKind kind, Prompter& prompter);
// The same for any picture, the title proposed as its name.
std::optional<ChartFile> AskPictureFile(const std::string& title, Prompter& prompter);
// The same for a comparison chart: PNG, SVG, PDF, its table as CSV or the workbook of all four.
std::optional<ChartFile> AskComparisonFile(const std::string& title, Prompter& prompter);
// Asks for a GeoJSON file (the title proposed) as AskPictureFile does; a name ending in neither
// ".geojson" nor ".json" gains ".geojson".
std::optional<std::string> AskGeoJsonFile(const std::string& title, Prompter& prompter);

}  // namespace tavoric
