// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv.h"

#include <algorithm>

namespace tavoric {

namespace {

bool AtLineEnd(std::string_view text) {
    return text.starts_with('\n') || text.starts_with("\r\n");
}

// Removes one line end from the front of text; returns whether there was one.
bool SkipLineEnd(std::string_view& text) {
    if (text.starts_with('\n')) {
        text.remove_prefix(1);
        return true;
    }
    if (text.starts_with("\r\n")) {
        text.remove_prefix(2);
        return true;
    }
    return false;
}

}  // namespace

char DetectCsvSeparator(std::string_view content) {
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool quoted = false;
    for (const char c : content) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '\n') {
            break;
        } else if (!quoted) {
            commas += c == ',';
            semicolons += c == ';';
        }
    }
    return semicolons > commas ? ';' : ',';
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
    while (end < rest_.size() && rest_[end] != separator_ && rest_[end] != '\n') {
        ++end;
    }
    std::string_view text = rest_.substr(0, end);
    rest_.remove_prefix(end);
    // The CR of a CR LF line end, or of the file's last line.
    if (text.ends_with('\r') && (rest_.empty() || rest_.starts_with('\n'))) {
        text.remove_suffix(1);
    }
    field.append(text);
}

void CsvReader::ReadQuoted(std::string& field) {
    rest_.remove_prefix(1);
    for (;;) {
        const std::size_t quote = rest_.find('"');
        const std::string_view text = rest_.substr(0, quote);
        line_ += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        field.append(text);
        if (quote == std::string_view::npos) {
            rest_ = {};
            malformed_ = true;
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
        ReadPlain(field);
    }
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

void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields) {
    const char* separator = "";
    for (const std::string_view field : fields) {
        out += separator;
        AppendCsvField(out, field);
        separator = ",";
    }
    out += "\r\n";
}

}  // namespace tavoric
