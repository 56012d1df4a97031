// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "core/atomic_file.h"
#include "core/codec.h"
#include "core/file_messages.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

const char* const kProjectFileFilter = "Tavoric-bestanden (*.par)|*.par|Alle bestanden (*.*)|*.*";

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kGeneralHeader = "[Algemene gegevens]";
constexpr std::string_view kRoutesHeader = "[Routes]";
constexpr std::string_view kSectionsHeader = "[Secties]";
constexpr std::string_view kPlacesHeader = "[Parkeerplaatsen]";
constexpr std::string_view kPlatesHeader = "[Kentekens]";
constexpr std::string_view kNotesHeader = "[Aantekeningen]";
constexpr std::string_view kSectionHeaders[] = {kGeneralHeader, kRoutesHeader, kSectionsHeader,
                                                kPlacesHeader,  kPlatesHeader, kNotesHeader};
constexpr FileError kOutOfMemory{FileError::Kind::System, ENOMEM};
constexpr int kFirstKey = 1;
constexpr int kLastKey = 19;  // the keys every project file holds
constexpr int kStreetGeometryKey = 20;

using LineViews = std::vector<std::string_view>;

// Every CR LF, LF or lone CR ends a line; text after the last line end is a line of its own.
// A file from an editor that ends lines with CR alone therefore loads like any other.
LineViews SplitLines(std::string_view content) {
    LineViews lines;
    lines.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
    const char* const data = content.data();
    const std::size_t size = content.size();
    std::size_t start = 0;
    while (start < size) {
        const void* lf = std::memchr(data + start, '\n', size - start);
        const std::size_t lfAt =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : size;
        const void* cr = std::memchr(data + start, '\r', lfAt - start);
        const std::size_t end =
            cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - data) : lfAt;
        lines.push_back(content.substr(start, end - start));
        start = (end + 1 == lfAt) ? lfAt + 1 : end + 1;
    }
    return lines;
}

bool StartsSection(std::string_view line) {
    return !line.empty() && line.front() == '[';
}

// Index of the first line equal to header, or lines.size() when there is none.
std::size_t FindHeader(const LineViews& lines, std::string_view header) {
    const auto found = std::find(lines.begin(), lines.end(), header);
    return static_cast<std::size_t>(found - lines.begin());
}

// The lines of a section: from after its header up to the next line starting with "[".
std::pair<std::size_t, std::size_t> SectionBody(const LineViews& lines, std::string_view header) {
    const std::size_t headerAt = FindHeader(lines, header);
    if (headerAt == lines.size()) {
        return {lines.size(), lines.size()};
    }
    const auto bodyEnd = std::find_if(lines.begin() + static_cast<std::ptrdiff_t>(headerAt) + 1,
                                      lines.end(), StartsSection);
    return {headerAt + 1, static_cast<std::size_t>(bodyEnd - lines.begin())};
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "001=" to "020=": the key number, or 0 for any other line.
int KeyOfLine(std::string_view line) {
    if (line.size() < 4 || line[3] != '=' ||
        !std::all_of(line.begin(), line.begin() + 3, IsDigit)) {
        return 0;
    }
    const int key = (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
    return key >= kFirstKey && key <= kStreetGeometryKey ? key : 0;
}

// The text held under a key, or nullptr for the number and flag keys.
template <typename Values>
auto* TextValueOfKey(Values& values, int key) {
    switch (key) {
        case 1:
            return &values.surveyArea;
        case 2:
            return &values.dayAndDate;
        case 3:
            return &values.weather;
        case 4:
            return &values.observers;
        case 5:
            return &values.startTime;
        case 6:
            return &values.endTime;
        case 18:
            return &values.reportText1;
        case 19:
            return &values.reportText2;
        case kStreetGeometryKey:
            return &values.streetGeometry;
        default:
            return static_cast<decltype(&values.surveyArea)>(nullptr);
    }
}

void ApplyGeneralValue(GeneralValues& values, int key, std::string_view value) {
    if (std::string* text = TextValueOfKey(values, key)) {
        text->assign(value);
    } else if (key == 17) {
        values.showNotesOnOpen = value == "1";
    } else if (const std::optional<int> number = ToInteger(value)) {
        DurationBoundByKey(values, key) = *number;
    }
    // A bound that is not a whole number keeps the value it had.
}

void ReadGeneralValues(GeneralValues& values, const LineViews& lines) {
    const auto [first, last] = SectionBody(lines, kGeneralHeader);
    for (std::size_t i = first; i < last; ++i) {
        if (const int key = KeyOfLine(lines[i])) {
            ApplyGeneralValue(values, key, lines[i].substr(4));
        }
    }
}

void ReadListSection(LineList& list, const LineViews& lines, std::string_view header) {
    const auto [first, last] = SectionBody(lines, header);
    const auto begin = lines.begin() + static_cast<std::ptrdiff_t>(first);
    const auto end = lines.begin() + static_cast<std::ptrdiff_t>(last);
    const auto filled = std::count_if(begin, end, [](std::string_view l) { return !l.empty(); });
    list.reserve(list.size() + static_cast<std::size_t>(filled));
    for (auto line = begin; line != end; ++line) {
        if (!line->empty()) {
            list.emplace_back(*line);
        }
    }
}

// The notes run to the end of the file, blank lines and lines starting with "[" included; only
// the writer's closing blank line is left out.
void ReadNotes(LineList& notes, const LineViews& lines) {
    std::size_t first = FindHeader(lines, kNotesHeader) + 1;
    std::size_t last = lines.size();
    if (first > last) {
        return;
    }
    if (first < last && lines.back().empty()) {
        --last;
    }
    notes.insert(notes.end(), lines.begin() + static_cast<std::ptrdiff_t>(first),
                 lines.begin() + static_cast<std::ptrdiff_t>(last));
}

std::string GeneralValueText(const GeneralValues& values, int key) {
    if (const std::string* text = TextValueOfKey(values, key)) {
        return *text;
    }
    if (key == 17) {
        return values.showNotesOnOpen ? "1" : "0";
    }
    return std::to_string(DurationBoundByKey(values, key));
}

std::size_t ListBytes(const LineList& list) {
    std::size_t bytes = 0;
    for (const std::string& line : list) {
        bytes += line.size() + kLineEnd.size();
    }
    return bytes;
}

void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += kLineEnd;
}

void AppendSection(std::string& out, std::string_view header, const LineList& list) {
    AppendLine(out, header);
    for (const std::string& line : list) {
        AppendLine(out, line);
    }
    AppendLine(out, "");
}

}  // namespace

std::string ProjectFileContent(const Survey& survey) {
    std::string out;
    ProjectFileContentInto(survey, out);
    return out;
}

std::size_t ProjectFileContentCapacity(const Survey& survey) {
    return 2048 + survey.AlgemeneGegevens.streetGeometry.size() + ListBytes(survey.RoutesList) +
           ListBytes(survey.SectiesList) + ListBytes(survey.ParkeerplaatsenList) +
           ListBytes(survey.KentekensList) + ListBytes(survey.AantekeningenList);
}

void ProjectFileContentInto(const Survey& survey, std::string& out) {
    out.clear();
    out.reserve(ProjectFileContentCapacity(survey));
    AppendLine(out, "[Databestand voor " + std::string(kProductName) + "]");
    AppendLine(out, "");
    AppendLine(out, kGeneralHeader);
    AppendLine(out, "000=100");
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        AppendLine(out, PadField("R", std::to_string(key), "0", 3) + "=" +
                            GeneralValueText(survey.AlgemeneGegevens, key));
    }
    if (!survey.AlgemeneGegevens.streetGeometry.empty()) {
        AppendLine(out, "020=" + survey.AlgemeneGegevens.streetGeometry);
    }
    AppendLine(out, "");
    AppendSection(out, kRoutesHeader, survey.RoutesList);
    AppendSection(out, kSectionsHeader, survey.SectiesList);
    AppendSection(out, kPlacesHeader, survey.ParkeerplaatsenList);
    AppendSection(out, kPlatesHeader, survey.KentekensList);
    AppendSection(out, kNotesHeader, survey.AantekeningenList);
}

bool WriteProjectFile(Survey& survey, const std::string& path, Prompter& prompter) {
    FileError error;
    bool written = false;
    try {
        written = WriteFileAtomically(path, ProjectFileContent(survey), error);
    } catch (const std::bad_alloc&) {
        error = kOutOfMemory;
    }
    if (!written) {
        WarningNotice(prompter, SaveFailureText("AA00006", path, error));
        return false;
    }
    survey.ProjectChanged = false;
    return true;
}

namespace {

// ReadProjectFile without its guard against a file too big for the memory.
bool ReadProjectFileInMemory(Survey& survey, const std::string& path, Prompter& prompter) {
    std::string content;
    FileError error;
    if (!ReadWholeFile(path, content, error)) {
        ErrorNotice(prompter, OpenFailureText(path, error));
        return false;
    }
    if (!HoldsProjectSections(content)) {
        ErrorNotice(prompter, FormatText(MessageText("AA00314"), {Utf8ForMessage(path)}));
        return false;
    }
    // Loaded aside, so that running out of memory halfway leaves the survey as it was.
    Survey loaded = survey;
    ReadProjectContent(loaded, content);
    survey = std::move(loaded);
    survey.ProjectPath = path;
    survey.ProjectChanged = false;
    return true;
}

}  // namespace

bool ReadProjectFile(Survey& survey, const std::string& path, Prompter& prompter) {
    try {
        return ReadProjectFileInMemory(survey, path, prompter);
    } catch (const std::bad_alloc&) {
        ErrorNotice(prompter, OpenFailureText(path, kOutOfMemory));
        return false;
    }
}

bool HoldsProjectSections(std::string_view content) {
    content = WithoutByteOrderMark(content);
    if (content.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return true;
    }
    const LineViews lines = SplitLines(content);
    return std::any_of(
        std::begin(kSectionHeaders), std::end(kSectionHeaders),
        [&lines](std::string_view header) { return FindHeader(lines, header) != lines.size(); });
}

void ReadProjectContent(Survey& survey, std::string_view content) {
    const LineViews lines = SplitLines(WithoutByteOrderMark(content));
    ReadGeneralValues(survey.AlgemeneGegevens, lines);
    ReadListSection(survey.RoutesList, lines, kRoutesHeader);
    ReadListSection(survey.SectiesList, lines, kSectionsHeader);
    ReadListSection(survey.ParkeerplaatsenList, lines, kPlacesHeader);
    ReadListSection(survey.KentekensList, lines, kPlatesHeader);
    ReadNotes(survey.AantekeningenList, lines);
}

}  // namespace tavoric
