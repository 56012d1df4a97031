// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli pseudonymise: a copy of a project in which every plate is a code.
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_prompter.h"
#include "cli/command_input.h"
#include "cli/commands.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/settings.h"
#include "core/text.h"
#include "privacy/pseudonymise.h"

namespace tavoric {

namespace {

struct PseudonymiseArguments {
    std::string inPath;
    std::string keyFile;  // empty: the key in the user's settings folder
    PseudonymiseRequest request;
};

// Sets a flag that may be given once; false with a message when it was given before.
bool TakeFlag(bool& flag, const std::string& option) {
    if (flag) {
        PrintError(FormatText(MessageText("AA00222"), {Utf8ToCp1252(option)}));
        return false;
    }
    flag = true;
    return true;
}

std::optional<PseudonymiseArguments> ParseArguments(const std::vector<std::string>& args) {
    PseudonymiseArguments parsed;
    std::vector<std::string> files;
    bool keyFileGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        PseudonymiseOptions& options = parsed.request.options;
        bool taken = true;
        if (word == "--clear-observers") {
            taken = TakeFlag(options.clearObservers, word);
        } else if (word == "--clear-notes") {
            taken = TakeFlag(options.clearNotes, word);
        } else if (word == "--key-file") {
            if (i + 1 >= args.size()) {
                PrintError(FormatText(MessageText("AA00221"), {word}));
                return std::nullopt;
            }
            taken = TakeFlag(keyFileGiven, word);
            parsed.keyFile = args[++i];
        } else if (files.size() == 2 ||
                   (word.starts_with("-") && !(word == kStandardInputName && files.empty()))) {
            // "-" is standard input only as IN.par: the copy is always a file.
            taken = false;
        } else {
            files.push_back(word);
        }
        if (!taken) {
            return std::nullopt;
        }
    }
    if (files.size() != 2) {
        return std::nullopt;
    }
    parsed.inPath = files[0];
    parsed.request.outPath = files[1];
    return parsed;
}

int Pseudonymise(const std::vector<std::string>& args) {
    std::optional<PseudonymiseArguments> parsed = ParseArguments(args);
    if (!parsed) {
        return UsageError("pseudonymise");
    }
    PseudonymiseRequest& request = parsed->request;
    if (parsed->keyFile.empty()) {
        const std::string folder = ApplicationDataFolder("");
        if (folder.empty()) {
            PrintError(MessageText("AA00568"));
            return kExitFileError;
        }
        request.keyPath = PseudonymKeyPath(SettingsFilePath(folder));
        request.createKeyIfMissing = true;
    } else {
        request.keyPath = parsed->keyFile;
    }
    Survey survey;
    if (!OpenSurvey(parsed->inPath, survey)) {
        return kExitFileError;
    }
    CliPrompter prompter;
    const std::optional<PseudonymiseSummary> summary =
        WritePseudonymisedCopy(survey, request, prompter);
    if (!summary) {
        return kExitFileError;
    }
    for (const std::string& line : SummaryLines(*summary)) {
        PrintLine(line);
    }
    return kExitOk;
}

}  // namespace

CliCommand PseudonymiseCommand() {
    return {"pseudonymise", "AA00444", "AA00445", Pseudonymise};
}

}  // namespace tavoric
