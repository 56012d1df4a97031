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

constexpr std::string_view kWorkbookExtension = ".xlsx";
constexpr std::string_view kCsvExtension = ".csv";

// Asks for a picture, or with workbookAllowed also the workbook, with csvAllowed also the table
// as CSV, named after the title.
std::optional<ChartFile> AskFile(const std::string& title, Prompter& prompter, bool workbookAllowed,
                                 bool csvAllowed = false) {
    FileDialogRequest request;
    request.filter = MessageText("AA00480") + "|*.png|" + MessageText("AA00481") + "|*.svg|" +
                     MessageText("AA00250") + "|*.pdf";
    if (workbookAllowed) {
        request.filter += "|" + MessageText("AA00857") + "|*.xlsx";
    }
    if (csvAllowed) {
        request.filter += "|" + MessageText("AA00933") + "|*.csv";
    }
    request.presetName = title + ".png";
    const std::optional<std::string> chosen = prompter.SaveFileName(request);
    if (!chosen) {
        return std::nullopt;
    }
    ChartFile file = ChartFileOfName(*chosen, workbookAllowed, csvAllowed);
    return MayReplaceFile(file.fileName, prompter) ? std::optional(file) : std::nullopt;
}

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

ChartImageSize DefaultComparisonSize(ComparisonKind kind, const SurveyComparison& comparison) {
    ChartImageSize size;
    if (kind == ComparisonKind::Sections) {
        const auto bars = 2 * static_cast<long long>(comparison.sections.size());
        size.height = static_cast<int>(std::clamp<long long>(
            kSpaceBesideBars + kSectionBarHeight * bars, size.height, kMaxChartSide));
    }
    return size;
}

ChartFile ChartFileOfName(std::string_view chosenName, bool workbookAllowed, bool csvAllowed) {
    const auto endsWith = [chosenName](std::string_view extension) {
        return chosenName.size() > extension.size() &&
               EqualNoCase(chosenName.substr(chosenName.size() - extension.size()), extension);
    };
    for (const FormatExtension& known : kExtensions) {
        if (endsWith(known.extension)) {
            return {std::string(chosenName), known.format};
        }
    }
    if (workbookAllowed && endsWith(kWorkbookExtension)) {
        return {std::string(chosenName), ChartImageFormat::Png, true};
    }
    if (csvAllowed && endsWith(kCsvExtension)) {
        return {std::string(chosenName), ChartImageFormat::Png, false, true};
    }
    return {std::string(chosenName) + ".png", ChartImageFormat::Png};
}

std::optional<ChartFile> AskChartFile(ChartKind kind, Prompter& prompter) {
    return AskFile(ChartTitle(kind), prompter, true);
}

std::optional<ChartFile> AskPictureFile(const std::string& title, Prompter& prompter) {
    return AskFile(title, prompter, false);
}

std::optional<ChartFile> AskComparisonFile(const std::string& title, Prompter& prompter) {
    return AskFile(title, prompter, true, true);
}

std::optional<std::string> AskGeoJsonFile(const std::string& title, Prompter& prompter) {
    FileDialogRequest request;
    request.filter = MessageText("AA00719") + "|*.geojson;*.json";
    request.presetName = title + ".geojson";
    std::optional<std::string> chosen = prompter.SaveFileName(request);
    if (!chosen) {
        return std::nullopt;
    }
    const auto endsWith = [&](std::string_view extension) {
        return chosen->size() > extension.size() &&
               EqualNoCase(std::string_view(*chosen).substr(chosen->size() - extension.size()),
                           extension);
    };
    if (!endsWith(".geojson") && !endsWith(".json")) {
        *chosen += ".geojson";
    }
    return MayReplaceFile(*chosen, prompter) ? chosen : std::nullopt;
}

}  // namespace tavoric
