// SPDX-License-Identifier: GPL-3.0-or-later
// Running tavoric-cli's commands in the test process and catching what they print.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "../core/temp_folder.h"
#include "analysis/analysis_selection.h"
#include "cli/commands.h"
#include "core/atomic_file.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"

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

inline Survey DemoSurvey() {
    Survey survey;
    ScriptedPrompter prompter;
    EXPECT_TRUE(
        ReadProjectFile(survey, std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par", prompter));
    return survey;
}

// The selection of the dialog's first opening, narrowed to the given routes.
inline AnalysisParameters DemoParameters(const Survey& survey, ReportKind kind,
                                         const std::vector<std::string>& routes) {
    AnalysisSelection selection;
    selection.Open(survey);
    if (!routes.empty()) {
        selection.SelectOnly(survey, NarrowingLevel::Routes, routes);
    }
    return selection.Parameters(survey, kind);
}

// The whole content of a file the command wrote.
inline std::string FileContent(const std::string& path) {
    std::string content;
    EXPECT_TRUE(ReadWholeFile(path, content)) << path;
    return content;
}

// A fresh folder per test for the files the commands write. It is also the user's configuration
// folder, so reports have the default look unless a test writes a settings file there.
class ToolFolderTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) {
            oldConfigHome_ = old;
        }
        ::setenv("XDG_CONFIG_HOME", ConfigFolder().c_str(), 1);
    }
    void TearDown() override {
        if (oldConfigHome_) {
            ::setenv("XDG_CONFIG_HOME", oldConfigHome_->c_str(), 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
        TempFolderTest::TearDown();
    }
    std::string ConfigFolder() const { return folder_.string() + "/"; }

private:
    std::optional<std::string> oldConfigHome_;
};

}  // namespace tavoric
