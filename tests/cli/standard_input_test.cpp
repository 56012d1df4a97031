// SPDX-License-Identifier: GPL-3.0-or-later
// "-" as an input is standard input, and a pipe or FIFO named as an input is read to its end: the
// output is that of the file itself. Standard input feeds one input only, a project read from it
// is never written back, and an empty or wrong stream is refused as the file readers refuse.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <thread>

#include "cli_test_support.h"

namespace tavoric {
namespace {

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";
const std::string kDemoStreets = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.geojson";
// Where a case's input goes: "-", a FIFO's path or the file's own path.
const std::string kInput = "<input>";

// Writes content into the write end fd while the command reads, then closes it. A command that
// never reads leaves the writer with a closed pipe, which ends it (SIGPIPE is ignored meanwhile).
class StreamWriter {
public:
    StreamWriter(std::string content, std::function<int()> open)
        : content_(std::move(content)), thread_([this, open] {
              const int fd = open();
              for (std::size_t sent = 0; fd >= 0 && sent < content_.size();) {
                  const ssize_t written =
                      ::write(fd, content_.data() + sent, content_.size() - sent);
                  if (written <= 0) {
                      break;
                  }
                  sent += static_cast<std::size_t>(written);
              }
              if (fd >= 0) {
                  ::close(fd);
              }
              finished_ = true;
          }) {}
    bool Finished() const { return finished_; }
    void Join() { thread_.join(); }

private:
    std::string content_;
    std::atomic<bool> finished_ = false;
    std::thread thread_;
};

class StandardInputTest : public ToolFolderTest {
protected:
    void SetUp() override {
        ToolFolderTest::SetUp();
        oldPipeAction_ = std::signal(SIGPIPE, SIG_IGN);
    }
    void TearDown() override {
        std::signal(SIGPIPE, oldPipeAction_);
        ToolFolderTest::TearDown();
    }

    // The command with content on standard input through a pipe.
    static ToolRun RunWithStandardInput(const std::vector<std::string>& words,
                                        const std::string& content) {
        int ends[2];
        EXPECT_EQ(::pipe(ends), 0);
        const int savedInput = ::dup(STDIN_FILENO);
        ::dup2(ends[0], STDIN_FILENO);
        ::close(ends[0]);
        StreamWriter writer(content, [fd = ends[1]] { return fd; });
        const ToolRun run = RunTool(words);
        ::dup2(savedInput, STDIN_FILENO);  // the pipe's last reader closes
        ::close(savedInput);
        writer.Join();
        return run;
    }

    // The command reading content from a FIFO at fifo.
    static ToolRun RunWithFifo(const std::vector<std::string>& words, const std::string& fifo,
                               const std::string& content) {
        EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        StreamWriter writer(content, [fifo] { return ::open(fifo.c_str(), O_WRONLY); });
        const ToolRun run = RunTool(words);
        // A command that never opened the FIFO leaves the writer waiting for a reader: one that
        // comes and goes lets it go.
        while (!writer.Finished()) {
            ::close(::open(fifo.c_str(), O_RDONLY | O_NONBLOCK));
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        writer.Join();
        std::filesystem::remove(fifo);
        return run;
    }

private:
    void (*oldPipeAction_)(int) = SIG_DFL;
};

std::vector<std::string> With(std::vector<std::string> words, const std::string& input) {
    std::replace(words.begin(), words.end(), kInput, input);
    return words;
}

struct InputCase {
    std::vector<std::string> words;  // kInput where the stream goes
    std::string inputFile;           // what the stream holds
    int status = kExitOk;
};

TEST_F(StandardInputTest, PipeAndFifoGiveTheOutputOfTheFile) {
    std::ofstream(PathOf("rijen.csv"), std::ios::binary)
        << "route,sectie,plaats,tijd,kenteken\r\n1,1,1,0600,AB12CD\r\n1,1,2,0600,XY99ZZ\r\n";
    const std::vector<InputCase> cases = {
        {{"info", kInput}, kDemo},
        {{"save", kInput, "-"}, kDemo},
        {{"per-place", kInput, "--routes", "0001"}, kDemo},
        {{"interval", kInput, "--routes", "0002", "--table-csv", "-"}, kDemo},
        {{"motive", kInput, "--csv", "-"}, kDemo},
        {{"form", kInput}, kDemo},
        {{"chart", kInput, "--kind", "sections", "--csv", "-"}, kDemo},
        {{"compare", kDemo, kInput, "--kind", "sections", "--csv", "-"}, kDemo},
        {{"map", kInput, "--geometry", kDemoStreets, "--geojson", "-"}, kDemo},
        {{"map", kDemo, "--geometry", kInput, "--geojson", "-"}, kDemoStreets},
        {{"rapport", kDemo, "--compare", kInput, "--summary-csv", "-"}, kDemo},
        {{"export-observations", kInput, "--csv", "-"}, kDemo},
        {{"import-observations", kInput, PathOf("rijen.csv"), "--out", "-"},
         kDemo,
         kExitRowsReported},
        {{"import-observations", kDemo, kInput, "--out", "-"},
         PathOf("rijen.csv"),
         kExitRowsReported},
    };
    for (const InputCase& streamed : cases) {
        const ToolRun fromFile = RunTool(With(streamed.words, streamed.inputFile));
        ASSERT_EQ(fromFile.status, streamed.status) << streamed.words[0] << fromFile.err;
        ASSERT_NE(fromFile.out, "") << streamed.words[0];
        const std::string content = FileContent(streamed.inputFile);
        const ToolRun fromPipe = RunWithStandardInput(With(streamed.words, "-"), content);
        EXPECT_EQ(fromPipe.status, streamed.status) << streamed.words[0] << fromPipe.err;
        EXPECT_EQ(fromPipe.out, fromFile.out) << streamed.words[0];
        const std::string fifo = PathOf("invoer");
        const ToolRun fromFifo = RunWithFifo(With(streamed.words, fifo), fifo, content);
        EXPECT_EQ(fromFifo.status, streamed.status) << streamed.words[0] << fromFifo.err;
        EXPECT_EQ(fromFifo.out, fromFile.out) << streamed.words[0];
    }
    // /dev/stdin names the same pipe.
    EXPECT_EQ(RunWithStandardInput({"info", "/dev/stdin"}, FileContent(kDemo)).out,
              RunTool({"info", kDemo}).out);
}

TEST_F(StandardInputTest, StandardInputFeedsOneInputOnly) {
    struct TwiceCase {
        std::vector<std::string> words;
        std::string first;  // the two inputs named in the message
        std::string second;
    };
    const std::vector<TwiceCase> cases = {
        {{"compare", "-", "-", "--kind", "motive", "--csv", "-"}, "A.par", "B.par"},
        {{"compare", kDemo, "-", "--geometry", "-", "--kind", "sections", "--csv", "-", "--geojson",
          PathOf("kaart.geojson")},
         "B.par",
         "--geometry"},
        {{"map", "-", "--geometry", "-", "--geojson", PathOf("kaart.geojson")},
         "PROJECT.par",
         "--geometry"},
        {{"rapport", "-", "--compare", "-", "--summary-csv", PathOf("kern.csv")},
         "PROJECT.par",
         "--compare"},
        {{"rapport", "-", "--geometry", "-", "--summary-csv", PathOf("kern.csv")},
         "PROJECT.par",
         "--geometry"},
        {{"import-observations", "-", "-", "--out", PathOf("nieuw.par")},
         "PROJECT.par",
         "WAARNEMINGEN.csv"},
    };
    for (const TwiceCase& twice : cases) {
        const ToolRun run = RunWithStandardInput(twice.words, FileContent(kDemo));
        EXPECT_EQ(run.status, kExitUsage) << twice.words[0] << run.err;
        EXPECT_EQ(run.out, "") << twice.words[0];
        EXPECT_NE(run.err.find(twice.first + " en " + twice.second +
                               " lezen allebei de "
                               "standaardinvoer"),
                  std::string::npos)
            << run.err;
    }
    for (const char* written : {"kaart.geojson", "kern.csv", "nieuw.par"}) {
        EXPECT_FALSE(std::filesystem::exists(PathOf(written))) << written;
    }
}

TEST_F(StandardInputTest, AStreamedProjectIsNotWrittenBack) {
    std::ofstream(PathOf("rijen.csv"), std::ios::binary)
        << "route,sectie,plaats,tijd,kenteken\r\n1,1,1,0600,AB12CD\r\n";
    const std::vector<std::string> words = {"import-observations", kInput, PathOf("rijen.csv")};
    const ToolRun piped = RunWithStandardInput(With(words, "-"), FileContent(kDemo));
    EXPECT_EQ(piped.status, kExitUsage);
    EXPECT_EQ(piped.out, "");
    EXPECT_NE(piped.err.find("--out"), std::string::npos) << piped.err;
    const std::string fifo = PathOf("project.par");
    const ToolRun fromFifo = RunWithFifo(With(words, fifo), fifo, FileContent(kDemo));
    EXPECT_EQ(fromFifo.status, kExitUsage) << fromFifo.err;
    EXPECT_NE(fromFifo.err.find(fifo), std::string::npos) << fromFifo.err;
    // Not a project saved over itself: passed from standard input to standard output.
    const ToolRun saved = RunWithStandardInput({"save", "-", "-"}, FileContent(kDemo));
    EXPECT_EQ(saved.status, kExitOk) << saved.err;
    EXPECT_EQ(saved.out, FileContent(kDemo));
}

TEST_F(StandardInputTest, EmptyOrWrongStreamsAreRefusedAsFilesAre) {
    const std::string notAProject = "route,sectie,plaats\r\n1,1,1\r\n";
    std::ofstream(PathOf("lijst.csv"), std::ios::binary) << notAProject;
    const std::vector<std::vector<std::string>> commands = {
        {"info", kInput},
        {"save", kInput, PathOf("uit.par")},
        {"per-place", kInput, "--csv", PathOf("uit.csv")},
        {"compare", kDemo, kInput, "--kind", "motive", "--csv", PathOf("uit.csv")},
    };
    for (const std::vector<std::string>& words : commands) {
        const ToolRun fromFile = RunTool(With(words, PathOf("lijst.csv")));
        ASSERT_EQ(fromFile.status, kExitFileError) << words[0];
        for (const std::string& content : {std::string(), notAProject}) {
            const ToolRun piped = RunWithStandardInput(With(words, "-"), content);
            EXPECT_EQ(piped.status, kExitFileError) << words[0];
            EXPECT_EQ(piped.out, "") << words[0];
            std::string expected = fromFile.err;
            expected.replace(expected.find(PathOf("lijst.csv")), PathOf("lijst.csv").size(), "-");
            EXPECT_EQ(piped.err, expected) << words[0];
        }
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("uit.par")));
    EXPECT_FALSE(std::filesystem::exists(PathOf("uit.csv")));
    // The file readers' message for a street file that is no GeoJSON.
    const ToolRun streets = RunWithStandardInput(
        {"map", kDemo, "--geometry", "-", "--geojson", PathOf("kaart.geojson")}, "");
    EXPECT_EQ(streets.status, kExitFileError);
    EXPECT_NE(streets.err.find("\"-\""), std::string::npos) << streets.err;
    EXPECT_FALSE(std::filesystem::exists(PathOf("kaart.geojson")));
}

}  // namespace
}  // namespace tavoric
