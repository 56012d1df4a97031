// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/project_lifecycle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../core/lock_holder.h"
#include "app/command_states.h"
#include "core/atomic_file.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "core/text.h"
#include "core/version.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

class RecordingShell : public ProjectShell {
public:
    explicit RecordingShell(const std::string& backupFolder) : backups_{true, backupFolder} {}

    Prompter& CurrentPrompter() override { return prompter; }
    BackupSettings CurrentBackupSettings() override { return backups_; }
    void CloseAllReportWindows() override { ++reportWindowResets; }
    void SetTitle(const std::string& fileName) override { title = fileName; }
    void UpdateCommandStates(bool) override { ++stateUpdates; }
    void NewProjectStarted() override { ++newProjects; }

    ScriptedPrompter prompter;
    std::string title;
    int reportWindowResets = 0;
    int newProjects = 0;
    int stateUpdates = 0;

private:
    BackupSettings backups_;
};

class ProjectLifecycleTest : public ::testing::Test {
protected:
    ProjectLifecycleTest()
        : folder_(fs::temp_directory_path() /
                  ("tavoric_lifecycle_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          shell_((folder_ / "backups/").string()) {
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "backups");
        lifecycle_.ResetToNewProject();
    }
    ~ProjectLifecycleTest() override { fs::remove_all(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    void Change() {
        survey_.RoutesList.push_back("0001 Centrum                            15");
        survey_.ProjectChanged = true;
    }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder_;
    Survey survey_;
    RecordingShell shell_;
    ProjectLifecycle lifecycle_{survey_, shell_};
};

TEST_F(ProjectLifecycleTest, NewProjectIsNamedNieuwParAndClosesTheReports) {
    Change();
    shell_.reportWindowResets = 0;
    shell_.newProjects = 0;
    lifecycle_.ResetToNewProject();
    EXPECT_EQ(survey_.ProjectPath, "Nieuw.par");
    EXPECT_EQ(shell_.title, "Nieuw.par");
    EXPECT_FALSE(survey_.ProjectChanged);
    EXPECT_TRUE(survey_.RoutesList.empty());
    EXPECT_EQ(shell_.reportWindowResets, 1);
    EXPECT_EQ(shell_.newProjects, 1);  // the windows forget what they proposed
}

TEST_F(ProjectLifecycleTest, UnchangedProjectClosesWithoutAQuestion) {
    EXPECT_TRUE(lifecycle_.CloseProject());
    EXPECT_TRUE(shell_.prompter.asked().empty());
}

TEST_F(ProjectLifecycleTest, SaveQuestionHasItsTextsButtonsAndDefault) {
    Change();
    shell_.prompter.QueueAnswer(kCancel);
    EXPECT_FALSE(lifecycle_.CloseProject());
    ASSERT_EQ(shell_.prompter.asked().size(), 1u);
    const ScriptedPrompter::Asked& asked = shell_.prompter.asked()[0];
    EXPECT_EQ(asked.heading, "Bestand opslaan?");
    EXPECT_EQ(asked.text, "Bestand \"Nieuw.par\" is gewijzigd.");
    EXPECT_EQ(asked.captions.yes, "&Opslaan");
    EXPECT_EQ(asked.captions.no, "&Niet opslaan");
    EXPECT_EQ(asked.captions.cancel, "&Annuleren");
    EXPECT_EQ(asked.defaultButton, kDefaultYes);
    EXPECT_TRUE(survey_.ProjectChanged);
    EXPECT_EQ(survey_.RoutesList.size(), 1u);
}

TEST_F(ProjectLifecycleTest, NotSavingDiscardsTheChanges) {
    Change();
    shell_.prompter.QueueAnswer(kNo);
    EXPECT_TRUE(lifecycle_.CloseProject());
    EXPECT_TRUE(survey_.RoutesList.empty());
    EXPECT_FALSE(survey_.ProjectChanged);
}

TEST_F(ProjectLifecycleTest, SavingUnderTheQuestionClosesOnlyWhenTheSaveSucceeds) {
    Change();
    shell_.prompter.QueueAnswer(kYes);
    shell_.prompter.QueueCancelledFileDialog();
    EXPECT_FALSE(lifecycle_.CloseProject()) << "cancelled save dialog";
    EXPECT_TRUE(survey_.ProjectChanged);

    shell_.prompter.QueueAnswer(kYes);
    shell_.prompter.QueueFileName(PathOf("missing-folder/plan"));
    EXPECT_FALSE(lifecycle_.CloseProject()) << "failed write";
    EXPECT_EQ(survey_.RoutesList.size(), 1u);

    shell_.prompter.QueueAnswer(kYes);
    shell_.prompter.QueueFileName(PathOf("plan"));
    EXPECT_TRUE(lifecycle_.CloseProject());
    EXPECT_TRUE(fs::exists(PathOf("plan.par")));
    EXPECT_TRUE(survey_.RoutesList.empty());
}

TEST_F(ProjectLifecycleTest, SaveAsAppendsTheExtensionUnlessItIsExactlyPar) {
    Change();
    shell_.prompter.QueueFileName(PathOf("plan"));
    ASSERT_TRUE(lifecycle_.SaveProjectAs());
    EXPECT_EQ(survey_.ProjectPath, PathOf("plan.par"));
    EXPECT_EQ(shell_.title, PathOf("plan.par"));
    EXPECT_FALSE(survey_.ProjectChanged);

    shell_.prompter.QueueFileName(PathOf("plan.PAR"));
    ASSERT_TRUE(lifecycle_.SaveProjectAs());
    EXPECT_EQ(survey_.ProjectPath, PathOf("plan.PAR.par"));

    EXPECT_EQ(WithProjectExtension("a.b/plan"), "a.b/plan.par");
    EXPECT_EQ(WithProjectExtension("plan.par"), "plan.par");
    EXPECT_EQ(WithProjectExtension("plan.par.txt"), "plan.par.txt.par");
}

TEST_F(ProjectLifecycleTest, SaveAsAsksBeforeOverwritingAndDefaultsToNo) {
    const std::string existing = PathOf("oud.par");
    std::ofstream(existing) << "oude inhoud";
    Change();
    shell_.prompter.QueueFileName(existing);
    EXPECT_FALSE(lifecycle_.SaveProjectAs());
    ASSERT_EQ(shell_.prompter.asked().size(), 1u);
    EXPECT_EQ(shell_.prompter.asked()[0].heading, "Bestand overschrijven?");
    EXPECT_EQ(shell_.prompter.asked()[0].text, "Bestand \"" + existing + "\" bestaat al.");
    EXPECT_EQ(shell_.prompter.asked()[0].captions.yes, "&Overschrijven");
    EXPECT_EQ(shell_.prompter.asked()[0].defaultButton, kDefaultNo);
    EXPECT_EQ(Contents(existing), "oude inhoud");

    shell_.prompter.QueueFileName(existing);
    shell_.prompter.QueueAnswer(kYes);
    EXPECT_TRUE(lifecycle_.SaveProjectAs());
    EXPECT_EQ(Contents(existing), ProjectFileContent(survey_));
}

TEST_F(ProjectLifecycleTest, SaveWritesToTheOpenedFileEvenWhenItIsNamedNieuwPar) {
    const std::string path = PathOf("Nieuw.par");
    Change();
    shell_.prompter.QueueFileName(path);
    ASSERT_TRUE(lifecycle_.SaveProjectAs());
    ASSERT_TRUE(lifecycle_.CloseProject());
    ASSERT_TRUE(lifecycle_.OpenProjectFile(path));
    Change();
    EXPECT_TRUE(lifecycle_.SaveProject());
    EXPECT_TRUE(shell_.prompter.fileRequests().size() == 1) << "no second save dialog";
    EXPECT_EQ(Contents(path), ProjectFileContent(survey_));
}

TEST_F(ProjectLifecycleTest, OpenClosesFirstSoACancelledDialogLeavesANewProject) {
    Change();
    shell_.prompter.QueueAnswer(kNo);
    shell_.prompter.QueueCancelledFileDialog();
    EXPECT_FALSE(lifecycle_.OpenProject());
    EXPECT_EQ(survey_.ProjectPath, "Nieuw.par");
    EXPECT_TRUE(survey_.RoutesList.empty());
    EXPECT_EQ(shell_.prompter.fileRequests().at(0).filter, kProjectFileFilter);
    EXPECT_EQ(shell_.prompter.fileRequests().at(0).title, "Openen");
}

TEST_F(ProjectLifecycleTest, SaveOfANewProjectAsksUnderTheTitleOfSaveAs) {
    Change();
    shell_.prompter.QueueCancelledFileDialog();
    EXPECT_FALSE(lifecycle_.SaveProject());
    ASSERT_EQ(shell_.prompter.fileRequests().size(), 1u);
    EXPECT_EQ(shell_.prompter.fileRequests()[0].title, "Opslaan als");
}

TEST_F(ProjectLifecycleTest, SixSavesKeepTheFivePreviousVersionsNewestFirst) {
    const std::string path = PathOf("plan.par");
    Change();
    shell_.prompter.QueueFileName(path);
    ASSERT_TRUE(lifecycle_.SaveProjectAs());
    std::vector<std::string> versions = {Contents(path)};
    for (int save = 2; save <= 6; ++save) {
        survey_.AlgemeneGegevens.weather = "versie " + std::to_string(save);
        survey_.ProjectChanged = true;
        ASSERT_TRUE(lifecycle_.SaveProject());
        versions.push_back(Contents(path));
    }
    for (int generation = 1; generation <= 5; ++generation) {
        const std::string backup =
            PathOf("backups/TavoricBackUp" + std::to_string(generation) + ".par");
        EXPECT_EQ(Contents(backup), versions[versions.size() - 1 - generation])
            << "generation " << generation;
    }
}

// Two programs on one project: the second is asked, named who holds it and since when.
class SharedProjectTest : public ProjectLifecycleTest {
protected:
    SharedProjectTest() {
        lifecycle_.SetLocking(true);
        Survey saved;
        saved.ResetToNew(NewProjectFileName());
        EXPECT_TRUE(WriteProjectFile(saved, Project(), shell_.prompter));
    }
    std::string Project() const { return PathOf("Wijk.par"); }
    const ScriptedPrompter::Asked& LastAsked() const { return shell_.prompter.asked().back(); }
};

TEST_F(SharedProjectTest, ProjectOfALiveProgramOpensReadOnlyOnlyOnRequest) {
    LockHoldingProcess other(Project());
    shell_.prompter.QueueAnswer(kCancel);  // "&Annuleren"
    EXPECT_FALSE(lifecycle_.OpenProjectFile(Project()));
    ASSERT_EQ(shell_.prompter.asked().size(), 1u);
    const ScriptedPrompter::Asked& question = LastAsked();
    EXPECT_EQ(question.heading, "Project in gebruik");
    EXPECT_NE(question.text.find(std::to_string(other.Owner().pid)), std::string::npos);
    EXPECT_NE(question.text.find(other.Owner().host), std::string::npos);
    EXPECT_EQ(question.captions.yes, "&Alleen lezen openen");
    EXPECT_EQ(question.captions.no, "&Toch openen");
    EXPECT_EQ(question.captions.cancel, "&Annuleren");
    EXPECT_EQ(survey_.ProjectPath, NewProjectFileName());

    shell_.prompter.QueueAnswer(kYes);  // "&Alleen lezen openen"
    ASSERT_TRUE(lifecycle_.OpenProjectFile(Project()));
    EXPECT_TRUE(lifecycle_.ReadOnly());
    Change();
    const std::string before = Contents(Project());
    EXPECT_FALSE(lifecycle_.SaveProject());
    EXPECT_NE(LastAsked().text.find("alleen lezen geopend"), std::string::npos);
    EXPECT_EQ(Contents(Project()), before);
    EXPECT_EQ(ParseLockFile(Contents(ProjectLockPath(Project()))), other.Owner());

    shell_.prompter.QueueFileName(PathOf("Kopie"));  // "O&pslaan als..." is allowed
    ASSERT_TRUE(lifecycle_.SaveProjectAs());
    EXPECT_EQ(survey_.ProjectPath, PathOf("Kopie.par"));
    EXPECT_FALSE(lifecycle_.ReadOnly());
    EXPECT_TRUE(fs::exists(ProjectLockPath(PathOf("Kopie.par"))));
}

TEST_F(SharedProjectTest, OpeningAnywayTakesTheLockAndAStaleLockGoesWithoutAQuestion) {
    LockHoldingProcess other(Project());
    shell_.prompter.QueueAnswer(kNo);  // "&Toch openen"
    ASSERT_TRUE(lifecycle_.OpenProjectFile(Project()));
    EXPECT_FALSE(lifecycle_.ReadOnly());
    EXPECT_EQ(ParseLockFile(Contents(ProjectLockPath(Project())))->pid, ::getpid());
    lifecycle_.ResetToNewProject();
    EXPECT_FALSE(fs::exists(ProjectLockPath(Project())));

    LockHoldingProcess killed(Project());
    killed.Kill();  // kill -9: its lock stays behind
    shell_.prompter.Clear();
    ASSERT_TRUE(lifecycle_.OpenProjectFile(Project()));
    EXPECT_TRUE(shell_.prompter.asked().empty());
    EXPECT_EQ(ParseLockFile(Contents(ProjectLockPath(Project())))->pid, ::getpid());
}

// Another program saved the file after it was opened here: saving over it asks first.
TEST_F(SharedProjectTest, FileChangedOnDiskIsNotOverwrittenWithoutAQuestion) {
    ASSERT_TRUE(lifecycle_.OpenProjectFile(Project()));
    Change();
    FileError error;
    ASSERT_TRUE(WriteFileAtomically(Project(), "[Routes]\r\n0002 Elders\r\n", error));

    shell_.prompter.QueueAnswer(kCancel);  // "&Annuleren"
    EXPECT_FALSE(lifecycle_.SaveProject());
    EXPECT_EQ(LastAsked().heading, "Bestand gewijzigd");
    EXPECT_EQ(LastAsked().captions.yes, "&Overschrijven");
    EXPECT_EQ(LastAsked().captions.no, "Opslaan &als...");
    EXPECT_EQ(LastAsked().defaultButton, kDefaultCancel);
    EXPECT_NE(Contents(Project()).find("0002 Elders"), std::string::npos);

    shell_.prompter.QueueAnswer(kNo);  // "Opslaan als..."
    shell_.prompter.QueueFileName(PathOf("Eigen"));
    ASSERT_TRUE(lifecycle_.SaveProject());
    EXPECT_NE(Contents(Project()).find("0002 Elders"), std::string::npos);
    EXPECT_NE(Contents(PathOf("Eigen.par")).find("0001 Centrum"), std::string::npos);

    Change();
    ASSERT_TRUE(WriteFileAtomically(PathOf("Eigen.par"), "[Routes]\r\n", error));
    shell_.prompter.QueueAnswer(kYes);  // "&Overschrijven"
    ASSERT_TRUE(lifecycle_.SaveProject());
    EXPECT_NE(Contents(PathOf("Eigen.par")).find("0001 Centrum"), std::string::npos);
    Change();
    shell_.prompter.Clear();
    ASSERT_TRUE(lifecycle_.SaveProject());  // unchanged since this save: no question
    EXPECT_TRUE(shell_.prompter.asked().empty());
}

// The file as loaded is what a save compares with: a UTF-8 file, which the program holds in its
// own code page, has not changed on disk when it is saved back.
TEST_F(SharedProjectTest, AUtf8FileOpenedAndSavedIsNotTakenForAChangedOne) {
    FileError error;
    ASSERT_TRUE(
        WriteFileAtomically(Project(), "\xEF\xBB\xBF[Routes]\r\n0001 Caf\xC3\xA9\r\n", error));
    ASSERT_TRUE(lifecycle_.OpenProjectFile(Project()));
    Change();
    shell_.prompter.Clear();
    ASSERT_TRUE(lifecycle_.SaveProject());
    EXPECT_TRUE(shell_.prompter.asked().empty());
    EXPECT_NE(Contents(Project()).find("0001 Caf\xE9"), std::string::npos);
}

class PseudonymiseProjectTest : public ProjectLifecycleTest {
protected:
    PseudonymiseProjectTest() {
        survey_.KentekensList = {"0001 0001 0001 0600-0615 AB12CD  ",
                                 "0001 0001 0001 0615-0630 AB12CD  "};
        survey_.AlgemeneGegevens.observers = "Jan";
        survey_.ProjectPath = PathOf("meting.par");
        survey_.ProjectChanged = true;
        shell_.prompter.QueueFileName(PathOf("codes"));
    }
    std::string KeyPath() const { return PathOf("config/Tavoric/pseudoniem.key"); }
};

TEST_F(PseudonymiseProjectTest, OpensTheCopyAfterTheSaveQuestionAndSaysWhatWasDone) {
    shell_.prompter.QueueAnswer(kNo);  // "Bestand opslaan?" for the original
    ASSERT_TRUE(lifecycle_.PseudonymiseProject({true, false}, KeyPath()));
    EXPECT_EQ(shell_.prompter.fileRequests().at(0).presetName, PathOf("meting-pseudoniem"));
    EXPECT_EQ(survey_.ProjectPath, PathOf("codes.par"));
    EXPECT_EQ(shell_.title, PathOf("codes.par"));
    EXPECT_FALSE(survey_.ProjectChanged);
    EXPECT_EQ(survey_.KentekensList.size(), 2u);
    EXPECT_EQ(survey_.KentekensList[0].substr(24), survey_.KentekensList[1].substr(24));
    EXPECT_EQ(survey_.KentekensList[0].find("AB12CD"), std::string::npos);
    EXPECT_TRUE(survey_.AlgemeneGegevens.observers.empty());
    EXPECT_FALSE(fs::exists(PathOf("meting.par"))) << "the original was not saved";
    const auto& asked = shell_.prompter.asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].kind, DialogKind::Information);
    EXPECT_EQ(asked[1].text, FormatText(MessageText("AA00550"), {"2", "1"}) + "\r" +
                                 MessageText("AA00553") + "\r" +
                                 FormatText(MessageText("AA00556"), {KeyPath()}) + "\r" +
                                 FormatText(MessageText("AA00557"), {PathOf("codes.par")}));
}

TEST_F(PseudonymiseProjectTest, CancellingTheSaveQuestionKeepsTheOriginalOpen) {
    const Survey original = survey_;
    shell_.prompter.QueueAnswer(kCancel);
    ASSERT_TRUE(lifecycle_.PseudonymiseProject({}, KeyPath()));
    EXPECT_TRUE(fs::exists(PathOf("codes.par")));
    EXPECT_EQ(survey_.ProjectPath, original.ProjectPath);
    EXPECT_EQ(survey_.KentekensList, original.KentekensList);
    EXPECT_TRUE(survey_.ProjectChanged);
    EXPECT_TRUE(shell_.prompter.asked().back().text.ends_with(
        FormatText(MessageText("AA00558"), {PathOf("codes.par")})));
}

TEST_F(PseudonymiseProjectTest, NeverWritesOverTheProjectsOwnFile) {
    shell_.prompter.Clear();
    ScriptedPrompter unused;
    ASSERT_TRUE(WriteProjectFile(survey_, survey_.ProjectPath, unused));
    survey_.ProjectChanged = true;
    const std::string before = Contents(survey_.ProjectPath);
    shell_.prompter.QueueFileName(survey_.ProjectPath);
    shell_.prompter.QueueAnswer(kYes);  // replace the existing file
    EXPECT_FALSE(lifecycle_.PseudonymiseProject({}, KeyPath()));
    EXPECT_EQ(shell_.prompter.asked().back().text,
              FormatText(MessageText("AA00567"), {survey_.ProjectPath}));
    EXPECT_EQ(Contents(survey_.ProjectPath), before);
    EXPECT_TRUE(survey_.ProjectChanged);
}

TEST_F(PseudonymiseProjectTest, ACancelledFileDialogDoesNothing) {
    shell_.prompter.Clear();
    shell_.prompter.QueueCancelledFileDialog();
    EXPECT_FALSE(lifecycle_.PseudonymiseProject({}, KeyPath()));
    EXPECT_TRUE(shell_.prompter.asked().empty());
    EXPECT_FALSE(fs::exists(KeyPath()));
}

TEST(ProjectPathFromArguments, JoinsWithBlanksDropsQuotesAndTrims) {
    EXPECT_EQ(ProjectPathFromArguments({}), "");
    EXPECT_EQ(ProjectPathFromArguments({"/data/Mijn", "onderzoek/plan.par"}),
              "/data/Mijn onderzoek/plan.par");
    EXPECT_EQ(ProjectPathFromArguments({"\"/data/Mijn onderzoek/plan.par\""}),
              "/data/Mijn onderzoek/plan.par");
    EXPECT_EQ(ProjectPathFromArguments({"  ", "\" plan.par \""}), "plan.par");
}

TEST(StartRequestFromArguments, HelpAndVersionWinOverAProjectName) {
    EXPECT_EQ(StartRequestFromArguments({}), StartRequest::kOpenWindows);
    EXPECT_EQ(StartRequestFromArguments({"/data/plan.par"}), StartRequest::kOpenWindows);
    EXPECT_EQ(StartRequestFromArguments({"--diagnostic", "plan.par"}), StartRequest::kOpenWindows);
    EXPECT_EQ(StartRequestFromArguments({"--help"}), StartRequest::kPrintUsage);
    EXPECT_EQ(StartRequestFromArguments({"plan.par", "-h"}), StartRequest::kPrintUsage);
    EXPECT_EQ(StartRequestFromArguments({"--version"}), StartRequest::kPrintVersion);
    EXPECT_EQ(DesktopVersionText().rfind("tavoric " + std::to_string(kVersionMajor) + "." +
                                             std::to_string(kVersionMinor) + "." +
                                             std::to_string(kVersionRelease) + " (build ",
                                         0),
              0u);
}

TEST(StartRequestFromArguments, AnUnknownOptionIsAnsweredOnTheTerminalQtOptionsPass) {
    EXPECT_EQ(StartRequestFromArguments({"--bogus"}), StartRequest::kUnknownOption);
    EXPECT_EQ(UnknownDesktopOption({"plan.par", "--bogus=1", "--other"}), "--bogus=1");
    EXPECT_EQ(StartRequestFromArguments({"--bogus", "--help"}), StartRequest::kPrintUsage);
    for (const std::vector<std::string>& passes :
         {std::vector<std::string>{"-style", "fusion", "plan.par"},
          {"--platform=offscreen"},
          {"--diagnostic"},
          {"--", "--strange name.par"},
          {"-"}}) {
        EXPECT_EQ(StartRequestFromArguments(passes), StartRequest::kOpenWindows) << passes.front();
    }
}

TEST(CommandStates, FollowTheListsTheChangedMarkAndTheReportWindows) {
    Survey survey;
    CommandStates states = CommandStatesFor(survey, 0);
    EXPECT_EQ(states.projectLabel, survey.AlgemeneGegevens.surveyArea);
    for (const char* name : {"Opslaan1", "Sectie1", "Parkeerplaats1", "PPEgenereren1", "Kentekens1",
                             "ToolButton24", "Afdrukken1", "Vorige1"}) {
        EXPECT_FALSE(states.Enabled(name)) << name;
    }
    survey.ProjectChanged = true;
    survey.RoutesList = {"r"};
    survey.KentekensList = {"k"};
    states = CommandStatesFor(survey, 1);
    for (const char* name : {"Opslaan1", "ToolButton6", "Sectie1", "ToolButton10", "Kentekens1",
                             "Waarnemingsformuliergenereren1", "ToolButton23", "Opmaak1",
                             "Allevensterssluiten1", "ToolButton3"}) {
        EXPECT_TRUE(states.Enabled(name)) << name;
    }
    EXPECT_FALSE(states.Enabled("Parkeerplaats1"));
    EXPECT_FALSE(states.Enabled("Volgende1"));
    EXPECT_TRUE(CommandStatesFor(survey, 2).Enabled("ToolButton19"));
}

}  // namespace
}  // namespace tavoric
