// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "app/project_lifecycle.h"
#include "app/recovery_keeper.h"
#include "core/atomic_file.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

class Shell : public ProjectShell {
public:
    Prompter& CurrentPrompter() override { return prompter; }
    BackupSettings CurrentBackupSettings() override { return {false, ""}; }
    void CloseAllReportWindows() override {}
    void SetTitle(const std::string& fileName) override { title = fileName; }
    void UpdateCommandStates(bool) override {}

    ScriptedPrompter prompter;
    std::string title;
};

constexpr const char* kRoute = "0001 Centrum                            15";

class RecoveryTest : public ::testing::Test {
protected:
    RecoveryTest()
        : folder_(fs::temp_directory_path() /
                  ("tavoric_recovery_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        SetDefaultMessageTexts();
        StartKeeper("first run");
        lifecycle_.ResetToNewProject();
    }
    ~RecoveryTest() override { fs::remove_all(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    std::string RecoveryFolderPath() const { return PathOf("recovery") + "/"; }

    // A project on disk, opened, then changed and copied as the desktop would after a minute.
    void OpenChangeAndCopy(const std::string& path) {
        Survey saved;
        saved.ResetToNew(NewProjectFileName());
        ASSERT_TRUE(WriteProjectFile(saved, path, shell_.prompter));
        ASSERT_TRUE(lifecycle_.OpenProjectFile(path));
        ChangeAndCopy();
    }

    void ChangeAndCopy() {
        survey_.RoutesList.push_back(kRoute);
        survey_.ProjectChanged = true;
        keeper_->SurveyChanged();
        keeper_->WriteCopy(survey_);
        keeper_->Flush();
    }

    std::vector<RecoveryCopy> Copies() const { return keeper_->Folder().List(); }

    void StartKeeper(const std::string& runId) {
        keeper_.reset();
        keeper_ = std::make_unique<RecoveryKeeper>(RecoveryFolderPath(), runId, 60);
        lifecycle_.SetRecoveryKeeper(keeper_.get());
    }

    // The project a.par changed and copied, then the program killed and started again.
    std::string ProjectOfAKilledRun() {
        const std::string project = PathOf("a.par");
        OpenChangeAndCopy(project);
        StartAgain();
        return project;
    }

    // What a fresh program run finds after this one was killed.
    void StartAgain() {
        StartKeeper("second run");
        survey_ = Survey{};
        lifecycle_.ResetToNewProject();
        shell_.prompter.Clear();
    }

    fs::path folder_;
    Survey survey_;
    Shell shell_;
    ProjectLifecycle lifecycle_{survey_, shell_};
    std::unique_ptr<RecoveryKeeper> keeper_;
};

TEST_F(RecoveryTest, RestoredCopyOpensUnderTheOriginalPathAndSaveWritesThere) {
    const std::string project = PathOf("Demodorp.par");
    OpenChangeAndCopy(project);
    StartAgain();

    shell_.prompter.QueueAnswer(kYes);  // "&Herstellen"
    ASSERT_TRUE(lifecycle_.OpenProjectFile(project));
    ASSERT_EQ(shell_.prompter.asked().size(), 1u);
    const auto& question = shell_.prompter.asked()[0];
    EXPECT_EQ(question.heading, "Herstelbestand gevonden");
    EXPECT_NE(question.text.find(project), std::string::npos);
    EXPECT_EQ(question.captions.yes, "&Herstellen");
    EXPECT_EQ(question.captions.no, "&Verwijderen");
    EXPECT_EQ(question.captions.cancel, "&Later");
    EXPECT_EQ(survey_.RoutesList, LineList{kRoute});
    EXPECT_EQ(survey_.ProjectPath, project);
    EXPECT_TRUE(survey_.ProjectChanged);
    EXPECT_EQ(shell_.title, project);

    // The restored copy is this run's copy now: saving writes the file and removes it.
    ASSERT_TRUE(lifecycle_.SaveProject());
    keeper_->Flush();
    EXPECT_TRUE(Copies().empty());
    Survey reread;
    reread.ResetToNew(NewProjectFileName());
    ASSERT_TRUE(ReadProjectFile(reread, project, shell_.prompter));
    EXPECT_EQ(reread.RoutesList, LineList{kRoute});
}

TEST_F(RecoveryTest, DeleteAndLaterBothOpenTheFileAsSaved) {
    const std::string project = ProjectOfAKilledRun();

    shell_.prompter.QueueAnswer(kCancel);  // "&Later"
    ASSERT_TRUE(lifecycle_.OpenProjectFile(project));
    EXPECT_TRUE(survey_.RoutesList.empty());
    EXPECT_FALSE(survey_.ProjectChanged);
    EXPECT_EQ(Copies().size(), 1u);
    lifecycle_.OfferRecoveryCopies();  // start-up after the command line's project
    EXPECT_EQ(shell_.prompter.asked().size(), 1u);

    lifecycle_.ResetToNewProject();
    shell_.prompter.QueueAnswer(kNo);  // "&Verwijderen"
    shell_.prompter.QueueAnswer(kNo);  // "&Niet verwijderen"
    ASSERT_TRUE(lifecycle_.OpenProjectFile(project));
    const auto& confirmation = shell_.prompter.asked().back();
    EXPECT_EQ(confirmation.heading, "Herstelbestand verwijderen?");
    EXPECT_FALSE(confirmation.captions.withCancel);
    EXPECT_EQ(confirmation.defaultButton, kDefaultNo);
    EXPECT_EQ(Copies().size(), 1u);

    lifecycle_.ResetToNewProject();
    shell_.prompter.QueueAnswer(kNo);   // "&Verwijderen"
    shell_.prompter.QueueAnswer(kYes);  // "&Verwijderen" once more
    ASSERT_TRUE(lifecycle_.OpenProjectFile(project));
    EXPECT_TRUE(survey_.RoutesList.empty());
    EXPECT_TRUE(Copies().empty());
}

// A sync tool, a backup put back or another program's save touched the file after the crash:
// the copy is offered all the same, with both times.
TEST_F(RecoveryTest, CopyOlderThanTheFileIsStillOfferedWithBothTimes) {
    const std::string project = ProjectOfAKilledRun();
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    std::string content;
    ASSERT_TRUE(ReadWholeFile(project, content));
    FileError error;
    ASSERT_TRUE(WriteFileAtomically(project, content, error));  // saved by another program

    shell_.prompter.QueueAnswer(kYes);  // "&Herstellen"
    ASSERT_TRUE(lifecycle_.OpenProjectFile(project));
    ASSERT_EQ(shell_.prompter.asked().size(), 1u);
    const std::string& text = shell_.prompter.asked()[0].text;
    EXPECT_NE(text.find("is gewijzigd na dit herstelbestand"), std::string::npos);
    EXPECT_EQ(survey_.RoutesList, LineList{kRoute});
}

// "Later" keeps the copy however many copies this run writes of the same project, and the
// copy is offered again at the next start.
TEST_F(RecoveryTest, LaterKeepsTheCopyWholeThroughLaterCopiesOfTheProject) {
    const std::string project = ProjectOfAKilledRun();
    shell_.prompter.QueueAnswer(kCancel);  // "&Later"
    ASSERT_TRUE(lifecycle_.OpenProjectFile(project));
    for (int copy = 0; copy < 4; ++copy) {
        survey_.SectiesList.push_back("0001 000" + std::to_string(copy) + " Markt");
        ChangeAndCopy();
    }
    StartKeeper("third run");
    survey_ = Survey{};
    lifecycle_.ResetToNewProject();
    shell_.prompter.Clear();

    shell_.prompter.QueueAnswer(kCancel);  // the second run's copy: "&Later"
    shell_.prompter.QueueAnswer(kYes);     // the deferred copy: "&Herstellen"
    ASSERT_TRUE(lifecycle_.OpenProjectFile(project));
    ASSERT_EQ(shell_.prompter.asked().size(), 2u);
    EXPECT_EQ(survey_.RoutesList, LineList{kRoute});
    EXPECT_TRUE(survey_.SectiesList.empty());
}

// Two programs with the same project open: neither one's copy nor its "Niet opslaan" touches
// the other's.
TEST_F(RecoveryTest, TwoProgramsKeepTheirOwnCopiesOfOneProject) {
    const std::string project = PathOf("a.par");
    OpenChangeAndCopy(project);
    RecoveryKeeper other(RecoveryFolderPath(), "other run", 60);
    Survey elsewhere = survey_;
    elsewhere.RoutesList.push_back("0002 Haven");
    other.WriteCopy(elsewhere);
    other.Flush();

    shell_.prompter.QueueAnswer(kNo);  // "&Niet opslaan" here
    ASSERT_TRUE(lifecycle_.CloseProject());
    keeper_->Flush();
    EXPECT_TRUE(Copies().empty());  // the other program's copy is held, not gone
    other.DiscardCopy();
}

TEST_F(RecoveryTest, SaveAndNotSavingBothRemoveTheCopy) {
    const std::string project = PathOf("a.par");
    OpenChangeAndCopy(project);
    ASSERT_FALSE(fs::is_empty(RecoveryFolderPath()));
    ASSERT_TRUE(lifecycle_.SaveProject());
    keeper_->Flush();
    EXPECT_TRUE(fs::is_empty(RecoveryFolderPath()));

    ChangeAndCopy();
    shell_.prompter.QueueAnswer(kNo);  // "&Niet opslaan"
    ASSERT_TRUE(lifecycle_.CloseProject());
    keeper_->Flush();
    EXPECT_TRUE(fs::is_empty(RecoveryFolderPath()));
}

// A change right after a save gets a copy that other programs do not offer while this one runs.
TEST_F(RecoveryTest, CopyRightAfterASaveIsHeldByThisRun) {
    OpenChangeAndCopy(PathOf("a.par"));
    ASSERT_TRUE(lifecycle_.SaveProject());
    ChangeAndCopy();
    EXPECT_FALSE(fs::is_empty(RecoveryFolderPath()));
    EXPECT_TRUE(Copies().empty());
}

TEST_F(RecoveryTest, NeverSavedProjectIsRestoredAsNewAndSaveAsRemovesItsCopy) {
    ChangeAndCopy();
    StartAgain();

    shell_.prompter.QueueAnswer(kYes);
    lifecycle_.OfferRecoveryCopies();
    ASSERT_EQ(shell_.prompter.asked().size(), 1u);
    EXPECT_NE(shell_.prompter.asked()[0].text.find("nooit is opgeslagen"), std::string::npos);
    EXPECT_EQ(survey_.ProjectPath, NewProjectFileName());
    EXPECT_EQ(survey_.RoutesList, LineList{kRoute});
    EXPECT_TRUE(survey_.ProjectChanged);

    shell_.prompter.QueueFileName(PathOf("named"));
    ASSERT_TRUE(lifecycle_.SaveProject());
    keeper_->Flush();
    EXPECT_TRUE(fs::exists(PathOf("named.par")));
    EXPECT_TRUE(fs::is_empty(RecoveryFolderPath()));
}

TEST_F(RecoveryTest, RestoringAtStartUpAsksAboutTheChangedOpenProjectFirst) {
    ChangeAndCopy();
    StartAgain();
    survey_.SectiesList.push_back("0001 0001 Markt");
    survey_.ProjectChanged = true;

    shell_.prompter.QueueAnswer(kYes);     // "&Herstellen"
    shell_.prompter.QueueAnswer(kCancel);  // "Bestand opslaan?": "&Annuleren"
    lifecycle_.OfferRecoveryCopies();
    EXPECT_EQ(survey_.SectiesList.size(), 1u);
    EXPECT_EQ(Copies().size(), 1u);
}

TEST_F(RecoveryTest, DamagedCopyIsOfferedForDeletionOnlyAndNeverLoaded) {
    const std::string project = ProjectOfAKilledRun();
    const RecoveryCopy copy = Copies().at(0);
    std::ofstream(RecoveryFolderPath() + copy.name + ".1.par", std::ios::app) << "tail";

    shell_.prompter.QueueAnswer(kNo);  // "&Later"
    lifecycle_.OfferRecoveryCopies();
    ASSERT_EQ(shell_.prompter.asked().size(), 1u);
    EXPECT_EQ(shell_.prompter.asked()[0].heading, "Herstelbestand onleesbaar");
    EXPECT_EQ(shell_.prompter.asked()[0].captions.yes, "&Verwijderen");
    EXPECT_TRUE(survey_.RoutesList.empty());
    EXPECT_EQ(Copies().size(), 1u);

    shell_.prompter.QueueAnswer(kYes);
    ASSERT_TRUE(lifecycle_.OpenProjectFile(project));
    EXPECT_TRUE(survey_.RoutesList.empty());
    EXPECT_TRUE(Copies().empty());
}

// A copy that reads wrong only when restored (same size, other bytes) is not loaded either.
TEST_F(RecoveryTest, CopyChangedOnDiskIsCaughtWhenRestored) {
    const std::string project = ProjectOfAKilledRun();
    const RecoveryCopy copy = Copies().at(0);
    std::string content;
    ASSERT_TRUE(ReadWholeFile(RecoveryFolderPath() + copy.name + ".1.par", content));
    content[content.find("Centrum")] = 'X';
    std::ofstream(RecoveryFolderPath() + copy.name + ".1.par", std::ios::binary) << content;

    shell_.prompter.QueueAnswer(kYes);  // "&Herstellen"
    shell_.prompter.QueueAnswer(kYes);  // "&Verwijderen"
    ASSERT_TRUE(lifecycle_.OpenProjectFile(project));
    EXPECT_TRUE(survey_.RoutesList.empty());
    EXPECT_FALSE(survey_.ProjectChanged);
    EXPECT_TRUE(Copies().empty());
}

TEST_F(RecoveryTest, IntervalZeroWritesNoCopy) {
    keeper_->SetInterval(0);
    ChangeAndCopy();
    EXPECT_FALSE(keeper_->CopyDue());
    EXPECT_FALSE(fs::exists(RecoveryFolderPath()));
}

// Every failed write is counted until one works again; the copy stays due meanwhile.
TEST_F(RecoveryTest, FailedWritesAreCountedInARowAndStayDue) {
    std::ofstream(PathOf("recovery")) << "a file where the folder should be";
    std::vector<RecoveryKeeper::Status> reports;
    keeper_->SetStatusHandler(
        [&reports](const RecoveryKeeper::Status& status) { reports.push_back(status); });
    ChangeAndCopy();
    EXPECT_TRUE(keeper_->CopyDue());
    ChangeAndCopy();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].failuresInRow, 1);
    EXPECT_EQ(reports[1].failuresInRow, RecoveryKeeper::kFailuresBeforeNotice);
    EXPECT_FALSE(reports[1].reason.empty());

    fs::remove(PathOf("recovery"));
    ChangeAndCopy();
    EXPECT_FALSE(keeper_->CopyDue());
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[2].failuresInRow, 0);
    ChangeAndCopy();
    EXPECT_EQ(reports.size(), 3u);  // nothing to tell while writes work
    fs::remove_all(PathOf("recovery"));
    std::ofstream(PathOf("recovery")) << "again";
    ChangeAndCopy();
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[3].failuresInRow, 1);
}

// The questions say what they do: a damaged copy has two buttons, a copy of another project
// than the open one says that project closes and defaults to Later, and never-saved copies
// are told apart by their survey area.
TEST_F(RecoveryTest, RecoveryQuestionsSayWhatTheirButtonsDo) {
    survey_.AlgemeneGegevens.surveyArea = "Haven Noord";
    ChangeAndCopy();
    StartAgain();
    const std::string open = PathOf("open.par");
    Survey saved;
    saved.ResetToNew(NewProjectFileName());
    ASSERT_TRUE(WriteProjectFile(saved, open, shell_.prompter));
    ASSERT_TRUE(lifecycle_.OpenProjectFile(open));
    std::ofstream(RecoveryFolderPath() + "vreemd.info") << "not a side file";

    lifecycle_.OfferRecoveryCopies();  // every question answered by its default
    ASSERT_EQ(shell_.prompter.asked().size(), 2u);
    const auto& offer = shell_.prompter.asked()[0];
    EXPECT_NE(offer.text.find("Haven Noord"), std::string::npos);
    EXPECT_NE(offer.text.find("Herstellen sluit het geopende project \"" + open),
              std::string::npos);
    EXPECT_EQ(offer.defaultButton, kDefaultCancel);  // "&Later"
    const auto& damaged = shell_.prompter.asked()[1];
    EXPECT_EQ(damaged.heading, "Herstelbestand onleesbaar");
    EXPECT_FALSE(damaged.captions.withCancel);
    EXPECT_EQ(damaged.captions.no, "&Later");
    EXPECT_EQ(survey_.ProjectPath, open);
    EXPECT_EQ(Copies().size(), 2u);
}

}  // namespace
}  // namespace tavoric
