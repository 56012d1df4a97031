// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <filesystem>

#include "cli_test_support.h"
#include "core/backups.h"
#include "core/codec.h"
#include "core/demo_survey.h"
#include "core/file_messages.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "core/settings.h"
#include "core/text.h"
#include "entry/observation_csv.h"

namespace tavoric {
namespace {

// A demo project on disk whose slots are still empty, and its observations as a CSV file.
class ObservationCommandsTest : public ToolFolderTest {
protected:
    void SetUp() override {
        ToolFolderTest::SetUp();
        observed_ = MakeDemoSurvey({30, 2});
        Survey empty = observed_;
        for (std::size_t i = 0; i < empty.KentekensList.size(); ++i) {
            empty.KentekensList.Set(i, empty.KentekensList[i].substr(0, 24));
        }
        WriteFile("leeg.par", ProjectFileContent(empty));
        WriteFile("waarnemingen.csv", ObservationCsvContent(observed_, false));
        // Backups go to the test's folder, not to the shared temporary folder.
        ProgramSettings settings = DefaultSettings(PathOf("backups"));
        std::filesystem::create_directories(PathOf("backups"));
        ScriptedPrompter prompter;
        ASSERT_TRUE(WriteSettings(settings, SettingsFilePath(ConfigFolder()), prompter));
    }

    void WriteFile(const std::string& name, std::string_view content) {
        FileError error;
        ASSERT_TRUE(WriteFileAtomically(PathOf(name), content, error)) << FileErrorReason(error);
    }

    LineList SlotsOf(const std::string& name) {
        Survey survey;
        ReadProjectContent(survey, FileContent(PathOf(name)));
        return LineList(survey.KentekensList.begin(), survey.KentekensList.end());
    }

    Survey observed_;
};

TEST_F(ObservationCommandsTest, ImportWritesTheProjectBackAfterABackup) {
    const std::string before = FileContent(PathOf("leeg.par"));
    const ToolRun run =
        RunTool({"import-observations", PathOf("leeg.par"), PathOf("waarnemingen.csv")});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.out.find(Cp1252ToUtf8(FormatText(MessageText("AA00526"), {"0"}))),
              std::string::npos);
    const LineList slots = SlotsOf("leeg.par");
    ASSERT_EQ(slots.size(), observed_.KentekensList.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const std::string_view observed = observed_.KentekensList[i];
        EXPECT_EQ(slots[i],
                  TrimBlanks(CharsFrom(observed, 25)).empty() ? PpeKey(observed) : observed);
    }
    EXPECT_EQ(FileContent(PathOf("backups/" + BackupFileName(1))), before);

    // Again: every row is now unchanged and the project is not written a second time.
    const ToolRun again =
        RunTool({"import-observations", PathOf("leeg.par"), PathOf("waarnemingen.csv")});
    EXPECT_EQ(again.status, kExitOk);
    EXPECT_NE(again.out.find(Cp1252ToUtf8(MessageText("AA00505"))), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(PathOf("backups/" + BackupFileName(2))));
}

TEST_F(ObservationCommandsTest, ReportedRowsGiveFourAndGoToTheReportFile) {
    WriteFile("fout.csv",
              "route;sectie;plaats;tijd;kenteken\r\n"
              "1;1;1;06:00;AB12CD\r\n"
              "99;1;1;06:00;AB12CD\r\n"
              "1;1;1;06:05;ZZ99ZZ\r\n");
    const std::string before = FileContent(PathOf("leeg.par"));
    const ToolRun run = RunTool({"import-observations", PathOf("leeg.par"), PathOf("fout.csv"),
                                 "--out", PathOf("nieuw.par"), "--report", PathOf("rijen.txt")});
    EXPECT_EQ(run.status, kExitRowsReported) << run.err;
    EXPECT_EQ(FileContent(PathOf("leeg.par")), before) << "--out leaves the project as it was";
    const std::string report = FileContent(PathOf("rijen.txt"));
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 2);
    EXPECT_TRUE(report.starts_with(Cp1252ToUtf8(
        FormatText(MessageText("AA00529"), {"3", FormatText(MessageText("AA00531"), {"0099"})}))));
    EXPECT_EQ(PpePlate(SlotsOf("nieuw.par").front()), "AB12CD");

    // Without --report the rows follow the summary; --replace takes the conflicting plate.
    WriteFile("ander.csv", "route,sectie,plaats,tijd,kenteken\r\n1,1,1,0600,ZZ99ZZ\r\n");
    const ToolRun kept = RunTool({"import-observations", PathOf("nieuw.par"), PathOf("ander.csv")});
    EXPECT_EQ(kept.status, kExitRowsReported);
    EXPECT_NE(kept.out.find(Cp1252ToUtf8(FormatText(MessageText("AA00529"), {"2", ""}))),
              std::string::npos);
    EXPECT_EQ(PpePlate(SlotsOf("nieuw.par").front()), "AB12CD");
    const ToolRun replaced =
        RunTool({"import-observations", PathOf("nieuw.par"), PathOf("ander.csv"), "--replace"});
    EXPECT_EQ(replaced.status, kExitOk);
    EXPECT_EQ(PpePlate(SlotsOf("nieuw.par").front()), "ZZ99ZZ");
}

TEST_F(ObservationCommandsTest, FilesThatCannotBeUsedAndWrongUse) {
    WriteFile("kop.csv", "route,sectie\r\n1,1\r\n");
    const ToolRun header = RunTool({"import-observations", PathOf("leeg.par"), PathOf("kop.csv")});
    EXPECT_EQ(header.status, kExitFileError);
    EXPECT_NE(header.err.find("kop.csv"), std::string::npos);
    EXPECT_EQ(RunTool({"import-observations", PathOf("leeg.par"), PathOf("geen.csv")}).status,
              kExitFileError);
    EXPECT_EQ(RunTool({"import-observations", PathOf("geen.par"), PathOf("kop.csv")}).status,
              kExitFileError);
    EXPECT_EQ(RunTool({"import-observations", PathOf("leeg.par")}).status, kExitUsage);
    EXPECT_EQ(RunTool({"import-observations", "a.par", "b.csv", "--out"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"import-observations", "a.par", "b.csv", "--kleur"}).status, kExitUsage);
    // A file named twice would be overwritten while it is still needed.
    const std::string csv = FileContent(PathOf("waarnemingen.csv"));
    const ToolRun twice =
        RunTool({"import-observations", PathOf("leeg.par"), PathOf("waarnemingen.csv"), "--report",
                 PathOf("../" + folder_.filename().string() + "/waarnemingen.csv")});
    EXPECT_EQ(twice.status, kExitUsage);
    EXPECT_NE(twice.err.find("--report"), std::string::npos);
    EXPECT_EQ(FileContent(PathOf("waarnemingen.csv")), csv);
    EXPECT_EQ(
        RunTool({"export-observations", PathOf("leeg.par"), "--csv", PathOf("leeg.par")}).status,
        kExitUsage);
    EXPECT_EQ(RunTool({"export-observations", PathOf("leeg.par")}).status, kExitUsage);
    EXPECT_EQ(RunTool({"export-observations", PathOf("leeg.par"), "--csv"}).status, kExitUsage);
    EXPECT_EQ(
        RunTool({"export-observations", PathOf("leeg.par"), "--csv", PathOf("geen/map/uit.csv")})
            .status,
        kExitFileError);
}

TEST_F(ObservationCommandsTest, ZonesDaysFilesWithoutRowsAndBrokenQuotes) {
    const std::string before = FileContent(PathOf("leeg.par"));
    WriteFile("utc.csv", "route,sectie,plaats,tijd,kenteken\r\n1,1,1,2024-05-16T04:50:00Z,A\r\n");
    const ToolRun zone = RunTool({"import-observations", PathOf("leeg.par"), PathOf("utc.csv"),
                                  "--time-zone", "Mars/Olympus"});
    EXPECT_EQ(zone.status, kExitUsage);
    EXPECT_NE(zone.err.find("Mars/Olympus"), std::string::npos);
    const ToolRun day = RunTool(
        {"import-observations", PathOf("leeg.par"), PathOf("utc.csv"), "--date", "16-05-2024"});
    EXPECT_EQ(day.status, kExitUsage);
    EXPECT_EQ(RunTool({"import-observations", PathOf("leeg.par"), PathOf("utc.csv"), "--date",
                       "2024-05-16", "--date", "2024-05-16"})
                  .status,
              kExitUsage);

    const ToolRun converted =
        RunTool({"import-observations", PathOf("leeg.par"), PathOf("utc.csv"), "--time-zone",
                 "Europe/Amsterdam", "--date", "2024-05-16", "--out", PathOf("zone.par")});
    EXPECT_EQ(converted.status, kExitOk) << converted.out;
    EXPECT_NE(converted.out.find(Cp1252ToUtf8(FormatText(MessageText("AA00510"), {"2024-05-16"}))),
              std::string::npos);
    Survey empty;
    ReadProjectContent(empty, before);
    const ObservationImportPlan local =
        PlanObservationImport(empty, "route,sectie,plaats,tijd,kenteken\r\n1,1,1,06:50,A\r\n");
    ASSERT_EQ(local.writes.size(), 1u) << "04:50 UTC is 06:50 in Amsterdam";
    EXPECT_EQ(TrimBlanks(PpePlate(SlotsOf("zone.par").at(local.writes[0].line))), "A");

    // A header without rows writes nothing, with or without --out.
    WriteFile("kop.csv", "route,sectie,plaats,tijd,kenteken\r\n\r\n");
    const ToolRun noRows = RunTool({"import-observations", PathOf("leeg.par"), PathOf("kop.csv")});
    EXPECT_EQ(noRows.status, kExitOk);
    EXPECT_NE(noRows.out.find(Cp1252ToUtf8(MessageText("AA00508"))), std::string::npos);
    EXPECT_EQ(noRows.out.find(Cp1252ToUtf8(FormatText(MessageText("AA00504"), {""}))),
              std::string::npos);
    const ToolRun emptyOut = RunTool(
        {"import-observations", PathOf("leeg.par"), PathOf("kop.csv"), "--out", PathOf("x.par")});
    EXPECT_EQ(emptyOut.status, kExitOk);
    EXPECT_NE(emptyOut.out.find("x.par"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(PathOf("x.par")));

    // A quote that never closes refuses the file; a short row is reported.
    WriteFile("quote.csv",
              "route,sectie,plaats,tijd,kenteken\r\n1,1,1,0600,\"AB\r\n1,1,2,0600,CD\r\n");
    const ToolRun quote = RunTool(
        {"import-observations", PathOf("leeg.par"), PathOf("quote.csv"), "--out", PathOf("q.par")});
    EXPECT_EQ(quote.status, kExitFileError);
    EXPECT_NE(quote.err.find(Cp1252ToUtf8(FormatText(MessageText("AA00549"), {"2"}))),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(PathOf("q.par")));
    WriteFile("kort.csv", "route,sectie,plaats,tijd,kenteken\r\n0001,0001,AB12CD\r\n");
    EXPECT_EQ(RunTool({"import-observations", PathOf("leeg.par"), PathOf("kort.csv")}).status,
              kExitRowsReported);
    EXPECT_EQ(FileContent(PathOf("leeg.par")), before);
}

TEST_F(ObservationCommandsTest, ExportWritesObservedSlotsOrEverySlot) {
    WriteFile("vol.par", ProjectFileContent(observed_));
    EXPECT_EQ(
        RunTool({"export-observations", PathOf("vol.par"), "--csv", PathOf("uit.csv")}).status,
        kExitOk);
    EXPECT_EQ(FileContent(PathOf("uit.csv")), ObservationCsvContent(observed_, false));
    EXPECT_EQ(
        RunTool({"export-observations", "--all", PathOf("leeg.par"), "--csv", PathOf("lijst.csv")})
            .status,
        kExitOk);
    const std::string list = FileContent(PathOf("lijst.csv"));
    EXPECT_EQ(static_cast<std::size_t>(std::count(list.begin(), list.end(), '\n')),
              observed_.KentekensList.size() + 1);
}

}  // namespace
}  // namespace tavoric
