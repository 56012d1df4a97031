// SPDX-License-Identifier: GPL-3.0-or-later
// What a file on disk looked like when the program last read or wrote it, so that a save can
// tell when another program, a sync tool or a restored backup changed it since.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavoric {

// The SHA-256 of data as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view data);

struct FileFingerprint {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;  // nanoseconds since 1970
    std::string sha256;
};

// The file's fingerprint; nothing when it cannot be read.
std::optional<FileFingerprint> TakeFingerprint(const std::string& path);

// The file's modification time, taken before reading it for FingerprintOfBytes.
std::optional<std::int64_t> ModifiedTime(const std::string& path);
// The fingerprint of bytes just read from a file whose time was modifiedNs before the read: the
// file as the program loaded it, without reading it a second time.
FileFingerprint FingerprintOfBytes(std::string_view content, std::int64_t modifiedNs);

// True when the file now differs from what was read or written: another size, or another time
// with another content (a file only touched, or copied back unchanged, has not changed). A file
// that is gone has changed too.
bool ChangedOnDisk(const FileFingerprint& known, const std::string& path);

}  // namespace tavoric
