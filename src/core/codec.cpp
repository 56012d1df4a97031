// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codec.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <mutex>

namespace tavoric {

namespace {

// iconv converts in one direction per descriptor; the descriptors live for the whole run.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one chunk; returns false when iconv refuses the first byte of the input.
    bool Convert(std::string_view& input, std::string& output) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            return false;
        }
        std::array<char, 4096> buffer;
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* out = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t rc = iconv(cd_, &in, &inLeft, &out, &outLeft);
            output.append(buffer.data(), buffer.size() - outLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
                input = std::string_view(in, inLeft);
                return false;
            }
        }
        input = {};
        return true;
    }

private:
    iconv_t cd_;
};

std::mutex codecMutex;

// The bytes of the character iconv refused: its lead byte and the continuation bytes after it.
std::size_t RefusedSequenceLength(std::string_view utf8) {
    std::size_t length = 1;
    while (length < 4 && length < utf8.size() &&
           (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

// Marks a character that travels through code page 1252 text as UTF-8 (Utf8ForMessage).
constexpr char kCarriedCharacter = '\x81';

// The length of the valid UTF-8 sequence of two to four bytes at the start of text, else 0.
std::size_t MultiByteSequenceLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 0;
    if (length == 0 || text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // No overlong forms, no surrogates, nothing above U+10FFFF.
    const unsigned char second = byte(1);
    const bool valid = !(lead == 0xE0 && second < 0xA0) && !(lead == 0xED && second >= 0xA0) &&
                       !(lead == 0xF0 && second < 0x90) && !(lead == 0xF4 && second >= 0x90);
    return valid ? length : 0;
}

Converter& ToCp1252() {
    static Converter converter("WINDOWS-1252", "UTF-8");
    return converter;
}

// Notes a character code page 1252 lacks, once.
void NoteLacking(std::string_view character, std::vector<std::string>* lacking) {
    if (lacking != nullptr && !character.empty() && lacking->size() < kLackingCharactersKept &&
        std::find(lacking->begin(), lacking->end(), character) == lacking->end()) {
        lacking->emplace_back(character);
    }
}

std::string FromUtf8(std::string_view utf8, bool carryOthers,
                     std::vector<std::string>* lacking = nullptr) {
    std::lock_guard lock(codecMutex);
    std::string result;
    result.reserve(utf8.size());
    while (!ToCp1252().Convert(utf8, result) && !utf8.empty()) {
        const std::size_t character = MultiByteSequenceLength(utf8);
        if (carryOthers && character > 0) {
            result += kCarriedCharacter;
            result.append(utf8.substr(0, character));
            utf8.remove_prefix(character);
        } else {
            result += '?';
            NoteLacking(utf8.substr(0, character), lacking);
            utf8.remove_prefix(RefusedSequenceLength(utf8));
        }
    }
    return result;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    static Converter converter("UTF-8", "WINDOWS-1252");
    std::lock_guard lock(codecMutex);
    std::string result;
    result.reserve(bytes.size() + bytes.size() / 8);
    while (!converter.Convert(bytes, result) && !bytes.empty()) {
        const std::size_t carried =
            bytes.front() == kCarriedCharacter ? MultiByteSequenceLength(bytes.substr(1)) : 0;
        if (carried > 0) {
            result.append(bytes.substr(1, carried));
            bytes.remove_prefix(1 + carried);
        } else {
            result += "\xEF\xBF\xBD";
            bytes.remove_prefix(1);
        }
    }
    return result;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    return FromUtf8(utf8, false);
}

std::string Utf8ToCp1252(std::string_view utf8, std::vector<std::string>& lacking) {
    return FromUtf8(utf8, false, &lacking);
}

std::string Utf8ForMessage(std::string_view utf8) {
    return FromUtf8(utf8, true);
}

std::optional<std::string> Utf8ToCp1252Exactly(std::string_view utf8) {
    std::lock_guard lock(codecMutex);
    std::string result;
    result.reserve(utf8.size());
    if (!ToCp1252().Convert(utf8, result)) {
        return std::nullopt;
    }
    return result;
}

std::string_view WithoutByteOrderMark(std::string_view utf8) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (utf8.starts_with(kByteOrderMark)) {
        utf8.remove_prefix(kByteOrderMark.size());
    }
    return utf8;
}

}  // namespace tavoric
