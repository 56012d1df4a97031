// SPDX-License-Identifier: GPL-3.0-or-later
#include "privacy/pseudonym_key.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "../core/temp_folder.h"
#include "core/atomic_file.h"
#include "core/file_messages.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {
namespace {

class PseudonymKeyTest : public TempFolderTest {
protected:
    mode_t ModeOf(const std::string& path) const {
        struct stat status {};
        EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
        return status.st_mode & 0777;
    }
    void Write(const std::string& path, const std::string& content) {
        FileError error;
        ASSERT_TRUE(WriteFileAtomically(path, content, error)) << FileErrorReason(error);
    }
    std::string Content(const std::string& path) {
        std::string content;
        EXPECT_TRUE(ReadWholeFile(path, content));
        return content;
    }
};

TEST_F(PseudonymKeyTest, FirstUseMakesAPrivateRandomKeyThatLaterRunsRead) {
    const std::string path = PathOf("config/Tavoric/pseudoniem.key");
    const KeyFileResult made = ReadOrCreateKeyFile(path);
    ASSERT_TRUE(made.key) << made.message;
    EXPECT_TRUE(made.created);
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(ModeOf(PathOf("config")), 0700u);
    EXPECT_EQ(ModeOf(PathOf("config/Tavoric")), 0700u);
    EXPECT_EQ(Content(path).size(), kPseudonymKeySize);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_ / "config/Tavoric"),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file left";
    const KeyFileResult read = ReadOrCreateKeyFile(path);
    ASSERT_TRUE(read.key);
    EXPECT_FALSE(read.created);
    EXPECT_EQ(read.key->bytes(), made.key->bytes());
    // Another user's first key is another key.
    const KeyFileResult other = ReadOrCreateKeyFile(PathOf("other/pseudoniem.key"));
    ASSERT_TRUE(other.key);
    EXPECT_NE(other.key->bytes(), made.key->bytes());
}

TEST_F(PseudonymKeyTest, KeyFilesOfTheWrongSizeAreRefusedAndKept) {
    for (const std::size_t size : {0, 31, 33, 4096}) {
        SCOPED_TRACE(size);
        const std::string path = PathOf("pseudoniem.key");
        const std::string content(size, 'k');
        Write(path, content);
        const std::string expected =
            FormatText(MessageText("AA00562"), {path, std::to_string(size)});
        EXPECT_EQ(ReadKeyFile(path).message, expected);
        const KeyFileResult result = ReadOrCreateKeyFile(path);
        EXPECT_FALSE(result.key);
        EXPECT_EQ(result.message, expected);
        EXPECT_EQ(Content(path), content);
    }
}

TEST_F(PseudonymKeyTest, AKeyOthersMayReadIsRefusedWithTheFix) {
    const std::string path = PathOf("pseudoniem.key");
    ASSERT_TRUE(ReadOrCreateKeyFile(path).key);
    for (const mode_t mode : {0644, 0640, 0604, 0620}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        const KeyFileResult result = ReadOrCreateKeyFile(path);
        EXPECT_FALSE(result.key);
        EXPECT_EQ(result.message, FormatText(MessageText("AA00570"), {path, path}));
        EXPECT_NE(result.message.find("chmod 600"), std::string::npos);
    }
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    EXPECT_TRUE(ReadKeyFile(path).key);
}

TEST_F(PseudonymKeyTest, MissingFilesAndFoldersAreRefused) {
    const KeyFileResult missing = ReadKeyFile(PathOf("geen.key"));
    EXPECT_FALSE(missing.key);
    EXPECT_TRUE(
        missing.message.starts_with(FormatText(MessageText("AA00560"), {PathOf("geen.key"), ""})));
    EXPECT_FALSE(std::filesystem::exists(PathOf("geen.key")));
    EXPECT_EQ(ReadOrCreateKeyFile(folder_.string()).message,
              FormatText(MessageText("AA00561"), {folder_.string()}));
}

}  // namespace
}  // namespace tavoric
