// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/council_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/scripted_prompter.h"
#include "document/council_report_files.h"

namespace tavoric {
namespace {

CouncilFigures SomeFigures() {
    CouncilFigures figures;
    figures.charts.threshold = 80;
    figures.charts.occupancy = {{"0900", 540, 10, 9, 90}};
    SectionPressure section;
    section.route = "0001";
    section.section = "0002";
    section.description = "Kerkstraat";
    section.peak = 90;
    figures.charts.sections = {section};
    figures.perPlace.places.push_back({"0001", "0002", "0003", "V", {}});
    figures.perPlace.totals.vehicles = 7;
    return figures;
}

CouncilReportContext SomeContext() {
    CouncilReportContext context;
    context.general.surveyArea = "Centrum Zwolle  ";
    context.general.dayAndDate = "Dinsdag 12 maart";
    context.general.reportText1 = "Opdrachtgever: Gemeente Zwolle";
    context.madeOn = "10-12-2026";
    context.parameters.classes = {{{0, 30}, {30, 60}, {60, 120}, {120, 240}, {240, 1440}}};
    return context;
}

std::vector<std::string> TextsOf(const CouncilDocument& document, BlockKind kind) {
    std::vector<std::string> texts;
    for (const DocumentBlock& block : document.blocks) {
        if (block.kind == kind) {
            texts.push_back(block.text);
        }
    }
    return texts;
}

bool HasText(const CouncilDocument& document, const std::string& part) {
    for (const DocumentBlock& block : document.blocks) {
        if (block.text.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(CouncilDocumentTest, ChaptersInTheOrderOfTheReportWithTheMapOnlyWhenStreetsAreKnown) {
    CouncilReportContext context = SomeContext();
    context.hasMap = true;
    const CouncilDocument withMap = BuildCouncilDocument(SomeFigures(), context);
    EXPECT_EQ(TextsOf(withMap, BlockKind::Heading),
              (std::vector<std::string>{
                  "Samenvatting", "Kaart", "Bezetting over de dag", "Straat en tijd",
                  "Parkeerdruk per sectie", "Parkeerduur", "Parkeermotief", "Methode", "Bijlagen",
                  "Bijlage A: parkeerduurmeting per parkeerplaats", "Bijlage B: aantekeningen"}));
    EXPECT_FALSE(HasText(withMap, "geen kaart"));
    EXPECT_EQ(std::count_if(withMap.blocks.begin(), withMap.blocks.end(),
                            [](const DocumentBlock& b) { return b.kind == BlockKind::Map; }),
              1);

    context.hasMap = false;
    const CouncilDocument withoutMap = BuildCouncilDocument(SomeFigures(), context);
    const std::vector<std::string> headings = TextsOf(withoutMap, BlockKind::Heading);
    EXPECT_EQ(std::find(headings.begin(), headings.end(), "Kaart"), headings.end());
    EXPECT_TRUE(HasText(withoutMap, "Dit rapport heeft geen kaart"));
    for (const DocumentBlock& block : withoutMap.blocks) {
        EXPECT_NE(block.kind, BlockKind::Map);
    }
}

TEST(CouncilDocumentTest, CoverAndSummarySpeakOfThisSurvey) {
    const CouncilDocument document = BuildCouncilDocument(SomeFigures(), SomeContext());
    EXPECT_EQ(document.pageHeader, "Centrum Zwolle");
    EXPECT_EQ(document.blocks.front().text, "Parkeeronderzoek");
    EXPECT_EQ(document.blocks[1].text, "Centrum Zwolle");
    const std::vector<std::string> cover = TextsOf(document, BlockKind::CoverLine);
    EXPECT_EQ(cover[0], "Dinsdag 12 maart");
    EXPECT_EQ(cover[1], "Opdrachtgever: Gemeente Zwolle");
    EXPECT_EQ(cover[2], "Gemaakt op 10-12-2026");  // empty client line and organisation left out
    EXPECT_EQ(cover[3].rfind("Tavoric versie ", 0), 0u);
    EXPECT_TRUE(HasText(document,
                        "De hoogste bezetting van het gebied is 90 % om 0900; 1 van "
                        "de 1 secties komen boven de norm van 80 %."));
    EXPECT_TRUE(HasText(document, "In totaal zijn 7 voertuigen geteld"));
    EXPECT_TRUE(HasText(document, "0-30, 30-60, 60-120, 120-240, 240-1440"));
    EXPECT_TRUE(HasText(document, "Er zijn geen aantekeningen."));
    // The key figures table holds every summary row, the appendix every place and the total.
    const DocumentBlock& keyFigures =
        *std::find_if(document.blocks.begin(), document.blocks.end(),
                      [](const DocumentBlock& b) { return b.kind == BlockKind::Table; });
    ASSERT_EQ(keyFigures.table.rows.size(), 14u);
    EXPECT_EQ(keyFigures.table.rows[7], (std::vector<std::string>{"Hoogste bezetting (%)", "90"}));
    const DocumentTable& places =
        std::find_if(document.blocks.rbegin(), document.blocks.rend(), [](const DocumentBlock& b) {
            return b.kind == BlockKind::Table;
        })->table;
    EXPECT_TRUE(places.wide);
    ASSERT_EQ(places.rows.size(), 2u);
    EXPECT_EQ(places.header.size(), 22u);
    EXPECT_EQ(places.rows[1][0], "Totaal");
    for (const auto& row : places.rows) {
        EXPECT_EQ(row.size(), places.header.size());
    }
}

TEST(CouncilDocumentTest, NoObservationsSayThereIsNoPeak) {
    const CouncilDocument document = BuildCouncilDocument(CouncilFigures{}, SomeContext());
    EXPECT_TRUE(HasText(document, "De selectie heeft geen waarnemingen"));
    EXPECT_FALSE(HasText(document, "De hoogste bezetting"));
}

// With survey B the comparison chapter comes after the figures and before the method: the
// sections of either side with a dash where a side has no figure, both day curves and the
// paired durations.
TEST(CouncilDocumentTest, ComparisonChapterOnlyWhenComparedWithAnotherSurvey) {
    CouncilFigures figures = SomeFigures();
    EXPECT_EQ(TextsOf(BuildCouncilDocument(figures, SomeContext()), BlockKind::Heading).size(),
              10u);
    ChartData a = figures.charts;
    a.dayAndDate = "Dinsdag 12 maart";
    a.sections.front().observed = true;
    a.sections.front().occupancy = 70;
    ChartData b = a;
    b.dayAndDate = "Zaterdag 16 maart";
    b.sections.front().occupancy = 74;
    b.sections.front().peak = 85;
    SectionPressure onlyInB = b.sections.front();
    onlyInB.section = "0005";
    onlyInB.description = "Molenweg";
    b.sections.push_back(onlyInB);
    figures.comparison = CouncilComparison{CompareChartData(a, b), "Zaterdag.par"};
    const CouncilDocument document = BuildCouncilDocument(figures, SomeContext());

    const std::vector<std::string> headings = TextsOf(document, BlockKind::Heading);
    const auto chapter =
        std::find(headings.begin(), headings.end(), "Vergelijking met een andere meting");
    ASSERT_NE(chapter, headings.end());
    EXPECT_EQ(*(chapter - 1), "Parkeermotief");
    EXPECT_EQ(*(chapter + 1), "Methode");
    EXPECT_TRUE(HasText(document,
                        "Deze meting (A, Dinsdag 12 maart) is vergeleken met "
                        "Zaterdag.par (B, Zaterdag 16 maart)"));
    const auto heading = std::find_if(document.blocks.begin(), document.blocks.end(),
                                      [](const DocumentBlock& block) {
                                          return block.text == "Vergelijking met een andere meting";
                                      });
    const DocumentTable& table = (heading + 2)->table;
    ASSERT_EQ((heading + 2)->kind, BlockKind::Table);
    EXPECT_EQ(table.header.size(), 11u);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0], (std::vector<std::string>{"0001", "0002", "Kerkstraat", "0", "0", "70",
                                                       "74", "+4", "90", "85", "-5"}));
    EXPECT_EQ(table.rows[1], (std::vector<std::string>{"0001", "0005", "Molenweg", "-", "0", "-",
                                                       "74", "-", "-", "85", "-"}));
    EXPECT_EQ((heading + 3)->kind, BlockKind::ComparisonChart);
    EXPECT_EQ((heading + 3)->comparison, ComparisonKind::Occupancy);
    EXPECT_EQ((heading + 4)->comparison, ComparisonKind::Durations);
}

TEST(CouncilReportFilesTest, EachChosenFileIsAskedWithItsExtensionAndReplacedOnlyWhenAgreed) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "h31-files";
    std::filesystem::create_directories(folder);
    const std::string existing = (folder / "oud.odt").string();
    std::ofstream(existing) << "x";
    ScriptedPrompter prompter;
    prompter.QueueFileName((folder / "raad").string());
    prompter.QueueFileName(existing);
    prompter.QueueAnswer(kYes);
    const std::optional<CouncilReportFiles> files =
        AskCouncilReportFiles({true, true, false}, "Onderzoeksrapport", prompter);
    ASSERT_TRUE(files);
    EXPECT_EQ(files->pdf, (folder / "raad.pdf").string());
    EXPECT_EQ(files->odt, existing);
    EXPECT_FALSE(files->summaryCsv);
    EXPECT_EQ(prompter.fileRequests()[0].presetName, "Onderzoeksrapport.pdf");
    EXPECT_EQ(prompter.fileRequests()[1].filter, "OpenDocument-tekst (*.odt)|*.odt");

    ScriptedPrompter refusing;
    refusing.QueueFileName(existing);
    refusing.QueueAnswer(kNo);
    EXPECT_FALSE(AskCouncilReportFiles({false, true, true}, "R", refusing));
    ScriptedPrompter stopping;
    stopping.QueueFileName((folder / "raad.pdf").string());
    EXPECT_FALSE(AskCouncilReportFiles({true, false, true}, "R", stopping));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tavoric
