// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies: the whole content of a project with unsaved changes, kept in the user's
// private state folder so that a crash, a power cut or a killed program loses at most the last
// minute of typing. Each running program keeps its own copy of a project, named after the
// project's path and the program run, so two programs never overwrite each other's copies; a
// side file records the original path, the time, the program version, the survey area and a
// checksum of the content. The folder is not trusted: no symbolic link in it is followed, and a
// side file that names another path than its copy's name, or a time ahead of the clock, makes
// the copy damaged.
//
// A copy "<name>" is the side file "<name>.info", which names the content file "<name>.1.par"
// or "<name>.2.par". A new content goes to the file the side file does not name, and only then
// is the side file replaced, so a write cut off at any moment leaves the previous copy whole.
// The side file also records that previous content, offered when the newest one is damaged.
// A running program holds its copy through the lock file "<name>.lock"; listings made by other
// programs skip held copies.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"

namespace tavoric {

struct RecoveryCopy {
    std::string name;              // in the recovery folder
    std::string originalPath;      // the project's path; empty for a project never saved
    std::int64_t time = 0;         // when the content was taken, milliseconds since 1970 UTC
    std::string version;           // of the program that wrote it
    bool damaged = false;          // cut off, foreign or incomplete: offered for deletion only
    std::string surveyArea{};      // general value 001 of the content
    bool previousContent = false;  // the newest content is damaged; this is the one before
};

// The copy of a saved project: its file name's stem (safe characters only, shortened) and a
// hash of the whole path, so that two projects never share one copy.
std::string RecoveryCopyName(const std::string& projectPath);
// The copy of a saved project in one program run, told apart from other runs' by runId.
std::string RecoveryCopyName(const std::string& projectPath, std::string_view runId);
// The copy of a never-saved project in one program run, told apart by runId.
std::string UnsavedRecoveryCopyName(std::string_view runId);
// True when name is the name of a copy of that project (of a never-saved one for "").
bool IsCopyNameOf(std::string_view name, const std::string& projectPath);

// When the project's file was written after the copy was taken; nothing when it was not, or
// when the project was never saved or its file is gone.
std::optional<std::int64_t> ProjectWrittenAfter(const RecoveryCopy& copy);

class RecoveryFolder {
public:
    // folder ends in "/".
    explicit RecoveryFolder(std::string folder) : folder_(std::move(folder)) {}
    const std::string& Path() const { return folder_; }

    // Writes the copy (the folder is created private when missing). On failure the previous
    // copy of that name stays whole and errorText tells why.
    bool Write(const RecoveryCopy& copy, std::string_view content, std::string& errorText) const;
    // The copies no running program holds, newest first, damaged ones last. Files left over by
    // a write that was cut off are removed; files the folder should not hold count as damaged
    // copies under their own names.
    std::vector<RecoveryCopy> List() const;
    // The copies of that project that no running program holds, newest first; damaged ones
    // (named after the project) last.
    std::vector<RecoveryCopy> CopiesOf(const std::string& projectPath) const;
    // The copy of that name when it exists and no running program holds it.
    std::optional<RecoveryCopy> Find(const std::string& name) const;
    // The content as written (the previous one for previousContent); false when it is missing,
    // cut off or changed since.
    bool Read(const RecoveryCopy& copy, std::string& content) const;
    // Removes the copy with its side and lock files.
    void Delete(const std::string& name) const;

private:
    std::string folder_;
};

// A running program's hold on one copy: while it lives, other programs do not offer the copy.
class RecoveryClaim {
public:
    RecoveryClaim() = default;
    // Holds the copy of that name; an empty claim when the lock cannot be taken.
    RecoveryClaim(const RecoveryFolder& folder, const std::string& name);
    ~RecoveryClaim();
    RecoveryClaim(RecoveryClaim&& other) noexcept;
    RecoveryClaim& operator=(RecoveryClaim&& other) noexcept;
    RecoveryClaim(const RecoveryClaim&) = delete;
    RecoveryClaim& operator=(const RecoveryClaim&) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace tavoric
