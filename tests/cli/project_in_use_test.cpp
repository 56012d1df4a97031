// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli and a desktop program on one project, and project files that are not as the
// program writes them.
#include <filesystem>

#include "../core/lock_holder.h"
#include "cli_test_support.h"
#include "core/demo_survey.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "entry/observation_csv.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

class ProjectInUseTest : public ToolFolderTest {
protected:
    void SetUp() override {
        ToolFolderTest::SetUp();
        SetDefaultMessageTexts();
        WriteFile("d.par", ProjectFileContent(MakeDemoSurvey({20, 1})));
        WriteFile("waarnemingen.csv", ObservationCsvContent(MakeDemoSurvey({20, 1}), false));
    }
    void WriteFile(const std::string& name, std::string_view content) {
        FileError error;
        ASSERT_TRUE(WriteFileAtomically(PathOf(name), content, error));
    }
};

TEST_F(ProjectInUseTest, WritesInPlaceAreRefusedWhileADesktopProgramHasTheProjectOpen) {
    const std::string project = PathOf("d.par");
    const std::string before = FileContent(project);
    LockHoldingProcess desktop(project);
    const std::string pid = std::to_string(desktop.Owner().pid);

    const ToolRun save = RunTool({"save", project, project});
    EXPECT_EQ(save.status, kExitFileError);
    EXPECT_NE(save.err.find("is geopend door"), std::string::npos) << save.err;
    EXPECT_NE(save.err.find(pid), std::string::npos);
    const ToolRun import = RunTool({"import-observations", project, PathOf("waarnemingen.csv")});
    EXPECT_EQ(import.status, kExitFileError);
    EXPECT_NE(import.err.find(pid), std::string::npos) << import.err;
    EXPECT_EQ(FileContent(project), before);

    // Writing elsewhere is fine.
    EXPECT_EQ(RunTool({"save", project, PathOf("e.par")}).status, kExitOk);
    EXPECT_EQ(RunTool({"import-observations", project, PathOf("waarnemingen.csv"), "--out",
                       PathOf("f.par")})
                  .status,
              kExitOk);

    desktop.Kill();  // kill -9: the lock is stale now
    EXPECT_EQ(RunTool({"save", project, project}).status, kExitOk);
    EXPECT_FALSE(fs::exists(ProjectLockPath(project)));
}

TEST_F(ProjectInUseTest, CutOffProjectIsReadWithAWarningOnStandardError) {
    const std::string whole = FileContent(PathOf("d.par"));
    const std::size_t lastSlot = whole.rfind("\r\n0001 ");
    WriteFile("cut.par", whole.substr(0, lastSlot + 12));
    const ToolRun info = RunTool({"info", PathOf("cut.par")});
    EXPECT_EQ(info.status, kExitOk);
    EXPECT_NE(info.err.find("lijkt beschadigd"), std::string::npos) << info.err;
    EXPECT_NE(info.err.find("[Aantekeningen]"), std::string::npos);
}

// "[routes]" or "[Routes] " written by hand: save keeps the routes, under the program's header.
TEST_F(ProjectInUseTest, SaveKeepsSectionsWhoseHeadersDifferInCaseOrTrailingBlanks) {
    std::string content = FileContent(PathOf("d.par"));
    content.replace(content.find("[Routes]"), 8, "[routes]");
    content.replace(content.find("[Secties]"), 9, "[Secties] \t");
    WriteFile("hand.par", content);
    ASSERT_EQ(RunTool({"save", PathOf("hand.par"), PathOf("uit.par")}).status, kExitOk);
    EXPECT_EQ(FileContent(PathOf("uit.par")), FileContent(PathOf("d.par")));
}

}  // namespace
}  // namespace tavoric
