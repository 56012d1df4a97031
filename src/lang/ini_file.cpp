// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/ini_file.h"

#include <fstream>
#include <sstream>

namespace tavoric {

std::string LowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        }
    }
    return result;
}

std::string_view TrimSpaceAndTab(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

IniFile IniFile::Parse(std::string_view content) {
    IniFile file;
    Keys* current = nullptr;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = content.find('\n', pos);
        if (end == std::string_view::npos) {
            end = content.size();
        }
        std::string_view line = content.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::string_view trimmed = TrimSpaceAndTab(line);
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            current =
                &file.sections_[LowerAscii(TrimSpaceAndTab(trimmed.substr(1, trimmed.size() - 2)))];
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) {
            continue;
        }
        const std::string key = LowerAscii(TrimSpaceAndTab(line.substr(0, equals)));
        if (!key.empty()) {
            current->try_emplace(key, line.substr(equals + 1));
        }
    }
    return file;
}

std::optional<IniFile> IniFile::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    return Parse(content.str());
}

std::optional<std::string_view> IniFile::Value(std::string_view section,
                                               std::string_view key) const {
    auto s = sections_.find(LowerAscii(section));
    if (s == sections_.end()) {
        return std::nullopt;
    }
    auto k = s->second.find(LowerAscii(key));
    if (k == s->second.end()) {
        return std::nullopt;
    }
    return std::string_view(k->second);
}

bool IniFile::HasSection(std::string_view section) const {
    return sections_.count(LowerAscii(section)) > 0;
}

std::string StripEnclosing(std::string_view value) {
    if (value.size() <= 2) {
        return {};
    }
    return std::string(value.substr(1, value.size() - 2));
}

}  // namespace tavoric
