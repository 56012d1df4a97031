// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv.h"

#include <cstddef>

namespace tavoric {

namespace {

bool AtLineEnd(std::string_view text) {
    return text.starts_with('\n') || text.starts_with('\r');
}

// Removes one line end (CR LF, LF or CR) from the front of text; returns whether there was one.
bool SkipLineEnd(std::string_view& text) {
    if (text.starts_with("\r\n")) {
        text.remove_prefix(2);
        return true;
    }
    if (AtLineEnd(text)) {
        text.remove_prefix(1);
        return true;
    }
    return false;
}

// The line ends in text: CR LF counts once.
std::size_t LineEndsIn(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        count +=
            text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    }
    return count;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 code units (after the byte order mark) as UTF-8; a lone surrogate or a last odd byte
// becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    constexpr char32_t kReplacement = 0xFFFD;
    const auto unit = [bytes, bigEndian](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
            i += 2;
        } else {
            AppendUtf8(out, c >= 0xD800 && c < 0xE000 ? kReplacement : c);
        }
    }
    if (i < bytes.size()) {
        AppendUtf8(out, kReplacement);
    }
    return out;
}

}  // namespace

char DetectCsvSeparator(std::string_view content) {
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    std::size_t tabs = 0;
    bool quoted = false;
    for (const char c : content) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        } else if (!quoted) {
            commas += c == ',';
            semicolons += c == ';';
            tabs += c == '\t';
        }
    }
    if (tabs > commas && tabs > semicolons) {
        return '\t';
    }
    return semicolons > commas ? ';' : ',';
}

std::string_view CsvContentAsUtf8(std::string_view content, std::string& storage) {
    const bool littleEndian = content.starts_with("\xFF\xFE");
    if (littleEndian || content.starts_with("\xFE\xFF")) {
        storage = Utf16ToUtf8(content.substr(2), !littleEndian);
        return storage;
    }
    return content.starts_with("\xEF\xBB\xBF") ? content.substr(3) : content;
}

bool CsvReader::Next(std::vector<std::string>& fields) {
    while (SkipLineEnd(rest_)) {
        ++line_;
    }
    if (rest_.empty()) {
        return false;
    }
    recordLine_ = line_;
    malformed_ = false;
    std::size_t count = 0;
    for (;;) {
        if (count == fields.size()) {
            fields.emplace_back();
        }
        std::string& field = fields[count++];
        field.clear();
        if (rest_.starts_with('"')) {
            ReadQuoted(field);
        } else {
            ReadPlain(field);
        }
        if (!rest_.starts_with(separator_)) {
            break;
        }
        rest_.remove_prefix(1);
    }
    if (SkipLineEnd(rest_)) {
        ++line_;
    }
    fields.resize(count);
    return true;
}

void CsvReader::ReadPlain(std::string& field) {
    std::size_t end = 0;
    while (end < rest_.size() && rest_[end] != separator_ && rest_[end] != '\n' &&
           rest_[end] != '\r') {
        ++end;
    }
    field.append(rest_.substr(0, end));
    rest_.remove_prefix(end);
}

void CsvReader::ReadQuoted(std::string& field) {
    const std::size_t openLine = line_;
    rest_.remove_prefix(1);
    for (;;) {
        const std::size_t quote = rest_.find('"');
        const std::string_view text = rest_.substr(0, quote);
        line_ += LineEndsIn(text);
        field.append(text);
        if (quote == std::string_view::npos) {
            rest_ = {};
            malformed_ = true;
            brokenQuoteLine_ = brokenQuoteLine_ != 0 ? brokenQuoteLine_ : openLine;
            return;
        }
        rest_.remove_prefix(quote + 1);
        if (!rest_.starts_with('"')) {
            break;
        }
        field += '"';
        rest_.remove_prefix(1);
    }
    if (!rest_.empty() && !rest_.starts_with(separator_) && !AtLineEnd(rest_)) {
        malformed_ = true;
        if (line_ != openLine && brokenQuoteLine_ == 0) {
            brokenQuoteLine_ = openLine;
        }
        ReadPlain(field);
    }
}

std::string SpreadsheetText(std::string_view field) {
    const bool formulaStart =
        !field.empty() && std::string_view("=+-@\t\r").find(field[0]) != std::string_view::npos;
    return formulaStart ? '\'' + std::string(field) : std::string(field);
}

void AppendCsvField(std::string& out, std::string_view field) {
    const bool needsQuotes = field.find_first_of(",;\"\r\n") != std::string_view::npos ||
                             field.starts_with(' ') || field.ends_with(' ');
    if (!needsQuotes) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

namespace {

template <typename Fields>
void AppendFields(std::string& out, const Fields& fields) {
    const char* separator = "";
    for (const std::string_view field : fields) {
        out += separator;
        AppendCsvField(out, field);
        separator = ",";
    }
    out += "\r\n";
}

}  // namespace

void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields) {
    AppendFields(out, fields);
}

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields) {
    AppendFields(out, fields);
}

}  // namespace tavoric
