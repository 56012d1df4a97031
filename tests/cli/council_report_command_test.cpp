// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "analysis_test_support.h"
#include "cli_test_support.h"
#include "core/csv.h"
#include "core/message_texts.h"
#include "core/scripted_prompter.h"
#include "document/document_files.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";
const std::string kDemoStreets = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.geojson";

using CouncilReportCommandTest = ToolFolderTest;
using Records = std::vector<std::vector<std::string>>;

Records CsvRecords(const std::string& csv) {
    CsvReader reader(csv, ',');
    Records records;
    std::vector<std::string> fields;
    while (reader.Next(fields)) {
        records.push_back(fields);
    }
    return records;
}

// What a command line prints on its standard output.
std::string OutputOf(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) {
            output.append(buffer, read);
        }
        ::pclose(pipe);
    }
    return output;
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

// pdftotext and odt2txt break lines where they like: compare on single blanks.
std::string Words(std::string text) {
    std::string words;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\f' || c == '\t';
        if (!blank) {
            words += c;
        } else if (!words.empty() && words.back() != ' ') {
            words += ' ';
        }
    }
    return words;
}

// The key figures from per-place, chart and motive for the same selection; the motive bounds
// go to motive alone.
std::map<std::string, std::string> FiguresOfOtherCommands(const std::string& project,
                                                          const std::vector<std::string>& selection,
                                                          const std::vector<std::string>& bounds,
                                                          const std::string& folder) {
    const auto run = [&](std::vector<std::string> args, bool motive = false) {
        args.insert(args.begin() + 1, project);
        for (const std::string& option : selection) {
            // motive counts vehicles, not capacity: it takes no illegal-place options
            if (!motive || !option.starts_with("--exclude-illegal")) {
                args.push_back(option);
            }
        }
        if (motive) {
            args.insert(args.end(), bounds.begin(), bounds.end());
        }
        const ToolRun result = RunTool(args);
        EXPECT_EQ(result.status, kExitOk) << result.err;
    };
    run({"per-place", "--txt", folder + "/p.txt", "--table-csv", folder + "/p.csv"});
    run({"chart", "--kind", "occupancy", "--csv", folder + "/o.csv"});
    run({"chart", "--kind", "sections", "--csv", folder + "/s.csv"});
    run({"motive", "--txt", folder + "/m.txt", "--totals-csv", folder + "/m.csv"}, true);
    std::map<std::string, std::string> figures;
    const Records places = CsvRecords(FileContent(folder + "/p.csv"));
    for (std::size_t c = 0; c < places.front().size(); ++c) {
        figures[places.front()[c]] = places.back()[c];
    }
    std::replace(figures["turnover"].begin(), figures["turnover"].end(), '.', ',');
    int peak = -1;
    for (const auto& row : CsvRecords(FileContent(folder + "/o.csv"))) {
        if (row[0] != "tijdstip" && std::stoi(row[3]) > peak) {
            peak = std::stoi(row[3]);
            figures["piek_tijdstip"] = row[0];
        }
    }
    figures["piek_bezetting"] = std::to_string(peak);
    const Records sections = CsvRecords(FileContent(folder + "/s.csv"));
    figures["secties"] = std::to_string(sections.size() - 1);
    figures["secties_boven_norm"] =
        std::to_string(std::count_if(sections.begin() + 1, sections.end(),
                                     [](const auto& row) { return std::stoi(row[7]) > 85; }));
    const Records motives = CsvRecords(FileContent(folder + "/m.csv"));
    figures["bewoners_procent"] = motives[1][2];
    figures["werknemers_procent"] = motives[2][2];
    figures["bezoekers_procent"] = motives[3][2];
    return figures;
}

TEST_F(CouncilReportCommandTest, SummaryEqualsPerPlaceChartAndMotiveOverGeneratedSurveys) {
    struct Options {
        std::vector<std::string> selection;
        std::vector<std::string> bounds;
    };
    const Options runs[] = {
        {{}, {}},
        {{"--routes", "0001", "--exclude-illegal-ppl", "--exclude-illegal-ppe"}, {}},
        {{"--from", "0800", "--to", "1200"}, {"--morning", "0900", "--commuter-minutes", "120"}},
    };
    const std::map<std::string, const char*> sameAs = {
        {"parkeerplaatsen", "capaciteit_ppl"},
        {"capaciteit_ppe", "capaciteit_ppe"},
        {"voertuigen", "voertuigen"},
        {"gemiddelde_bezetting", "bezetting"},
        {"gemiddelde_parkeerduur", "parkeerduur"},
        {"turnover", "turnover"},
        {"fout_geparkeerd", "fout_geparkeerd"},
    };
    for (const char* seed : {"2", "9"}) {
        const std::string project = PathOf(std::string("demo") + seed + ".par");
        ASSERT_EQ(RunTool({"demo", project, "--places", "150", "--seed", seed}).status, kExitOk);
        for (const Options& options : runs) {
            std::vector<std::string> args = {"rapport", project, "--summary-csv", PathOf("k.csv")};
            args.insert(args.end(), options.selection.begin(), options.selection.end());
            args.insert(args.end(), options.bounds.begin(), options.bounds.end());
            const ToolRun run = RunTool(args);
            ASSERT_EQ(run.status, kExitOk) << run.err;
            const std::string csv = FileContent(PathOf("k.csv"));
            const Records summary = CsvRecords(csv);
            ASSERT_EQ(summary.size(), 15u);
            EXPECT_EQ(csv.rfind("kenmerk,waarde\r\nparkeerplaatsen,", 0), 0u);
            std::map<std::string, std::string> expected = FiguresOfOtherCommands(
                project, options.selection, options.bounds, folder_.string());
            for (std::size_t r = 1; r < summary.size(); ++r) {
                const std::string& name = summary[r][0];
                const std::string other = sameAs.count(name) ? sameAs.at(name) : name;
                EXPECT_EQ(summary[r][1], expected[other]) << seed << " " << name;
            }
        }
    }
}

TEST_F(CouncilReportCommandTest, WrongUseWritesNothing) {
    const std::string pdf = PathOf("rapport.pdf");
    const std::string csv = PathOf("k.csv");
    const std::vector<std::vector<std::string>> wrongs = {
        {"rapport", kDemo},                                    // no output
        {"rapport", kDemo, "--pdf", pdf, "--odt", pdf},        // one file twice
        {"rapport", kDemo, "--summary-csv", kDemo},            // over the project
        {"rapport", kDemo, "--pdf", pdf, "--geometry", pdf},   // over the streets
        {"rapport", kDemo, "--pdf", pdf, "--routes", "9999"},  // unknown route
        {"rapport", kDemo, "--pdf", pdf, "--detail"},          // an option of interval
        {"rapport", kDemo, "--pdf", pdf, "--morning", "x7"},   // not a time
        {"rapport", kDemo, "--summary-csv"},                   // no file name
        {"rapport", kDemo, "--pdf", pdf, "--pdf", PathOf("b.pdf")},
    };
    for (const auto& args : wrongs) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, kExitUsage) << args.back();
        EXPECT_FALSE(run.err.empty()) << args.back();
        EXPECT_FALSE(fs::exists(pdf)) << args.back();
        EXPECT_FALSE(fs::exists(csv)) << args.back();
    }
    if (!DocumentDrawing::Available()) {
        return;  // a build without drawing refuses --pdf before it reads the streets
    }
    const ToolRun unreadable =
        RunTool({"rapport", kDemo, "--geometry", PathOf("geen.geojson"), "--pdf", pdf});
    EXPECT_EQ(unreadable.status, kExitFileError);
    EXPECT_NE(unreadable.err.find("geen.geojson"), std::string::npos) << unreadable.err;
    EXPECT_FALSE(fs::exists(pdf));
}

// Every heading, the key figures and the sentences made of them, in the PDF and in the ODT.
TEST_F(CouncilReportCommandTest, PdfAndOdtHoldTheWholeSurvey) {
    if (!DocumentDrawing::Available()) {
        GTEST_SKIP() << "a build without drawing makes no documents";
    }
    const std::string pdf = PathOf("rapport.pdf");
    const std::string odt = PathOf("rapport.odt");
    const std::string csv = PathOf("kerncijfers.csv");
    const ToolRun run = RunTool({"rapport", kDemo, "--geometry", kDemoStreets, "--pdf", pdf,
                                 "--odt", odt, "--summary-csv", csv});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(FileContent(pdf).substr(0, 5), "%PDF-");
    const std::string pdfText = Words(OutputOf("pdftotext -enc UTF-8 " + Quoted(pdf) + " -"));
    const std::string odtText = Words(OutputOf("odt2txt --encoding=UTF-8 " + Quoted(odt)));
    const std::vector<std::string> headings = {"Parkeeronderzoek",
                                               "Samenvatting",
                                               "Kaart",
                                               "Bezetting over de dag",
                                               "Straat en tijd",
                                               "Parkeerdruk per sectie",
                                               "Parkeerduur",
                                               "Parkeermotief",
                                               "Methode",
                                               "Bijlagen",
                                               "Bijlage A: parkeerduurmeting per parkeerplaats",
                                               "Bijlage B: aantekeningen"};
    for (const std::string& heading : headings) {
        EXPECT_NE(pdfText.find(heading), std::string::npos) << heading;
        EXPECT_NE(odtText.find(heading), std::string::npos) << heading;
    }
    const Records summary = CsvRecords(FileContent(csv));
    const auto value = [&summary](const char* name) {
        for (const auto& row : summary) {
            if (row[0] == name) {
                return row[1];
            }
        }
        return std::string("?");
    };
    for (const std::string& text :
         {"Gemiddelde parkeerduur (minuten) " + value("gemiddelde_parkeerduur"),
          "Turnover (voertuigen per plaats) " + value("turnover"),
          "De hoogste bezetting van het gebied is " + value("piek_bezetting") + " % om " +
              value("piek_tijdstip") + "; " + value("secties_boven_norm") + " van de " +
              value("secties") + " secties komen boven de norm van 85 %.",
          "In totaal zijn " + value("voertuigen") + " voertuigen geteld op " +
              value("parkeerplaatsen") + " parkeerplaatsen",
          "Van de voertuigen is " + value("bewoners_procent") + " % bewoner, " +
              value("werknemers_procent") + " % werknemer en " + value("bezoekers_procent") +
              " % bezoeker."}) {
        EXPECT_NE(pdfText.find(text), std::string::npos) << text;
        EXPECT_NE(odtText.find(text), std::string::npos) << text;
    }
    EXPECT_NE(pdfText.find("Pagina 1 van "), std::string::npos);
    // The six charts and the map as pictures in the package, the tables as real tables.
    const std::string package = OutputOf("unzip -l " + Quoted(odt));
    std::size_t pictures = 0;
    for (std::size_t at = package.find("Pictures/"); at != std::string::npos;
         at = package.find("Pictures/", at + 1)) {
        ++pictures;
    }
    EXPECT_EQ(pictures, 7u) << package;
    const std::string content = OutputOf("unzip -p " + Quoted(odt) + " content.xml");
    EXPECT_NE(content.find("<table:table "), std::string::npos);
}

// Without a street file the map chapter is left out and the summary says how to add it.
TEST_F(CouncilReportCommandTest, WithoutStreetsTheSummarySaysHowToAddTheMap) {
    if (!DocumentDrawing::Available()) {
        GTEST_SKIP() << "a build without drawing makes no documents";
    }
    const std::string odt = PathOf("rapport.odt");
    const ToolRun run = RunTool({"rapport", kDemo, "--odt", odt});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const std::string text = Words(OutputOf("odt2txt --encoding=UTF-8 " + Quoted(odt)));
    EXPECT_NE(text.find("Dit rapport heeft geen kaart"), std::string::npos);
    EXPECT_EQ(text.find("Kaart "), std::string::npos);
    EXPECT_NE(text.find("Straat en tijd"), std::string::npos);
}

// With --compare the report gets the comparison chapter with B's name, its table and its two
// charts; surveys without a common section are refused before anything is written.
TEST_F(CouncilReportCommandTest, CompareAddsTheComparisonChapter) {
    const std::string b = PathOf("na.par");
    ASSERT_EQ(RunTool({"demo", b, "--seed", "7", "--places", "90"}).status, kExitOk);
    const std::string csv = PathOf("kerncijfers.csv");
    const std::string odt = PathOf("rapport.odt");
    const std::vector<std::vector<std::string>> refused = {
        {"rapport", kDemo, "--compare", b, "--summary-csv", b},  // output over B
        {"rapport", "--compare", b, "--summary-csv", csv},       // no project A
    };
    for (const auto& args : refused) {
        EXPECT_EQ(RunTool(args).status, kExitUsage) << args[3];
    }
    Survey elsewhere = SurveyBuilder("0800", "0900")
                           .Route("0009", 30)
                           .Place("0009 0001 0001", "V", {"AA11BB", "AA11BB"})
                           .Build();
    const std::string other = PathOf("elders.par");
    ScriptedPrompter prompter;
    ASSERT_TRUE(WriteProjectFile(elsewhere, other, prompter));
    const ToolRun apart = RunTool({"rapport", kDemo, "--compare", other, "--summary-csv", csv});
    EXPECT_EQ(apart.status, kExitFileError);
    EXPECT_NE(apart.err.find("geen sectie gemeen"), std::string::npos) << apart.err;
    EXPECT_FALSE(fs::exists(csv));
    if (!DocumentDrawing::Available()) {
        return;
    }
    const ToolRun run = RunTool({"rapport", kDemo, "--compare", b, "--odt", odt});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const std::string text = Words(OutputOf("odt2txt --encoding=UTF-8 " + Quoted(odt)));
    EXPECT_NE(text.find("Vergelijking met een andere meting"), std::string::npos);
    EXPECT_NE(text.find("is vergeleken met na.par (B, "), std::string::npos);
    EXPECT_NE(text.find("Bez. A % Bez. B % Verschil"), std::string::npos) << text;
    const std::string package = OutputOf("unzip -l " + Quoted(odt));
    std::size_t pictures = 0;
    for (std::size_t at = package.find("Pictures/"); at != std::string::npos;
         at = package.find("Pictures/", at + 1)) {
        ++pictures;
    }
    EXPECT_EQ(pictures, 8u) << package;  // six charts and the two of the comparison
}

}  // namespace
}  // namespace tavoric
