// SPDX-License-Identifier: GPL-3.0-or-later
// The project commands of tavoric-cli: info, save and demo.
#include <charconv>
#include <cstdint>
#include <optional>

#include "cli/cli_prompter.h"
#include "cli/command_input.h"
#include "cli/commands.h"
#include "cli/report_output.h"
#include "core/backups.h"
#include "core/codec.h"
#include "core/demo_survey.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/settings.h"
#include "core/text.h"

namespace tavoric {

namespace {

int Info(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return UsageError("info");
    }
    Survey survey;
    if (!OpenSurvey(args[0], survey)) {
        return kExitFileError;
    }
    const GeneralValues& values = survey.AlgemeneGegevens;
    const auto line = [](const char* key, const std::string& value) {
        PrintLine(FormatText(MessageText(key), {value}));
    };
    line("AA00433", values.surveyArea);
    PrintLine(FormatText(MessageText("AA00014"), {values.startTime, values.endTime}));
    line("AA00434", std::to_string(survey.RoutesList.size()));
    line("AA00435", std::to_string(survey.SectiesList.size()));
    line("AA00436", std::to_string(survey.ParkeerplaatsenList.size()));
    line("AA00437", std::to_string(survey.KentekensList.size()));
    return kExitOk;
}

// "-" is standard output.
int WriteSurvey(Survey& survey, const std::string& path) {
    if (path == kStandardOutputName) {
        return WriteOutputFile(path, ProjectFileContent(survey)) ? kExitOk : kExitFileError;
    }
    CliPrompter prompter;
    return WriteProjectFile(survey, path, prompter) ? kExitOk : kExitFileError;
}

// Saving a project over itself makes the backups first, as the desktop program does, and is
// refused while a desktop program has it open. A project read from a stream is never saved in
// place: "save - -" passes it from standard input to standard output.
int Save(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        return UsageError("save");
    }
    const bool inPlace = !IsStreamInput(args[0]) && SameFile(args[0], args[1]);
    if (inPlace && ProjectInUse(args[1])) {
        return kExitFileError;
    }
    Survey survey;
    if (!OpenSurvey(args[0], survey)) {
        return kExitFileError;
    }
    if (inPlace) {
        RotateBackups(args[1], LoadBackupSettings());
    }
    return WriteSurvey(survey, args[1]);
}

// The value of a whole-number option within low..high, or a message on stderr.
template <typename Number>
std::optional<Number> OptionValue(const std::string& option, const std::string& text, Number low,
                                  Number high) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        PrintError(FormatText(MessageText("AA00241"), {Utf8ToCp1252(text), option,
                                                       std::to_string(low), std::to_string(high)}));
        return std::nullopt;
    }
    return value;
}

int Demo(const std::vector<std::string>& args) {
    DemoOptions options;
    std::string outPath;
    bool placesGiven = false;
    bool seedGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool hasValue = i + 1 < args.size();
        if ((word == "--places" && hasValue && !FirstTime(word, placesGiven)) ||
            (word == "--seed" && hasValue && !FirstTime(word, seedGiven))) {
            return UsageError("demo");
        }
        if (word == "--places" && hasValue) {
            const auto places = OptionValue(word, args[++i], 1, kMaxDemoPlaces);
            if (!places) {
                return kExitUsage;
            }
            options.places = *places;
        } else if (word == "--seed" && hasValue) {
            const auto seed = OptionValue<std::uint64_t>(word, args[++i], 0, UINT64_MAX);
            if (!seed) {
                return kExitUsage;
            }
            options.seed = *seed;
        } else if (outPath.empty() && (word == kStandardOutputName || !word.starts_with("-"))) {
            outPath = word;
        } else {
            return UsageError("demo");
        }
    }
    if (outPath.empty()) {
        return UsageError("demo");
    }
    Survey survey = MakeDemoSurvey(options);
    return WriteSurvey(survey, outPath);
}

}  // namespace

CliCommand InfoCommand() {
    return {"info", "AA00417", "AA00418", Info};
}

CliCommand SaveCommand() {
    return {"save", "AA00419", "AA00420", Save};
}

CliCommand DemoCommand() {
    return {"demo", "AA00421", "AA00422", Demo};
}

}  // namespace tavoric
