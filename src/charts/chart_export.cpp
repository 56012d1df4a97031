// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/chart_export.h"

#include <algorithm>

#include "core/message_texts.h"
#include "core/text.h"
#include "reports/export.h"

namespace tavoric {

namespace {

struct FormatExtension {
    ChartImageFormat format;
    std::string_view extension;
};
constexpr FormatExtension kExtensions[] = {{ChartImageFormat::Png, ".png"},
                                           {ChartImageFormat::Svg, ".svg"},
                                           {ChartImageFormat::Pdf, ".pdf"}};

constexpr int kSectionBarHeight = 24;
constexpr int kSpaceBesideBars = 220;

}  // namespace

ChartImageSize DefaultChartSize(ChartKind kind, const ChartData& data) {
    ChartImageSize size;
    if (kind == ChartKind::Sections || kind == ChartKind::Matrix ||
        kind == ChartKind::MotiveSections) {
        const auto bars = static_cast<long long>(data.sections.size());
        size.height = static_cast<int>(std::clamp<long long>(
            kSpaceBesideBars + kSectionBarHeight * bars, size.height, kMaxChartSide));
    }
    return size;
}

ChartFile ChartFileOfName(std::string_view chosenName) {
    for (const FormatExtension& known : kExtensions) {
        if (chosenName.size() > known.extension.size() &&
            EqualNoCase(chosenName.substr(chosenName.size() - known.extension.size()),
                        known.extension)) {
            return {std::string(chosenName), known.format};
        }
    }
    return {std::string(chosenName) + ".png", ChartImageFormat::Png};
}

std::optional<ChartFile> AskChartFile(ChartKind kind, Prompter& prompter) {
    return AskPictureFile(ChartTitle(kind), prompter);
}

std::optional<ChartFile> AskPictureFile(const std::string& title, Prompter& prompter) {
    FileDialogRequest request;
    request.filter = MessageText("AA00480") + "|*.png|" + MessageText("AA00481") + "|*.svg|" +
                     MessageText("AA00250") + "|*.pdf";
    request.presetName = title + ".png";
    const std::optional<std::string> chosen = prompter.SaveFileName(request);
    if (!chosen) {
        return std::nullopt;
    }
    ChartFile file = ChartFileOfName(*chosen);
    return MayReplaceFile(file.fileName, prompter) ? std::optional(file) : std::nullopt;
}

}  // namespace tavoric
