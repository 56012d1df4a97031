// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_fingerprint.h"

#include <openssl/evp.h>
#include <sys/stat.h>

#include "core/atomic_file.h"

namespace tavoric {

namespace {

std::optional<struct stat> StatOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return info;
}

std::int64_t ModifiedNs(const struct stat& info) {
    return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

}  // namespace

std::string Sha256Hex(std::string_view data) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(data.data(), data.size(), digest, &length, EVP_sha256(), nullptr);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 0x0f];
    }
    return hex;
}

std::optional<FileFingerprint> TakeFingerprint(const std::string& path) {
    const std::optional<std::int64_t> before = ModifiedTime(path);
    std::string content;
    if (!before || !ReadWholeFile(path, content)) {
        return std::nullopt;
    }
    return FingerprintOfBytes(content, *before);
}

std::optional<std::int64_t> ModifiedTime(const std::string& path) {
    const std::optional<struct stat> info = StatOf(path);
    if (!info) {
        return std::nullopt;
    }
    return ModifiedNs(*info);
}

FileFingerprint FingerprintOfBytes(std::string_view content, std::int64_t modifiedNs) {
    return FileFingerprint{content.size(), modifiedNs, Sha256Hex(content)};
}

bool ChangedOnDisk(const FileFingerprint& known, const std::string& path) {
    const std::optional<struct stat> now = StatOf(path);
    if (!now || static_cast<std::uint64_t>(now->st_size) != known.size) {
        return true;
    }
    if (ModifiedNs(*now) == known.modifiedNs) {
        return false;
    }
    const std::optional<FileFingerprint> current = TakeFingerprint(path);
    return !current || current->sha256 != known.sha256;
}

}  // namespace tavoric
