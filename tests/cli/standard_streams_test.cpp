// SPDX-License-Identifier: GPL-3.0-or-later
// "-" as an output is standard output for every output option: the very bytes of the file, and
// nothing else there; two outputs cannot both be "-".
#include <gtest/gtest.h>

#include <fstream>

#include "charts/chart_images.h"
#include "cli_test_support.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {
namespace {

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";
const std::string kDemoStreets = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.geojson";

using StandardStreamsTest = ToolFolderTest;

// The command's words with "-" where the output goes; the same run with a file there must give
// those bytes.
struct OutputCase {
    std::vector<std::string> words;
    int status = kExitOk;
};

TEST_F(StandardStreamsTest, DashGivesTheFileBytesOnStandardOutput) {
    std::ofstream(PathOf("rijen.csv"), std::ios::binary)
        << "route,sectie,plaats,tijd,kenteken\r\n1,1,1,0600,AB12CD\r\n99,1,1,0600,AB12CD\r\n";
    std::vector<OutputCase> cases = {
        {{"save", kDemo, "-"}},
        {{"demo", "-", "--places", "4", "--seed", "7"}},
        {{"per-place", kDemo, "--routes", "0001", "--table-csv", "-"}},
        {{"per-place", kDemo, "--xlsx", "-"}},
        {{"interval", kDemo, "--routes", "0002", "--detail-csv", "-"}},
        {{"motive", kDemo, "--csv", "-"}},
        {{"motive", kDemo, "--totals-csv", "-"}},
        {{"motive", kDemo, "--sections-csv", "-"}},
        {{"chart", kDemo, "--kind", "sections", "--csv", "-"}},
        {{"compare", kDemo, kDemo, "--kind", "motive", "--csv", "-"}},
        {{"map", kDemo, "--geometry", kDemoStreets, "--geojson", "-"}},
        {{"export-observations", kDemo, "--csv", "-"}},
        {{"rapport", kDemo, "--summary-csv", "-"}},
        {{"pseudonymise", kDemo, "-", "--clear-observers"}},
        {{"import-observations", kDemo, PathOf("rijen.csv"), "--out", PathOf("nieuw.par"),
          "--report", "-"},
         kExitRowsReported},
    };
    if (ChartDrawing::Available()) {
        cases.push_back({{"chart", kDemo, "--kind", "occupancy", "--svg", "-"}});
        cases.push_back({{"map", kDemo, "--geometry", kDemoStreets, "--png", "-"}});
    }
    for (const OutputCase& dashed : cases) {
        const ToolRun toStandardOutput = RunTool(dashed.words);
        ASSERT_EQ(toStandardOutput.status, dashed.status)
            << dashed.words[0] << toStandardOutput.err;
        std::vector<std::string> toFile = dashed.words;
        *std::find(toFile.begin(), toFile.end(), "-") = PathOf("uit");
        const ToolRun run = RunTool(toFile);
        ASSERT_EQ(run.status, dashed.status) << dashed.words[0] << run.err;
        EXPECT_EQ(toStandardOutput.out, FileContent(PathOf("uit"))) << dashed.words[0];
        std::filesystem::remove(PathOf("uit"));
    }
}

TEST_F(StandardStreamsTest, APseudonymisedCopyOnStandardOutputKeepsTheKeyHandling) {
    // A named key file that is missing is not made, and nothing is written.
    const std::string named = PathOf("geen.key");
    const ToolRun missing = RunTool({"pseudonymise", kDemo, "-", "--key-file", named});
    EXPECT_EQ(missing.status, kExitFileError);
    EXPECT_EQ(missing.out, "");
    EXPECT_FALSE(std::filesystem::exists(named));
    // The user's key is made on first use; what was done goes to stderr, the copy alone to stdout.
    const ToolRun created = RunTool({"pseudonymise", kDemo, "-", "--clear-notes"});
    ASSERT_EQ(created.status, kExitOk) << created.err;
    const std::string key = ConfigFolder() + "Tavoric/pseudoniem.key";
    EXPECT_NE(created.err.find(Cp1252ToUtf8(FormatText(MessageText("AA00556"), {key}))),
              std::string::npos)
        << created.err;
    EXPECT_NE(created.err.find(Cp1252ToUtf8(MessageText("AA00554"))), std::string::npos);
    // That key, named, gives the same copy in a file; standard input is never the same file.
    const ToolRun toFile =
        RunTool({"pseudonymise", kDemo, PathOf("codes.par"), "--key-file", key, "--clear-notes"});
    ASSERT_EQ(toFile.status, kExitOk) << toFile.err;
    EXPECT_EQ(created.out, FileContent(PathOf("codes.par")));
}

TEST_F(StandardStreamsTest, TwoOutputsOnStandardOutputAreRefusedByName) {
    const std::vector<std::vector<std::string>> cases = {
        {"chart", kDemo, "--kind", "sections", "--csv", "-", "--xlsx", "-"},
        {"compare", kDemo, kDemo, "--kind", "motive", "--csv", "-", "--svg", "-"},
        {"map", kDemo, "--geometry", kDemoStreets, "--geojson", "-", "--pdf", "-"},
        {"motive", kDemo, "--totals-csv", "-", "--sections-csv", "-"},
        {"per-place", kDemo, "--table-csv", "-", "--xlsx", "-"},
        {"export-observations", kDemo, "--csv", "-", "--xlsx", "-"},
        {"motive", kDemo, "--txt", "-", "--csv", "-"},
        {"rapport", kDemo, "--summary-csv", "-", "--odt", "-"},
    };
    for (const std::vector<std::string>& words : cases) {
        const ToolRun run = RunTool(words);
        EXPECT_EQ(run.status, kExitUsage) << words[0];
        EXPECT_EQ(run.out, "") << words[0];
        EXPECT_NE(run.err.find("standaarduitvoer"), std::string::npos) << run.err;
        for (const std::string& word : words) {
            if (word.starts_with("--") && word != "--kind" && word != "--geometry") {
                EXPECT_NE(run.err.find(word), std::string::npos) << words[0] << ": " << run.err;
            }
        }
    }
}

}  // namespace
}  // namespace tavoric
