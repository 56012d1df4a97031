// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/export.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/atomic_file.h"
#include "core/scripted_prompter.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

ReportDocument ReportWithLines(const LineList& lines) {
    ReportDocument report(3, {});
    for (const std::string& line : lines) {
        report.AddReportLine(line);
    }
    return report;
}

std::string FileContent(const fs::path& path) {
    std::string content;
    EXPECT_TRUE(ReadWholeFile(path.string(), content));
    return content;
}

class ExportFiles : public ::testing::Test {
protected:
    void SetUp() override {
        // Unique per process: other builds may run the same test at the same time.
        folder_ = fs::temp_directory_path() /
                  ("tavoric-export-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    ScriptedPrompter prompter_;
};

TEST(ReportTextContent, KeepsEveryLineWithItsBlanksAndEndsEachWithCrLf) {
    const ReportDocument report = ReportWithLines({"\x97\x97", "Kop  ", "", "caf\xe9"});
    EXPECT_EQ(ReportTextContent(report), "\x97\x97\r\nKop  \r\n\r\ncaf\xe9\r\n");
    EXPECT_EQ(ReportTextContent(ReportWithLines({})), "");
}

// A long report goes out in blocks of at most 1 MiB that together are the text export; after a
// block that could not be written nothing more is written.
TEST(ReportLineWriter, HandsOnTheTextExportInBlocks) {
    const ReportDocument report =
        ReportWithLines(LineList(100000, "0001 0001 0001 0600-0630 \xe9"));
    std::vector<std::string> blocks;
    const ByteWriter collect = [&blocks](std::string_view block) {
        blocks.emplace_back(block);
        return true;
    };
    ReportLineWriter lines(collect);
    for (const std::string& line : report.Lines()) {
        lines.AddReportLine(line);
    }
    EXPECT_TRUE(lines.Finish());
    ASSERT_GT(blocks.size(), 2u);
    std::string joined;
    for (const std::string& block : blocks) {
        EXPECT_LE(block.size(), std::size_t{1} << 20);
        joined += block;
    }
    EXPECT_EQ(joined, ReportTextContent(report));

    int calls = 0;
    const ByteWriter failing = [&calls](std::string_view) {
        ++calls;
        return false;
    };
    ReportLineWriter refused(failing, "\n");
    for (const std::string& line : report.Lines()) {
        refused.AddReportLine(line);
    }
    EXPECT_FALSE(refused.Finish());
    EXPECT_EQ(calls, 1);
}

TEST(ReportCsvContent, QuotesEveryCellAndDoesNotDoubleQuotes) {
    ReportTable table;
    table.SetSize(3, 2);
    table.SetCell(0, 0, "Route ");
    table.SetCell(1, 0, "1,5");
    table.SetCell(0, 1, "zeg \"hoi\"");
    table.SetCell(2, 1, "   12");
    EXPECT_EQ(ReportCsvContent(table),
              "\"Route \",\"1,5\",\"\"\r\n"
              "\"zeg \"hoi\"\",\"\",\"   12\"\r\n");

    table.SetSize(1, 1);
    table.SetCell(0, 0, "");
    EXPECT_EQ(ReportCsvContent(table), "\"\"\r\n");
}

TEST(ExportFileName, AddsTheExtensionUnlessTheNameEndsInExactlyIt) {
    EXPECT_EQ(ExportFileName("Rapport 3", ExportFormat::Text), "Rapport 3.txt");
    EXPECT_EQ(ExportFileName("Rapport 3.txt", ExportFormat::Text), "Rapport 3.txt");
    EXPECT_EQ(ExportFileName("plan.TXT", ExportFormat::Text), "plan.TXT.txt");
    EXPECT_EQ(ExportFileName("plan.csv", ExportFormat::Text), "plan.csv.txt");
    EXPECT_EQ(ExportFileName("plan.txt", ExportFormat::Csv), "plan.txt.csv");
    EXPECT_EQ(ExportFileName("/tmp/map.v2/plan", ExportFormat::Csv), "/tmp/map.v2/plan.csv");
    EXPECT_EQ(ExportFileName("plan.", ExportFormat::Csv), "plan..csv");
    EXPECT_EQ(ExportFileName("Rapport 3", ExportFormat::Pdf), "Rapport 3.pdf");
    EXPECT_EQ(ExportFileName("plan.PDF", ExportFormat::Pdf), "plan.PDF.pdf");
}

TEST_F(ExportFiles, PdfNameIsProposedCompletedAndAskedAboutLikeTheOthers) {
    const fs::path existing = folder_ / "plan.pdf";
    std::ofstream(existing) << "bewaren";
    prompter_.QueueFileName((folder_ / "plan").string());
    prompter_.QueueAnswer(kNo);
    EXPECT_EQ(AskExportFileName("Rapport 4", ExportFormat::Pdf, prompter_), std::nullopt);
    ASSERT_EQ(prompter_.fileRequests().size(), 1u);
    EXPECT_EQ(prompter_.fileRequests()[0].presetName, "Rapport 4.pdf");
    EXPECT_EQ(prompter_.fileRequests()[0].filter, "PDF-bestanden (*.pdf)|*.pdf");
    EXPECT_EQ(prompter_.fileRequests()[0].title, "Exporteren");
    ASSERT_EQ(prompter_.asked().size(), 1u);
    EXPECT_EQ(prompter_.asked()[0].heading, "Bestand overschrijven?");

    prompter_.QueueFileName((folder_ / "nieuw").string());
    EXPECT_EQ(AskExportFileName("Rapport 4", ExportFormat::Pdf, prompter_),
              (folder_ / "nieuw.pdf").string());
}

TEST_F(ExportFiles, WritesTheTextOrTheTableAndReplacesAnOldFile) {
    ReportDocument report = ReportWithLines({"regel 1 ", "regel 2"});
    report.Table().SetSize(2, 1);
    report.Table().SetCell(0, 0, "a");
    const fs::path txt = folder_ / "Rapport 3.txt";
    const fs::path csv = folder_ / "Rapport 3.csv";
    std::ofstream(csv) << "oude inhoud die langer is dan de nieuwe\n";

    ASSERT_TRUE(ExportReport(report, ExportFormat::Text, txt.string(), prompter_));
    ASSERT_TRUE(ExportReport(report, ExportFormat::Csv, csv.string(), prompter_));
    EXPECT_EQ(FileContent(txt), "regel 1 \r\nregel 2\r\n");
    EXPECT_EQ(FileContent(csv), "\"a\",\"\"\r\n");
    EXPECT_TRUE(prompter_.asked().empty());
}

TEST_F(ExportFiles, AFileThatCannotBeWrittenIsReportedWithItsName) {
    const fs::path folder = folder_ / "geen map";
    const std::string name = (folder / "caf\xc3\xa9.txt").string();
    EXPECT_FALSE(ExportReport(ReportWithLines({"x"}), ExportFormat::Text, name, prompter_));
    ASSERT_EQ(prompter_.asked().size(), 1u);
    EXPECT_EQ(prompter_.asked()[0].kind, DialogKind::Error);
    const std::string shownName = (folder / "caf\xe9.txt").string();
    EXPECT_EQ(prompter_.asked()[0].text.rfind("Kan bestand \"" + shownName + "\" niet opslaan.", 0),
              0u);
    EXPECT_FALSE(fs::exists(folder));
}

TEST_F(ExportFiles, SaveDialogProposesTheTitleAndTheNameGainsTheExtension) {
    prompter_.QueueFileName((folder_ / "plan").string());
    ASSERT_TRUE(ExportWithSaveDialog(ReportWithLines({"x"}), ExportFormat::Csv, prompter_));
    ASSERT_EQ(prompter_.fileRequests().size(), 1u);
    EXPECT_EQ(prompter_.fileRequests()[0].presetName, "Rapport 3.csv");
    EXPECT_EQ(prompter_.fileRequests()[0].filter, "CSV-bestanden (*.csv)|*.csv");
    EXPECT_TRUE(fs::exists(folder_ / "plan.csv"));

    prompter_.QueueCancelledFileDialog();
    EXPECT_FALSE(ExportWithSaveDialog(ReportWithLines({"x"}), ExportFormat::Text, prompter_));
    EXPECT_EQ(prompter_.fileRequests()[1].presetName, "Rapport 3.txt");
    EXPECT_FALSE(fs::exists(folder_ / "Rapport 3.txt"));
}

TEST_F(ExportFiles, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
    const fs::path existing = folder_ / "plan.txt";
    std::ofstream(existing) << "bewaren";
    const ReportDocument report = ReportWithLines({"nieuw"});

    for (const int answer : {int{kNo}, int{kCancel}}) {
        prompter_.QueueFileName(existing.string());
        prompter_.QueueAnswer(answer);
        EXPECT_FALSE(ExportWithSaveDialog(report, ExportFormat::Text, prompter_));
        EXPECT_EQ(FileContent(existing), "bewaren");
    }
    const ScriptedPrompter::Asked& question = prompter_.asked()[0];
    EXPECT_EQ(question.heading, "Bestand overschrijven?");
    EXPECT_EQ(question.text, "Bestand \"" + existing.string() + "\" bestaat al.");
    EXPECT_EQ(question.captions.yes, "&Overschrijven");
    EXPECT_EQ(question.captions.no, "&Niet overschrijven");
    EXPECT_EQ(question.defaultButton, kDefaultNo);

    prompter_.QueueFileName(existing.string());
    prompter_.QueueAnswer(kYes);
    EXPECT_TRUE(ExportWithSaveDialog(report, ExportFormat::Text, prompter_));
    EXPECT_EQ(FileContent(existing), "nieuw\r\n");
}

TEST(OfferedExportFormat, IsTextForAReportWithoutTableData) {
    ReportDocument report(1, {});
    EXPECT_EQ(OfferedExportFormat(ExportFormat::Csv, report), ExportFormat::Text);
    report.SetHasTableData(true);
    EXPECT_EQ(OfferedExportFormat(ExportFormat::Csv, report), ExportFormat::Csv);
    EXPECT_EQ(OfferedExportFormat(ExportFormat::Text, report), ExportFormat::Text);
}

TEST(OfferedExportFormat, PdfStaysChosenForEveryReport) {
    const ReportDocument report(1, {});
    EXPECT_EQ(OfferedExportFormat(ExportFormat::Pdf, report), ExportFormat::Pdf);
}

}  // namespace
}  // namespace tavoric
