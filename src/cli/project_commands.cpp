// The project commands of tavoric-cli: info, save and demo.
#include <charconv>
#include <cstdint>
#include <optional>

#include "core/settings.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "core/backups.h"
#include "core/codec.h"
#include "core/demo_survey.h"
#include "core/message_texts.h"
#include "core/project_file.h"
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
    PrintLine("Onderzoeksgebied: " + values.surveyArea);
    PrintLine(FormatText(MessageText("AA00014"), {values.startTime, values.endTime}));
    PrintLine("Aantal routes: " + std::to_string(survey.RoutesList.size()));
    PrintLine("Aantal secties: " + std::to_string(survey.SectiesList.size()));
    PrintLine("Aantal parkeerplaatsen: " + std::to_string(survey.ParkeerplaatsenList.size()));
    PrintLine("Aantal PPE: " + std::to_string(survey.KentekensList.size()));
    return kExitOk;
}

int WriteSurvey(Survey& survey, const std::string& path) {
    CliPrompter prompter;
    return WriteProjectFile(survey, path, prompter) ? kExitOk : kExitFileError;
}

// Saving a project over itself makes the backups first, as the desktop program does.
int Save(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        return UsageError("save");
    }
    Survey survey;
    if (!OpenSurvey(args[0], survey)) {
        return kExitFileError;
    }
    if (SameFile(args[0], args[1])) {
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
        } else if (outPath.empty() && !word.starts_with("-")) {
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
    return {"info",
            "Toont onderzoeksgebied, onderzoeksperiode en het aantal routes, secties, "
            "parkeerplaatsen en PPE van een project.",
            "info PROJECT.par", Info};
}

CliCommand SaveCommand() {
    return {"save",
            "Leest een project en schrijft het zoals Tavoric het opslaat (om bestanden van "
            "andere programma's gelijk te trekken).",
            "save IN.par UIT.par", Save};
}

CliCommand DemoCommand() {
    return {"demo",
            "Schrijft een realistisch voorbeeldproject: routes met verschillende intervallen, "
            "straten, alle parkeerplaatstypen en kentekens die komen, blijven, terugkomen, fout "
            "parkeren of een plaats blokkeren. Zelfde seed, zelfde project. --places N: aantal "
            "parkeerplaatsen, 1 tot en met 200000, standaard 200 (20000 geeft ongeveer een "
            "miljoen PPE); --seed S: startgetal, standaard 1.",
            "demo UIT.par [--places N] [--seed S]", Demo};
}

}  // namespace tavoric
