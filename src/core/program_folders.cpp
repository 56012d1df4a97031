// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program_folders.h"

#include <filesystem>

#include "core/text.h"

namespace tavoric {

namespace {

// The first of the executable's folder, prefix/installed (for a program in prefix/bin or in
// prefix/libexec/tavoric) and the folder above that holds entry.
std::string FolderHolding(const std::string& executableFolder, const std::string& installed,
                          const std::string& entry) {
    const std::filesystem::path folder = std::filesystem::path(executableFolder).lexically_normal();
    const std::filesystem::path above = folder.parent_path().parent_path();
    for (const std::filesystem::path& candidate :
         {folder, above / installed, above.parent_path() / installed, above}) {
        std::error_code error;
        if (std::filesystem::exists(candidate / entry, error)) {
            return WithTrailingDelimiter(candidate.lexically_normal().string());
        }
    }
    return WithTrailingDelimiter(executableFolder);
}

}  // namespace

std::string ProgramDataFolder(const std::string& executableFolder) {
    return FolderHolding(executableFolder, "share/tavoric", "Lng");
}

std::string ReadMeFolder(const std::string& executableFolder, const std::string& fileName) {
    return FolderHolding(executableFolder, "share/doc/tavoric", fileName);
}

}  // namespace tavoric
