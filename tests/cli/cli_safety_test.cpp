// SPDX-License-Identifier: GPL-3.0-or-later
// The command line never writes over its input, pipes reports, refuses doubled options and
// tells when standard output or memory fails.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "cli_test_support.h"
#include "core/backups.h"
#include "core/codec.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

class CliSafetyTest : public ToolFolderTest {
protected:
    void SetUp() override {
        ToolFolderTest::SetUp();
        ::setenv("XDG_STATE_HOME", PathOf("state").c_str(), 1);
        ASSERT_EQ(RunTool({"demo", Project(), "--places", "12"}).status, kExitOk);
        original_ = FileContent(Project());
    }
    void TearDown() override {
        ::unsetenv("XDG_STATE_HOME");
        ToolFolderTest::TearDown();
    }
    std::string Project() const { return PathOf("wijk.par"); }
    std::string original_;
};

TEST_F(CliSafetyTest, NoOutputMayBeTheInputFile) {
    const std::string sameName = folder_.string() + "/./wijk.par";
    fs::create_symlink(Project(), PathOf("link.par"));
    const std::vector<std::vector<std::string>> runs = {
        {"per-place", Project(), "--txt", Project()},
        {"interval", Project(), "--csv", sameName},
        {"input", Project(), "--txt", PathOf("link.par")},
        {"form", Project(), "--txt", Project()},
        {"notes", Project(), "--txt", sameName},
        {"chart", Project(), "--kind", "occupancy", "--csv", sameName},
    };
    for (const std::vector<std::string>& run : runs) {
        const ToolRun refused = RunTool(run);
        EXPECT_EQ(refused.status, kExitUsage) << run[0];
        EXPECT_NE(refused.err.find("is hetzelfde bestand als \"" + Project() + "\""),
                  std::string::npos)
            << refused.err;
        EXPECT_EQ(FileContent(Project()), original_) << run[0];
    }
    // A hard link is the same file under another name.
    fs::create_hard_link(Project(), PathOf("hard.par"));
    EXPECT_EQ(RunTool({"notes", PathOf("hard.par"), "--txt", Project()}).status, kExitUsage);

    const ToolRun twoOutputs =
        RunTool({"per-place", Project(), "--txt", PathOf("a.txt"), "--csv", PathOf("./a.txt")});
    EXPECT_EQ(twoOutputs.status, kExitUsage);
    EXPECT_FALSE(fs::exists(PathOf("a.txt")));
}

TEST_F(CliSafetyTest, SavingOverTheInputMakesTheBackupsFirst) {
    const std::string backup = PathOf("state/Tavoric/backups/") + BackupFileName(1);
    ASSERT_EQ(RunTool({"save", Project(), PathOf("kopie.par")}).status, kExitOk);
    EXPECT_FALSE(fs::exists(backup)) << "a save to another file is no rewrite";

    ASSERT_EQ(RunTool({"save", Project(), folder_.string() + "/./wijk.par"}).status, kExitOk);
    EXPECT_EQ(FileContent(backup), original_);
    EXPECT_EQ(FileContent(Project()), original_);
}

TEST_F(CliSafetyTest, ADashSendsTheExportFileToStandardOutput) {
    const ToolRun text = RunTool({"notes", Project(), "--txt", "-"});
    ASSERT_EQ(text.status, kExitOk) << text.err;
    ASSERT_EQ(RunTool({"notes", Project(), "--txt", PathOf("n.txt")}).status, kExitOk);
    EXPECT_EQ(text.out, FileContent(PathOf("n.txt")));
    EXPECT_NE(text.out.find("\r\n"), std::string::npos);

    const ToolRun table = RunTool({"per-place", Project(), "--csv", "-"});
    ASSERT_EQ(table.status, kExitOk) << table.err;
    ASSERT_EQ(RunTool({"per-place", Project(), "--csv", PathOf("p.csv")}).status, kExitOk);
    EXPECT_EQ(table.out, FileContent(PathOf("p.csv"))) << "only the table, no report text";

    EXPECT_EQ(RunTool({"per-place", Project(), "--txt", "-", "--csv", "-"}).status, kExitUsage);
}

TEST_F(CliSafetyTest, AnOptionGivenTwiceIsAUsageError) {
    const std::vector<std::vector<std::string>> runs = {
        {"per-place", Project(), "--routes", "0001", "--routes", "0002"},
        {"interval", Project(), "--detail", "--detail"},
        {"input", Project(), "--include", "routes", "--include", "plates"},
        {"form", Project(), "--no-separator", "--no-separator"},
        {"demo", PathOf("d.par"), "--places", "5", "--places", "6"},
    };
    for (const std::vector<std::string>& run : runs) {
        const ToolRun doubled = RunTool(run);
        EXPECT_EQ(doubled.status, kExitUsage) << run[0];
        EXPECT_NE(doubled.err.find("is meer dan eens opgegeven"), std::string::npos) << run[0];
        EXPECT_EQ(doubled.out, "") << run[0];
    }
    EXPECT_FALSE(fs::exists(PathOf("d.par")));
}

// Runs the tool in a child process whose standard output is /dev/full; the exit status and what
// it wrote to stderr.
std::pair<int, std::string> RunWithFullDisk(const std::vector<std::string>& args,
                                            const std::string& errorFile) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int full = ::open("/dev/full", O_WRONLY);
        const int error = ::open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(full, STDOUT_FILENO);
        ::dup2(error, STDERR_FILENO);
        ::_exit(RunCli(args));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    std::string err;
    ReadWholeFile(errorFile, err);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err};
}

TEST_F(CliSafetyTest, OutputThatCannotBeWrittenEndsWithStatusOne) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"info", Project()}, {"--help"}, {"notes", Project()}}) {
        const auto [status, err] = RunWithFullDisk(args, PathOf("err.txt"));
        EXPECT_EQ(status, kExitFileError) << args[0];
        EXPECT_NE(err.find("standaarduitvoer"), std::string::npos) << args[0] << ": " << err;
    }
}

// AddressSanitizer reserves more address space than the limit below allows.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVORIC_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TAVORIC_ADDRESS_SANITIZER 1
#endif

#ifndef TAVORIC_ADDRESS_SANITIZER
// A file far larger than the memory the process may use: a message, not an abort.
TEST_F(CliSafetyTest, RunningOutOfMemoryIsAMessage) {
    const std::string huge = PathOf("groot.par");
    const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_EQ(::ftruncate(fd, off_t{4} << 30), 0);  // sparse: takes no disk space
    ::close(fd);
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{std::uint64_t{1} << 30, std::uint64_t{1} << 30};
        ::setrlimit(RLIMIT_AS, &limit);
        const int error = ::open(PathOf("err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(error, STDERR_FILENO);
        ::_exit(RunCli({"info", huge}));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kExitFileError);
    EXPECT_EQ(FileContent(PathOf("err.txt")), "Kan bestand \"" + huge +
                                                  "\" niet openen.\nNiet genoeg geheugen voor "
                                                  "deze opdracht.\n");
}
#endif

}  // namespace
}  // namespace tavoric
