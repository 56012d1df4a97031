// SPDX-License-Identifier: GPL-3.0-or-later
// The secret key from which plate codes are derived: 32 random bytes in a file only its owner can
// read. The same key gives the same codes in every survey, so that a vehicle can be followed from
// one survey to the next; without the key the codes cannot be turned back into plates.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace tavoric {

constexpr std::size_t kPseudonymKeySize = 32;

// The key bytes, wiped from memory when the key goes.
class PseudonymKey {
public:
    using Bytes = std::array<unsigned char, kPseudonymKeySize>;

    explicit PseudonymKey(const Bytes& bytes) : bytes_(bytes) {}
    PseudonymKey(const PseudonymKey& other) = default;
    PseudonymKey& operator=(const PseudonymKey& other) = default;
    ~PseudonymKey();

    const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

struct KeyFileResult {
    std::optional<PseudonymKey> key;
    bool created = false;  // the key was made just now
    std::string message;   // why there is no key (code page 1252), for the user
};

// Reads a key file: a regular file of exactly 32 bytes that only its owner may read or write.
KeyFileResult ReadKeyFile(const std::string& path);

// The key at path; when no file is there, 32 random bytes from the system's random source are
// stored there first, readable by the owner only (0600), in folders made for the owner only
// (0700). An existing file is never replaced, also when it is unusable.
KeyFileResult ReadOrCreateKeyFile(const std::string& path);

}  // namespace tavoric
