// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh, empty folder for one test's files, removed with everything in it afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace tavoric {

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tavoric-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                   "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

}  // namespace tavoric
