// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_messages.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

struct ReasonKey {
    int systemError;
    const char* key;
};

constexpr ReasonKey kReasonKeys[] = {
    {ENOENT, "AA00300"}, {EACCES, "AA00301"},       {EPERM, "AA00301"},   {EISDIR, "AA00302"},
    {ENOSPC, "AA00303"}, {EDQUOT, "AA00303"},       {EROFS, "AA00304"},   {ELOOP, "AA00305"},
    {EFBIG, "AA00307"},  {ENAMETOOLONG, "AA00306"}, {ENOTDIR, "AA00308"}, {EIO, "AA00309"},
    {ENOMEM, "AA00313"},
};

std::string SystemErrorReason(int systemError) {
    for (const ReasonKey& reason : kReasonKeys) {
        if (reason.systemError == systemError) {
            return MessageText(reason.key);
        }
    }
    return Utf8ForMessage(std::strerror(systemError));
}

std::string FolderForMessage(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    const std::filesystem::path folder =
        (error ? std::filesystem::path(path) : absolute).lexically_normal().parent_path();
    return Utf8ForMessage(folder.string());
}

}  // namespace

std::string FileErrorReason(const FileError& error) {
    switch (error.kind) {
        case FileError::Kind::ReadOnlyFile:
            return MessageText("AA00310");
        case FileError::Kind::NotRegularFile:
            return MessageText("AA00311");
        case FileError::Kind::ReadOnlyFolder:
            return MessageText("AA00301");
        case FileError::Kind::System:
            return SystemErrorReason(error.systemError);
        case FileError::Kind::None:
            break;
    }
    return {};
}

std::string OpenFailureText(const std::string& path, const FileError& error) {
    return FormatText(MessageText("AA00035"), {Utf8ForMessage(path)}) + "\r" +
           FileErrorReason(error);
}

std::string SaveFailureText(std::string_view messageKey, const std::string& path,
                            const FileError& error) {
    if (error.kind == FileError::Kind::ReadOnlyFolder) {
        return FormatText(MessageText("AA00312"), {Utf8ForMessage(path), FolderForMessage(path)});
    }
    return FormatText(MessageText(messageKey), {Utf8ForMessage(path)}) + "\r" +
           FileErrorReason(error);
}

}  // namespace tavoric
