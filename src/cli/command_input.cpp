// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "core/atomic_file.h"
#include "core/codec.h"
#include "core/file_messages.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/text.h"

namespace tavoric {

namespace {

// A stream has no size to check beforehand: reading stops here (a project of a million slots is
// some tens of megabytes; /dev/zero never ends).
constexpr std::size_t kMaxStreamMegabytes = 1024;

bool IsStream(const struct stat& info) {
    return S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode);
}

// Reads the stream at path to its end, at most maxMegabytes.
template <typename Bytes>
bool ReadStream(const std::string& path, Bytes& content, std::size_t maxMegabytes,
                FileError& error) {
    const std::size_t maxBytes = maxMegabytes << 20;
    if (path == kStandardInputName) {
        return ReadStreamToEnd(STDIN_FILENO, content, maxBytes, error);
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !IsStream(info)) {
        error = fd < 0 ? FileError{FileError::Kind::System, errno}
                       : FileError{FileError::Kind::NotRegularFile, 0};
        if (fd >= 0) {
            ::close(fd);
        }
        return false;
    }
    const bool read = ReadStreamToEnd(fd, content, maxBytes, error);
    ::close(fd);
    return read;
}

}  // namespace

bool IsStreamInput(const std::string& path) {
    struct stat info {};
    return path == kStandardInputName || (::stat(path.c_str(), &info) == 0 && IsStream(info));
}

std::optional<std::string> InputFile(const std::string& path) {
    return path == kStandardInputName ? std::nullopt : std::optional(path);
}

bool ReadsStandardInputTwice(
    std::initializer_list<std::pair<const char*, std::optional<std::string>>> inputs) {
    const auto isStandardInput = [](const auto& input) {
        return input.second == kStandardInputName;
    };
    const auto first = std::find_if(inputs.begin(), inputs.end(), isStandardInput);
    const auto second =
        first == inputs.end() ? first : std::find_if(first + 1, inputs.end(), isStandardInput);
    if (second == inputs.end()) {
        return false;
    }
    PrintError(FormatText(MessageText("AA00966"), {first->first, second->first}));
    return true;
}

bool RefusedWritingBack(const std::string& path) {
    if (!IsStreamInput(path)) {
        return false;
    }
    PrintError(FormatText(MessageText("AA00967"), {Utf8ForMessage(path)}));
    return true;
}

bool OpenSurvey(const std::string& path, Survey& survey) {
    survey.ResetToNew(NewProjectFileName());
    CliPrompter prompter;
    if (!IsStreamInput(path)) {
        return ReadProjectFile(survey, path, prompter);
    }
    ByteBlock content;
    FileError error;
    if (!ReadStream(path, content, kMaxStreamMegabytes, error)) {
        PrintError(OpenFailureText(path, error));
        return false;
    }
    if (content.empty()) {
        PrintError(FormatText(MessageText("AA00314"), {Utf8ForMessage(path)}));
        return false;
    }
    return ReadProjectBytes(survey, std::move(content), path, prompter);
}

StreetGeometryRead ReadStreetInput(const std::string& path) {
    if (!IsStreamInput(path)) {
        return ReadStreetGeometry(path);
    }
    std::string content;
    FileError error;
    if (!ReadStream(path, content, kMaxStreetFileMegabytes, error)) {
        return {std::nullopt, OpenFailureText(path, error)};
    }
    return ParseStreetGeometryFile(path, std::move(content));
}

bool ReadObservationInput(const std::string& path, std::string& content) {
    FileError error;
    return IsStreamInput(path) ? ReadStream(path, content, kMaxStreamMegabytes, error)
                               : ReadWholeFile(path, content);
}

}  // namespace tavoric
