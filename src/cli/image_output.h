// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings a command writes: each file named on the command line in its format, all drawn
// with one ChartDrawing.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_images.h"

namespace tavoric {

// A drawing the command may write: the file an option names (none when not given), its format.
struct ImageFile {
    std::optional<std::string> path;
    ChartImageFormat format;
};

using DrawImage =
    std::function<std::optional<std::string>(const ChartDrawing& drawing, ChartImageFormat format)>;

// Draws and writes each named file in turn. Returns the exit status: 1 when one cannot be drawn
// (after the message failureKey names) or written.
int WriteImages(const std::vector<ImageFile>& files, const DrawImage& draw, const char* failureKey);

// The files of a street map (map, or compare's map of differences) that the options name.
struct MapFiles {
    std::optional<std::string> geojson;
    std::optional<std::string> png;
    std::optional<std::string> svg;
    std::optional<std::string> pdf;
};

// Writes the map's GeoJSON, then draws and writes its images. Returns the exit status: 1 when a
// file cannot be drawn or written (after the reason on stderr).
int WriteMapFiles(const MapFiles& files, const std::function<std::string()>& geojson,
                  const DrawImage& draw);

}  // namespace tavoric
