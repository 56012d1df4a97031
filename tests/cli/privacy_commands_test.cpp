// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>

#include "cli/command_input.h"
#include "cli_test_support.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {
namespace {

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";

class PseudonymiseCommandTest : public ToolFolderTest {
protected:
    std::string KeyPath() const { return ConfigFolder() + "Tavoric/pseudoniem.key"; }
};

TEST_F(PseudonymiseCommandTest, WritesACodedCopyWithTheUsersKey) {
    const std::string out = PathOf("codes.par");
    const ToolRun run = RunTool({"pseudonymise", kDemo, out, "--clear-notes"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_NE(run.out.find(Cp1252ToUtf8(MessageText("AA00554"))), std::string::npos);
    EXPECT_NE(run.out.find(Cp1252ToUtf8(FormatText(MessageText("AA00556"), {KeyPath()}))),
              std::string::npos);
    struct stat status {};
    ASSERT_EQ(::stat(KeyPath().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    // The same key, found again or named, gives the same file.
    const std::string again = PathOf("again.par");
    ASSERT_EQ(
        RunTool({"pseudonymise", "--key-file", KeyPath(), kDemo, again, "--clear-notes"}).status,
        kExitOk);
    EXPECT_EQ(FileContent(again), FileContent(out));
    EXPECT_NE(FileContent(out), FileContent(kDemo));
}

TEST_F(PseudonymiseCommandTest, PrintsHowManyPlatesWereReplaced) {
    Survey demo;
    ASSERT_TRUE(OpenSurvey(kDemo, demo));
    std::set<std::string_view> distinct;
    std::size_t plates = 0;
    for (const std::string_view line : demo.KentekensList) {
        if (!TrimBlanks(PpePlate(line)).empty()) {
            distinct.insert(TrimBlanks(PpePlate(line)));
            ++plates;
        }
    }
    const ToolRun run = RunTool({"pseudonymise", kDemo, PathOf("codes.par")});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              FormatText(MessageText("AA00550"),
                         {std::to_string(plates), std::to_string(distinct.size())}));
    EXPECT_EQ(run.out.find(Cp1252ToUtf8(MessageText("AA00554"))), std::string::npos);
}

TEST_F(PseudonymiseCommandTest, RefusesToWriteOverTheInput) {
    const std::string in = PathOf("meting.par");
    ASSERT_EQ(RunTool({"save", kDemo, in}).status, kExitOk);
    const std::string before = FileContent(in);
    const ToolRun run = RunTool({"pseudonymise", in, in});
    EXPECT_EQ(run.status, kExitFileError);
    EXPECT_NE(run.err.find(FormatText(MessageText("AA00567"), {in})), std::string::npos) << run.err;
    EXPECT_EQ(FileContent(in), before);
}

TEST_F(PseudonymiseCommandTest, AKeyFileOfTheWrongSizeWritesNothing) {
    const std::string key = PathOf("kort.key");
    FileError error;
    ASSERT_TRUE(WriteFileAtomically(key, "te kort", error));
    const ToolRun run = RunTool({"pseudonymise", kDemo, PathOf("codes.par"), "--key-file", key});
    EXPECT_EQ(run.status, kExitFileError);
    EXPECT_NE(run.err.find(FormatText(MessageText("AA00562"), {key, "7"})), std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(PathOf("codes.par")));
    EXPECT_FALSE(std::filesystem::exists(KeyPath()));
}

TEST_F(PseudonymiseCommandTest, WrongUseShowsTheUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"pseudonymise", kDemo},
             {"pseudonymise", kDemo, "a.par", "b.par"},
             {"pseudonymise", kDemo, "a.par", "--clear-notes", "--clear-notes"},
             {"pseudonymise", kDemo, "a.par", "--key-file"},
             {"pseudonymise", kDemo, "a.par", "--shorten"}}) {
        EXPECT_EQ(RunTool(args).status, kExitUsage) << args.back();
    }
    EXPECT_FALSE(std::filesystem::exists(KeyPath()));
}

}  // namespace
}  // namespace tavoric
