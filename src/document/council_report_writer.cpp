// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the files of the council report, the same for tavoric-cli and the desktop program.
#include "core/message_texts.h"
#include "document/document_files.h"

namespace tavoric {

bool DocumentDrawing::Write(const CouncilReportFiles& files, const CouncilFigures& figures,
                            const CouncilReportContext& context, const StreetMap* map,
                            Prompter& prompter, const FileWriter& writeFile) const {
    if (files.summaryCsv && !writeFile(*files.summaryCsv, SummaryCsv(Summarise(figures)))) {
        return false;
    }
    if (!files.pdf && !files.odt) {
        return true;
    }
    const CouncilDocument document = BuildCouncilDocument(figures, context);
    const struct {
        const std::optional<std::string>& path;
        std::optional<std::string> (DocumentDrawing::*make)(const CouncilDocument&,
                                                            const CouncilFigures&,
                                                            const StreetMap*) const;
    } outputs[] = {{files.pdf, &DocumentDrawing::Pdf}, {files.odt, &DocumentDrawing::Odt}};
    for (const auto& output : outputs) {
        if (!output.path) {
            continue;
        }
        const std::optional<std::string> bytes = (this->*output.make)(document, figures, map);
        if (!bytes) {
            ErrorNotice(prompter, MessageText("AA00903"));
            return false;
        }
        if (!writeFile(*output.path, *bytes)) {
            return false;
        }
    }
    return true;
}

}  // namespace tavoric
