// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/image_output.h"

#include "cli/commands.h"
#include "cli/report_output.h"
#include "core/message_texts.h"

namespace tavoric {

int WriteImages(const std::vector<ImageFile>& files, const DrawImage& draw,
                const char* failureKey) {
    std::optional<ChartDrawing> drawing;
    for (const ImageFile& file : files) {
        if (!file.path) {
            continue;
        }
        if (!drawing) {
            drawing.emplace();
        }
        const std::optional<std::string> bytes = draw(*drawing, file.format);
        if (!bytes) {
            PrintError(MessageText(failureKey));
            return kExitFileError;
        }
        if (!WriteOutputFile(*file.path, *bytes)) {
            return kExitFileError;
        }
    }
    return kExitOk;
}

int WriteMapFiles(const MapFiles& files, const std::function<std::string()>& geojson,
                  const DrawImage& draw) {
    if (files.geojson && !WriteOutputFile(*files.geojson, geojson())) {
        return kExitFileError;
    }
    return WriteImages({{files.png, ChartImageFormat::Png},
                        {files.svg, ChartImageFormat::Svg},
                        {files.pdf, ChartImageFormat::Pdf}},
                       draw, "AA00712");
}

}  // namespace tavoric
