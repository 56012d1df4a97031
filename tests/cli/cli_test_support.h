// Running tavoric-cli's commands in the test process and catching what they print.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace tavoric {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline ToolRun RunTool(const std::vector<std::string>& args) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = RunCli(args);
    std::string out = ::testing::internal::GetCapturedStdout();
    return {status, out, ::testing::internal::GetCapturedStderr()};
}

// A fresh folder per test for the files the commands write.
class ToolFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tavoric-cli-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                   "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

}  // namespace tavoric
