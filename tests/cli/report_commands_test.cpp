// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "../core/file_size_limit.h"
#include "cli/report_output.h"
#include "cli_test_support.h"
#include "core/atomic_file.h"
#include "core/codec.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "reports/export.h"
#include "reports/input_data_report.h"
#include "reports/notes_report.h"
#include "reports/observation_form.h"

namespace tavoric {
namespace {

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";

const Survey& DemoSurvey() {
    static const Survey survey = [] {
        Survey loaded;
        ScriptedPrompter prompter;
        EXPECT_TRUE(ReadProjectFile(loaded, kDemo, prompter));
        return loaded;
    }();
    return survey;
}

ReportDocument InputReport(const InputReportOptions& options) {
    ReportDocument report(1, {});
    Progress quiet;
    WriteInputDataReport(report, DemoSurvey(), options, quiet);
    return report;
}

// The report as standard output shows it: UTF-8, LF line ends.
std::string AsTerminalText(const ReportDocument& report) {
    std::string text;
    for (const std::string& line : report.Lines()) {
        text += Cp1252ToUtf8(line) + "\n";
    }
    return text;
}

std::string Content(const std::string& path) {
    std::string content;
    EXPECT_TRUE(ReadWholeFile(path, content)) << path;
    return content;
}

// The settings file is looked for in the test's own folder, so reports have the default look
// unless a test writes one there.
class ReportCommandsTest : public ToolFolderTest {
protected:
    void SetUp() override {
        ToolFolderTest::SetUp();
        ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("XDG_CONFIG_HOME");
        ToolFolderTest::TearDown();
    }
};

TEST_F(ReportCommandsTest, ReportsGoToStandardOutputInUtf8OrToTheExportFile) {
    const ToolRun input = RunTool({"input", kDemo});
    ASSERT_EQ(input.status, kExitOk) << input.err;
    EXPECT_EQ(input.out, AsTerminalText(InputReport({})));
    EXPECT_NE(input.out.find("\xe2\x80\x94\n"), std::string::npos);

    const std::string txt = PathOf("formulier.txt");
    const ToolRun form = RunTool({"form", kDemo, "--no-separator", "--txt", txt});
    ASSERT_EQ(form.status, kExitOk) << form.err;
    EXPECT_EQ(form.out, "");
    ReportDocument expected(1, {});
    Progress quiet;
    WriteObservationForm(expected, DemoSurvey(), {.separatorBetweenSlots = false}, quiet);
    EXPECT_EQ(Content(txt), ReportTextContent(expected));

    ReportDocument notes(1, {});
    WriteNotesReport(notes, DemoSurvey());
    EXPECT_EQ(RunTool({"notes", kDemo}).out, AsTerminalText(notes));
}

TEST_F(ReportCommandsTest, IncludeNamesTheBlocksOfTheInputDataReport) {
    InputReportOptions platesOnly;
    platesOnly.routes = platesOnly.sections = false;
    platesOnly.plates = true;
    EXPECT_EQ(RunTool({"input", kDemo, "--include", "plates"}).out,
              AsTerminalText(InputReport(platesOnly)));

    InputReportOptions none;
    none.routes = none.sections = false;
    EXPECT_EQ(RunTool({"input", "--include", "", kDemo}).out, AsTerminalText(InputReport(none)));

    const ToolRun unknown = RunTool({"input", kDemo, "--include", "routes,kaarten"});
    EXPECT_EQ(unknown.status, kExitUsage);
    EXPECT_NE(unknown.err.find("\"kaarten\""), std::string::npos);
    EXPECT_EQ(unknown.out, "");
}

TEST_F(ReportCommandsTest, WrongUseWritesNothing) {
    const std::string csv = PathOf("geen.csv");
    const ToolRun table = RunTool({"notes", kDemo, "--csv", csv});
    EXPECT_EQ(table.status, kExitUsage);
    EXPECT_NE(table.err.find("Onbekende optie --csv bij notes."), std::string::npos);
    EXPECT_EQ(table.out, "");
    EXPECT_FALSE(std::filesystem::exists(csv));

    EXPECT_EQ(RunTool({"form", kDemo, "--txt"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"form", kDemo, "--txt", "a.txt", "--txt", "b.txt"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"form", kDemo, "--separator"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"input", kDemo, "--include"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"notes", kDemo, kDemo}).status, kExitUsage);
    EXPECT_EQ(RunTool({"notes"}).status, kExitUsage);
}

TEST_F(ReportCommandsTest, FilesThatCannotBeOpenedOrWrittenEndWithStatusOne) {
    EXPECT_EQ(RunTool({"notes", PathOf("ontbreekt.par")}).status, kExitFileError);
    const ToolRun unwritable = RunTool({"form", kDemo, "--txt", PathOf("geen map/form.txt")});
    EXPECT_EQ(unwritable.status, kExitFileError);
    EXPECT_NE(unwritable.err.find("niet opslaan"), std::string::npos);
}

// The form and the input data report go out while they are made: the bytes are the export of the
// report made whole, in a file and on standard output, in the look of the settings file.
TEST_F(ReportCommandsTest, ReportsWrittenAsTheyAreMadeAreTheExportOfTheWholeReport) {
    std::filesystem::create_directories(folder_ / "Tavoric");
    std::ofstream(folder_ / "Tavoric" / "Tavoric.ini")
        << "[**General variables**]\r\nReportLineCharacter=-\r\nOwnerName=Gemeente X\r\n";
    ReportSettings look;
    look.lineCharacter = "-";
    look.ownerName = "Gemeente X";
    Progress quiet;
    for (const bool separator : {true, false}) {
        ReportDocument form(1, look);
        WriteObservationForm(form, DemoSurvey(), {.separatorBetweenSlots = separator}, quiet);
        std::vector<std::string> args = {"form", kDemo, "--txt", "-"};
        if (!separator) {
            args.push_back("--no-separator");
        }
        const ToolRun piped = RunTool(args);
        ASSERT_EQ(piped.status, kExitOk) << piped.err;
        EXPECT_EQ(piped.out, ReportTextContent(form));
        args[3] = PathOf("form.txt");
        EXPECT_EQ(RunTool(args).status, kExitOk);
        EXPECT_EQ(Content(args[3]), ReportTextContent(form));
    }

    InputReportOptions platesOnly;
    platesOnly.routes = platesOnly.sections = false;
    platesOnly.plates = true;
    ReportDocument input(1, look);
    WriteInputDataReport(input, DemoSurvey(), platesOnly, quiet);
    const ToolRun piped = RunTool({"input", kDemo, "--include", "plates", "--txt", "-"});
    EXPECT_EQ(piped.out, ReportTextContent(input));
    EXPECT_EQ(RunTool({"input", kDemo, "--include", "plates"}).out, AsTerminalText(input));
}

// A file size limit makes the form's file fail halfway, as a full disk would: the save message,
// status 1, the old file as it was and no temporary file.
TEST_F(ReportCommandsTest, AFormThatCannotBeWrittenWholeLeavesTheOldFile) {
    const std::string txt = PathOf("form.txt");
    std::ofstream(txt) << "old";
    const ToolRun full = [&] {
        const FileSizeLimit limit(4096);
        return RunTool({"form", kDemo, "--txt", txt});
    }();

    EXPECT_EQ(full.status, kExitFileError);
    EXPECT_NE(full.err.find("niet opslaan"), std::string::npos) << full.err;
    EXPECT_EQ(full.out, "");
    EXPECT_EQ(Content(txt), "old");
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(".form.txt")) << entry.path();
    }
}

TEST_F(ReportCommandsTest, ReportsTakeTheLookOfTheSettingsFile) {
    std::filesystem::create_directories(folder_ / "Tavoric");
    std::ofstream(folder_ / "Tavoric" / "Tavoric.ini")
        << "[**General variables**]\r\nReportLineCharacter=-\r\nOwnerName=Gemeente X\r\n";
    const ToolRun notes = RunTool({"notes", kDemo});
    ASSERT_EQ(notes.status, kExitOk) << notes.err;
    EXPECT_EQ(notes.out.rfind("---", 0), 0u);
    EXPECT_NE(notes.out.find("\nTavoric 3.1  -  Gemeente X\n"), std::string::npos);
}

TEST(TakeReportOutputOptions, TakesOutTheFileOptionsAndKeepsTheRestInOrder) {
    std::vector<std::string> args = {"p.par", "--csv", "t.csv", "--detail", "--txt", "t.txt"};
    const std::optional<ReportOutput> output = TakeReportOutputOptions(args);
    ASSERT_TRUE(output);
    EXPECT_EQ(output->txtPath, "t.txt");
    EXPECT_EQ(output->csvPath, "t.csv");
    EXPECT_EQ(args, (std::vector<std::string>{"p.par", "--detail"}));

    std::vector<std::string> sameFile = {"--txt", "uit/t", "--csv", "uit/../uit/t"};
    EXPECT_FALSE(TakeReportOutputOptions(sameFile));
}

}  // namespace
}  // namespace tavoric
