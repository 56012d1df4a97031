// SPDX-License-Identifier: GPL-3.0-or-later
// Options with a fixed set of words take the English and the Dutch word in either language; the
// help and the messages name the words of the chosen language.
#include "cli/option_values.h"

#include <gtest/gtest.h>

#include <fstream>

#include "charts/chart_images.h"
#include "charts/chart_texts.h"
#include "charts/survey_comparison.h"
#include "cli/cli_language.h"
#include "cli_test_support.h"
#include "core/message_texts.h"
#include "core/settings.h"
#include "lang/language_files.h"

namespace tavoric {
namespace {

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";
const std::string kDemoStreets = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.geojson";

class OptionValuesTest : public ToolFolderTest {
protected:
    void TearDown() override {
        SetDefaultMessageTexts();
        SetFixedTexts(kDutch);
        ProgramLanguageFiles() = LanguageFiles();
        ToolFolderTest::TearDown();
    }
    void ChooseEnglish() {
        ProgramSettings settings = DefaultSettings("/tmp/");
        settings.language = "English";
        const std::string settingsPath = PathOf("Tavoric.ini");
        std::ofstream(settingsPath, std::ios::binary) << SettingsFileText(settings);
        FollowLanguageSetting(settingsPath, TAVORIC_PROGRAM_DATA);
    }
    // The file that the command writes to the path of file, added as the last argument.
    std::string Output(std::vector<std::string> args, const std::string& file) {
        const std::string path = PathOf(file);
        args.push_back(path);
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, kExitOk) << run.err;
        return run.status == kExitOk ? FileContent(path) : "";
    }
};

TEST_F(OptionValuesTest, EnglishWordsAreTheNamesTheChartsKeep) {
    const EnumeratedOption& chart = EnumeratedOptionOf("chart", "--kind");
    ASSERT_EQ(chart.words.size(), AllChartKinds().size());
    for (std::size_t i = 0; i < chart.words.size(); ++i) {
        EXPECT_EQ(chart.words[i].english, ChartKindName(AllChartKinds()[i]));
    }
    const EnumeratedOption& compare = EnumeratedOptionOf("compare", "--kind");
    ASSERT_EQ(compare.words.size(), AllComparisonKinds().size());
    for (std::size_t i = 0; i < compare.words.size(); ++i) {
        EXPECT_EQ(compare.words[i].english, ComparisonKindName(AllComparisonKinds()[i]));
    }
}

TEST_F(OptionValuesTest, EitherLanguagesWordGivesTheSameOutputInEitherLanguage) {
    for (const bool english : {false, true}) {
        if (english) {
            ChooseEnglish();
        }
        EXPECT_EQ(Output({"chart", kDemo, "--kind", "secties", "--csv"}, "nl.csv"),
                  Output({"chart", kDemo, "--kind", "sections", "--csv"}, "en.csv"));
        EXPECT_EQ(Output({"chart", kDemo, "--kind", "motief-secties", "--csv"}, "nl.csv"),
                  Output({"chart", kDemo, "--kind", "motive-sections", "--csv"}, "en.csv"));
        EXPECT_EQ(Output({"compare", kDemo, kDemo, "--kind", "parkeerduur", "--csv"}, "nl.csv"),
                  Output({"compare", kDemo, kDemo, "--kind", "durations", "--csv"}, "en.csv"));
        const std::string dutchLists =
            Output({"input", kDemo, "--include", "secties,kentekens", "--txt"}, "nl.txt");
        EXPECT_EQ(dutchLists,
                  Output({"input", kDemo, "--include", "sections,plates", "--txt"}, "en.txt"));
        EXPECT_NE(dutchLists, Output({"input", kDemo, "--include", "sections", "--txt"}, "s.txt"));
    }
}

TEST_F(OptionValuesTest, MapMeasureInEitherLanguage) {
    if (!ChartDrawing::Available()) {
        GTEST_SKIP() << "drawings need the desktop libraries";
    }
    const auto drawn = [&](const std::string& measure, const std::string& file) {
        return Output({"map", kDemo, "--geometry", kDemoStreets, "--measure", measure, "--svg"},
                      file);
    };
    const std::string peak = drawn("peak", "en.svg");
    EXPECT_EQ(peak, drawn("piek", "nl.svg"));
    EXPECT_EQ(drawn("occupancy", "en.svg"), drawn("bezetting", "nl.svg"));
    EXPECT_NE(peak, drawn("occupancy", "en.svg"));
}

// The usage lists the words of the chosen language and the explanation names each of them.
void ExpectHelpNamesTheChosenWords(bool english) {
    for (const EnumeratedOption& option : EnumeratedOptions()) {
        const std::string help = RunTool({"help", std::string(option.command)}).out;
        EXPECT_NE(help.find(std::string(option.option) + " " + ChosenWords(option, "|")),
                  std::string::npos)
            << help;
        const std::string explanation = help.substr(help.find("\n\n"));
        for (const OptionWord& word : option.words) {
            const std::string_view chosen = english ? word.english : word.dutch;
            EXPECT_NE(explanation.find(chosen), std::string::npos)
                << option.command << " " << chosen;
        }
    }
}

TEST_F(OptionValuesTest, HelpAndMessagesNameTheWordsOfTheChosenLanguage) {
    EXPECT_NE(RunTool({"help", "chart"})
                  .out.find("--kind bezetting|secties|parkeerduur|motief|matrix|motief-secties "),
              std::string::npos);
    EXPECT_NE(RunTool({"chart", kDemo, "--kind", "taart", "--csv", PathOf("a.csv")})
                  .err.find("\"taart\": kies uit bezetting, secties, parkeerduur, motief, matrix, "
                            "motief-secties."),
              std::string::npos);
    ExpectHelpNamesTheChosenWords(false);

    ChooseEnglish();
    EXPECT_NE(RunTool({"help", "map"}).out.find("[--measure occupancy|peak]"), std::string::npos);
    EXPECT_NE(RunTool({"input", kDemo, "--include", "kaart"})
                  .err.find("\"kaart\" with --include; possible parts are routes, sections, "
                            "places, plates."),
              std::string::npos);
    ExpectHelpNamesTheChosenWords(true);
}

}  // namespace
}  // namespace tavoric
