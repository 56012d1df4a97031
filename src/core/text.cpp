// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace tavoric {

std::string PadField(std::string_view align, std::string_view text, std::string_view fill,
                     int width) {
    if (fill.empty()) {
        fill = " ";
    }
    if (width < 0) {
        width = 0;
    }
    const auto w = static_cast<std::size_t>(width);
    if (text.size() > w) {
        text = text.substr(0, w);
    }
    std::string result;
    auto repeat = [&result](std::string_view piece, std::size_t times) {
        for (std::size_t i = 0; i < times; ++i) {
            result += piece;
        }
    };
    if (align == "L") {
        result = text;
        repeat(fill, w - text.size());
    } else if (align == "R") {
        repeat(fill, w - text.size());
        result += text;
    } else if (align == "F") {
        repeat(text, w);
    } else {
        return {};
    }
    if (w == 1 && result.size() > 1) {
        result.resize(1);
    }
    return result;
}

std::string_view Chars(std::string_view line, std::size_t first, std::size_t last) {
    if (first < 1 || first > line.size() || last < first) {
        return {};
    }
    return line.substr(first - 1, last - first + 1);
}

std::string_view CharsFrom(std::string_view line, std::size_t first) {
    if (first < 1 || first > line.size()) {
        return {};
    }
    return line.substr(first - 1);
}

std::optional<int> ToInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            return std::nullopt;
        }
    }
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

bool IsInteger(std::string_view text) { return ToInteger(text).has_value(); }

int IntegerOrZero(std::string_view text) { return ToInteger(text).value_or(0); }

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

namespace {
unsigned char LowerAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}
}  // namespace

int CompareNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = LowerAscii(static_cast<unsigned char>(a[i]));
        const unsigned char cb = LowerAscii(static_cast<unsigned char>(b[i]));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

std::string WithTrailingDelimiter(std::string_view path) {
    std::string result(path);
    if (result.empty() || result.back() != '/') {
        result += '/';
    }
    return result;
}

bool CopyFileBetweenFolders(std::string_view fromFolder, std::string_view toFolder,
                            std::string_view fileName) {
    const std::string from = WithTrailingDelimiter(fromFolder) + std::string(fileName);
    const std::string to = WithTrailingDelimiter(toFolder) + std::string(fileName);
    std::error_code error;
    if (std::filesystem::equivalent(from, to, error)) {
        return true;
    }
    return std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing,
                                      error);
}

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string result;
    result.reserve(format.size() + 32);
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
            if (next != args.end()) {
                result += *next++;
            }
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

}  // namespace tavoric
