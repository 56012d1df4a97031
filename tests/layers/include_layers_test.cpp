// SPDX-License-Identifier: GPL-3.0-or-later
// The folders of src/ depend on each other one way only: the engine at the bottom, the desktop
// foundation above it, the windows of each feature above that, and the shell on top. This test
// reads every include of src/ and names the file and line of each one that runs the wrong way.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::set<std::string> kEngine = {"core",     "entry",   "analysis", "reports", "charts",
                                       "document", "privacy", "lang",     "info"};

std::set<std::string> EngineAnd(std::initializer_list<std::string> more) {
    std::set<std::string> folders = kEngine;
    folders.insert(more);
    return folders;
}

// The shell knows every folder but the command-line tool.
const std::set<std::string> kShell =
    EngineAnd({"desktop", "app", "app/ui", "entry/ui", "reports/ui", "analysis/ui", "charts/ui",
               "document/ui", "lang/ui", "info/ui", "privacy/ui"});

// What each folder may include besides itself. A feature's ui/ never includes app/ or another
// feature's ui/; where two features meet, they meet through desktop/desktop_shell.h.
const std::map<std::string, std::set<std::string>>& AllowedIncludes() {
    static const std::map<std::string, std::set<std::string>> allowed = {
        {"core", {}},
        {"entry", {"core"}},
        {"reports", {"core"}},
        {"lang", {"core"}},
        {"info", {"core"}},
        {"privacy", {"core"}},
        {"analysis", {"core", "reports"}},
        {"charts", {"core", "reports", "analysis"}},
        {"document", {"core", "reports", "analysis", "charts"}},
        {"desktop", {"core"}},
        {"entry/ui", EngineAnd({"desktop"})},
        {"reports/ui", EngineAnd({"desktop"})},
        {"analysis/ui", EngineAnd({"desktop"})},
        {"charts/ui", EngineAnd({"desktop"})},
        {"document/ui", EngineAnd({"desktop"})},
        {"lang/ui", EngineAnd({"desktop"})},
        {"info/ui", EngineAnd({"desktop"})},
        {"privacy/ui", EngineAnd({"desktop"})},
        {"app", kShell},
        {"app/ui", kShell},
        {"cli", kEngine},
    };
    return allowed;
}

// "entry/ui/place_form.h" -> "entry/ui", "core/text.h" -> "core"; empty when it names no folder.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find('/');
    if (slash == std::string::npos) {
        return "";
    }
    std::string folder = path.substr(0, slash);
    if (path.compare(slash + 1, 3, "ui/") == 0) {
        folder += "/ui";
    }
    return folder;
}

// The folder of a file of src/; the desktop program's main.cpp belongs to the shell.
std::string FolderOfSource(const std::string& relativePath) {
    return relativePath == "main.cpp" ? "app" : FolderOf(relativePath);
}

bool MayInclude(const std::string& folder, const std::string& include) {
    const std::string target = FolderOf(include);
    if (target.empty()) {
        return false;
    }
    if (target == folder) {
        return true;
    }
    const auto rule = AllowedIncludes().find(folder);
    return rule != AllowedIncludes().end() && rule->second.contains(target);
}

struct Violation {
    std::string file;
    int line;
    std::string include;
};

std::vector<Violation> WrongWayIncludes(const fs::path& sourceRoot) {
    static const std::regex includeLine(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<Violation> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sourceRoot)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) {
            continue;
        }
        const std::string relative = entry.path().lexically_relative(sourceRoot).generic_string();
        const std::string folder = FolderOfSource(relative);
        std::ifstream file(entry.path());
        std::string text;
        std::smatch match;
        for (int number = 1; std::getline(file, text); ++number) {
            if (std::regex_search(text, match, includeLine) && !MayInclude(folder, match[1])) {
                found.push_back({"src/" + relative, number, match[1]});
            }
        }
    }
    return found;
}

TEST(IncludeLayers, RulesFollowTheLayers) {
    EXPECT_TRUE(MayInclude("entry/ui", "entry/ui/numbered_list_form.h"));
    EXPECT_TRUE(MayInclude("entry/ui", "entry/entry_fields.h"));
    EXPECT_TRUE(MayInclude("entry/ui", "desktop/widgets.h"));
    EXPECT_TRUE(MayInclude("info/ui", "lang/language_files.h"));
    EXPECT_FALSE(MayInclude("entry/ui", "app/ui/main_form.h"));
    EXPECT_FALSE(MayInclude("entry/ui", "app/project_lifecycle.h"));
    EXPECT_FALSE(MayInclude("analysis/ui", "entry/ui/place_form.h"));
    EXPECT_FALSE(MayInclude("desktop", "reports/report_document.h"));
    EXPECT_FALSE(MayInclude("desktop", "app/ui/main_form.h"));
    EXPECT_FALSE(MayInclude("core", "reports/report_document.h"));
    EXPECT_FALSE(MayInclude("reports", "analysis/interval_report.h"));
    EXPECT_FALSE(MayInclude("analysis", "charts/chart_data.h"));
    EXPECT_FALSE(MayInclude("charts/ui", "analysis/ui/parkeerduurmeting_form.h"));
    EXPECT_FALSE(MayInclude("cli", "desktop/qt_text.h"));
    EXPECT_FALSE(MayInclude("cli", "app/project_lifecycle.h"));
    EXPECT_FALSE(MayInclude("core", "settings.h"));  // every include starts at src/
    EXPECT_TRUE(MayInclude(FolderOfSource("main.cpp"), "info/ui/info_windows.h"));
    EXPECT_TRUE(MayInclude("app/ui", "reports/ui/report_window.h"));
}

TEST(IncludeLayers, NoIncludeOfSrcRunsTheWrongWay) {
    const fs::path sourceRoot = fs::path(TAVORIC_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(sourceRoot)) << sourceRoot;
    for (const Violation& violation : WrongWayIncludes(sourceRoot)) {
        ADD_FAILURE() << violation.file << ":" << violation.line << ": "
                      << FolderOfSource(violation.file.substr(4)) << " may not include \""
                      << violation.include << "\"";
    }
}

}  // namespace
