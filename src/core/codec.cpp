#include "core/codec.h"

#include <iconv.h>

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

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    static Converter converter("UTF-8", "WINDOWS-1252");
    std::lock_guard lock(codecMutex);
    std::string result;
    result.reserve(bytes.size() + bytes.size() / 8);
    while (!converter.Convert(bytes, result) && !bytes.empty()) {
        result += "\xEF\xBF\xBD";
        bytes.remove_prefix(1);
    }
    return result;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    static Converter converter("WINDOWS-1252", "UTF-8");
    std::lock_guard lock(codecMutex);
    std::string result;
    result.reserve(utf8.size());
    while (!converter.Convert(utf8, result) && !utf8.empty()) {
        result += '?';
        utf8.remove_prefix(RefusedSequenceLength(utf8));
    }
    return result;
}

}  // namespace tavoric
