// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/private_state_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

// An absolute path from the environment, or nothing.
const char* AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : nullptr;
}

// Creates one folder level with 0700; an existing one is fine.
bool MakeFolderLevel(const std::string& folder, std::string& errorText) {
    if (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) {
        return true;
    }
    errorText = std::strerror(errno);
    return false;
}

}  // namespace

std::string PrivateStateFolder(std::string_view subfolder) {
    std::string base;
    if (const char* stateHome = AbsoluteFromEnvironment("XDG_STATE_HOME")) {
        base = WithTrailingDelimiter(stateHome);
    } else if (const char* home = AbsoluteFromEnvironment("HOME")) {
        base = WithTrailingDelimiter(home) + ".local/state/";
    } else {
        return "";
    }
    return base + std::string(kProductName) + "/" + std::string(subfolder) + "/";
}

bool MakePrivateFolder(const std::string& folder, std::string& errorText) {
    std::filesystem::path target = std::filesystem::path(folder).lexically_normal();
    if (!target.has_filename()) {
        target = target.parent_path();  // "a/b/" names the folder b, not what b links to
    }
    std::filesystem::path level;
    for (const auto& part : target) {
        level /= part;
        if (!part.empty() && part != "/" && !MakeFolderLevel(level.string(), errorText)) {
            return false;
        }
    }
    struct stat info {};
    const std::string path = target.string();
    if (::lstat(path.c_str(), &info) != 0) {
        errorText = std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
        errorText = std::strerror(EPERM);
        return false;
    }
    if ((info.st_mode & 0777) != 0700 && ::chmod(path.c_str(), 0700) != 0) {
        errorText = std::strerror(errno);
        return false;
    }
    return true;
}

bool ProvideRuntimeFolder(const std::string& tempFolder) {
    if (const char* set = std::getenv("XDG_RUNTIME_DIR"); set != nullptr && set[0] != '\0') {
        return true;
    }
    const std::string folder =
        WithTrailingDelimiter(tempFolder) + "runtime-" + std::to_string(::getuid());
    std::string errorText;
    return MakePrivateFolder(folder, errorText) &&
           ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1) == 0;
}

bool ProvideRuntimeFolder() {
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    return !error && ProvideRuntimeFolder(temp.string());
}

}  // namespace tavoric
