// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/council_report_files.h"

#include "core/message_texts.h"
#include "core/text.h"
#include "reports/export.h"

namespace tavoric {

namespace {

// One file of the given kind ("|*.pdf" after its description); the extension in lower case.
std::optional<std::string> AskFile(const std::string& title, const char* descriptionKey,
                                   std::string_view extension, Prompter& prompter) {
    FileDialogRequest request;
    request.filter = MessageText(descriptionKey) + "|*" + std::string(extension);
    request.presetName = title + std::string(extension);
    std::optional<std::string> chosen = prompter.SaveFileName(request);
    if (!chosen) {
        return std::nullopt;
    }
    const bool hasExtension =
        chosen->size() > extension.size() &&
        EqualNoCase(std::string_view(*chosen).substr(chosen->size() - extension.size()), extension);
    if (!hasExtension) {
        *chosen += extension;
    }
    return MayReplaceFile(*chosen, prompter) ? chosen : std::nullopt;
}

}  // namespace

std::optional<CouncilReportFiles> AskCouncilReportFiles(const CouncilReportChoices& choices,
                                                        const std::string& title,
                                                        Prompter& prompter) {
    CouncilReportFiles files;
    const struct {
        bool chosen;
        std::optional<std::string>& file;
        const char* descriptionKey;
        std::string_view extension;
    } outputs[] = {{choices.pdf, files.pdf, "AA00250", ".pdf"},
                   {choices.odt, files.odt, "AA00904", ".odt"},
                   {choices.summaryCsv, files.summaryCsv, "AA00905", ".csv"}};
    for (const auto& output : outputs) {
        if (output.chosen) {
            output.file = AskFile(title, output.descriptionKey, output.extension, prompter);
            if (!output.file) {
                return std::nullopt;
            }
        }
    }
    return files;
}

std::optional<StreetMap> RememberedStreetMap(const Survey& survey,
                                             const std::vector<SectionPressure>& sections,
                                             Prompter& prompter) {
    const std::string path =
        StreetGeometryPathOf(survey.ProjectPath, survey.AlgemeneGegevens.streetGeometry);
    if (path.empty()) {
        return std::nullopt;
    }
    StreetGeometryRead read = ReadStreetGeometry(path);
    if (!read.geometry) {
        ErrorNotice(prompter, read.error);
        return std::nullopt;
    }
    StreetMap map = JoinStreetMap(std::move(*read.geometry), sections, survey.SectiesList);
    if (const std::string notice = UnmatchedFeaturesText(map); !notice.empty()) {
        InformationNotice(prompter, notice);
    }
    return map;
}

}  // namespace tavoric
