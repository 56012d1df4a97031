// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <new>
#include <vector>

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

// A header line as people and other programs write it: any letter case, blanks or tabs after it.
bool IsHeaderLine(std::string_view line, std::string_view header) {
    const std::size_t end = line.find_last_not_of(" \t");
    return end != std::string_view::npos && EqualNoCase(line.substr(0, end + 1), header);
}

// Where a section's lines stand in the content, as byte offsets: from the line after its header
// (the first header line of its name) up to the next line that starts with "[".
struct SectionBytes {
    static constexpr std::size_t kAbsent = std::string_view::npos;
    std::size_t first = kAbsent;
    std::size_t last = kAbsent;
    bool Found() const { return first != kAbsent; }
};
using SectionPlaces = std::array<SectionBytes, std::size(kSectionHeaders)>;

// The offset just after line and its line end (CR LF, LF or CR).
std::size_t NextLineStart(std::string_view content, std::string_view line) {
    const std::size_t end = static_cast<std::size_t>(line.data() - content.data()) + line.size();
    const std::string_view rest = content.substr(end);
    return end + (rest.starts_with("\r\n") ? 2 : rest.empty() ? 0 : 1);
}

// Calls visit(line) for each line that starts with "[", in order. Such lines are rare, so the
// search jumps from "[" to "[" instead of splitting every line.
template <typename Visit>
void ForEachSectionStart(std::string_view content, Visit visit) {
    for (std::size_t at = content.find('['); at != std::string_view::npos;
         at = content.find('[', at + 1)) {
        if (at == 0 || content[at - 1] == '\r' || content[at - 1] == '\n') {
            const std::size_t end = std::min(content.find_first_of("\r\n", at), content.size());
            visit(content.substr(at, end - at));
        }
    }
}

// Finds every section in one pass over the content.
SectionPlaces FindSections(std::string_view content) {
    SectionPlaces places;
    ForEachSectionStart(content, [&](std::string_view line) {
        const auto lineStart = static_cast<std::size_t>(line.data() - content.data());
        for (std::size_t i = 0; i < places.size(); ++i) {
            SectionBytes& section = places[i];
            if (section.Found() && section.last == SectionBytes::kAbsent) {
                section.last = lineStart;
            }
            if (!section.Found() && IsHeaderLine(line, kSectionHeaders[i])) {
                section.first = NextLineStart(content, line);
            }
        }
    });
    for (SectionBytes& section : places) {
        if (section.Found() && section.last == SectionBytes::kAbsent) {
            section.last = content.size();
        }
    }
    return places;
}

bool AnyFound(const SectionPlaces& places) {
    return std::any_of(places.begin(), places.end(),
                       [](const SectionBytes& section) { return section.Found(); });
}

bool IsBlank(std::string_view content) {
    return content.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

std::string_view BodyOf(std::string_view content, const SectionBytes& section) {
    return section.Found() ? content.substr(section.first, section.last - section.first)
                           : std::string_view();
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

enum SectionNumber { kGeneral, kRoutes, kSections, kPlaces, kPlates, kNotes };

void ReadGeneralValues(GeneralValues& values, std::string_view body) {
    ForEachLineOf(body, [&values](std::string_view line) {
        if (const int key = KeyOfLine(line)) {
            ApplyGeneralValue(values, key, line.substr(4));
        }
    });
}

template <typename List>
void ReadListSection(List& list, std::string_view body) {
    ForEachLineOf(body, [&list](std::string_view line) {
        if (!line.empty()) {
            list.push_back(typename List::value_type(line));
        }
    });
}

// The notes run to the end of the file, blank lines and lines starting with "[" included; only
// the writer's closing blank line is left out.
void ReadNotes(LineList& notes, std::string_view content, const SectionBytes& section) {
    if (!section.Found()) {
        return;
    }
    const std::size_t kept = notes.size();
    ForEachLineOf(content.substr(section.first),
                  [&notes](std::string_view line) { notes.emplace_back(line); });
    if (notes.size() > kept && notes.back().empty()) {
        notes.pop_back();
    }
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

template <typename List>
std::size_t ListBytes(const List& list) {
    std::size_t bytes = 0;
    for (std::string_view line : list) {
        bytes += line.size() + kLineEnd.size();
    }
    return bytes;
}

template <typename Bytes>
void AppendLine(Bytes& out, std::string_view line) {
    out += line;
    out += kLineEnd;
}

template <typename Bytes, typename List>
void AppendSection(Bytes& out, std::string_view header, const List& list) {
    AppendLine(out, header);
    for (std::string_view line : list) {
        AppendLine(out, line);
    }
    AppendLine(out, "");
}

template <typename Bytes>
void AppendContent(const Survey& survey, Bytes& out) {
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

}  // namespace

std::string ProjectFileContent(const Survey& survey) {
    std::string out;
    ProjectFileContentInto(survey, out);
    return out;
}

std::size_t ProjectFileContentCapacity(const Survey& survey) {
    return 2048 + survey.AlgemeneGegevens.streetGeometry.size() + ListBytes(survey.RoutesList) +
           ListBytes(survey.SectiesList) + ListBytes(survey.ParkeerplaatsenList) +
           survey.KentekensList.TextSize() + survey.KentekensList.size() * kLineEnd.size() +
           ListBytes(survey.AantekeningenList);
}

void ProjectFileContentInto(const Survey& survey, std::string& out) {
    out.clear();
    out.reserve(ProjectFileContentCapacity(survey));
    AppendContent(survey, out);
}

bool WriteProjectFile(Survey& survey, const std::string& path, Prompter& prompter) {
    FileError error;
    bool written = false;
    // Written as it is made: a large survey's file is never held in memory a second time.
    const ContentProducer produce = [&survey](const ByteWriter& write) {
        BlockWriter out(write);
        AppendContent(survey, out);
        return out.Finish();
    };
    try {
        written = WriteFileAtomically(path, produce, error);
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

constexpr std::size_t kSlotKeyLength = 24;  // route, section, place and period

// The writer ends every file with the notes section: a file without it was cut off.
bool NotesMissing(std::string_view content) {
    content = WithoutByteOrderMark(content);
    return !IsBlank(content) && !FindSections(content)[kNotes].Found();
}

// What makes a file just read look damaged (code page 1252), empty when nothing does. No slot
// line the program writes is shorter than its key.
std::string DamageText(bool notesMissing, const Survey& survey) {
    std::string text;
    if (notesMissing) {
        text += MessageText("AA00629");
    }
    std::size_t cutShort = 0;
    std::string_view first;
    for (const std::string_view line : survey.KentekensList) {
        if (line.size() < kSlotKeyLength) {
            first = cutShort++ == 0 ? line : first;
        }
    }
    if (cutShort > 0) {
        text += (text.empty() ? "" : " ") +
                FormatText(MessageText("AA00630"), {std::to_string(cutShort), first});
    }
    return text;
}

// A file that begins with the UTF-8 byte order mark was saved as UTF-8 by another program: it is
// held in code page 1252 like every project. Returns the characters that code page lacks, each
// now "?".
std::vector<std::string> DecodeUtf8Project(ByteBlock& content) {
    std::vector<std::string> lacking;
    const std::string_view text = WithoutByteOrderMark(content);
    if (text.size() < content.size()) {
        content = ByteBlock(Utf8ToCp1252(text, lacking));
    }
    return lacking;
}

// The warning naming the characters of a UTF-8 file that became "?"; empty when none did.
std::string LackingCharactersText(const std::string& path,
                                  const std::vector<std::string>& lacking) {
    if (lacking.empty()) {
        return {};
    }
    std::string characters;
    for (const std::string& character : lacking) {
        characters += (characters.empty() ? "" : " ") + character;
    }
    return FormatText(MessageText("AA00321"), {Utf8ForMessage(path), Utf8ForMessage(characters)});
}

// ReadProjectBytes without its guard against a file too big for the memory.
bool ReadProjectBytesInMemory(Survey& survey, ByteBlock content, const std::string& path,
                              Prompter& prompter) {
    if (!HoldsProjectSections(content)) {
        ErrorNotice(prompter, FormatText(MessageText("AA00314"), {Utf8ForMessage(path)}));
        return false;
    }
    const std::string lacking = LackingCharactersText(path, DecodeUtf8Project(content));
    // Loaded aside, so that running out of memory halfway leaves the survey as it was.
    Survey loaded = survey;
    const bool notesMissing = NotesMissing(content);
    ReadProjectBlock(loaded, std::move(content));
    survey = std::move(loaded);
    survey.ProjectPath = path;
    survey.ProjectChanged = false;
    if (const std::string damage = DamageText(notesMissing, survey); !damage.empty()) {
        WarningNotice(prompter, FormatText(MessageText("AA00628"), {Utf8ForMessage(path), damage}));
    }
    if (!lacking.empty()) {
        WarningNotice(prompter, lacking);
    }
    return true;
}

}  // namespace

bool ReadProjectFile(Survey& survey, const std::string& path, Prompter& prompter) {
    ByteBlock content;
    return ReadProjectFileBytes(path, content, prompter) &&
           ReadProjectBytes(survey, std::move(content), path, prompter);
}

bool ReadProjectFileBytes(const std::string& path, ByteBlock& content, Prompter& prompter) {
    FileError error;
    bool read = false;
    try {
        read = ReadWholeFile(path, content, error);
    } catch (const std::bad_alloc&) {
        error = kOutOfMemory;
    }
    if (!read) {
        ErrorNotice(prompter, OpenFailureText(path, error));
    }
    return read;
}

bool ReadProjectBytes(Survey& survey, ByteBlock content, const std::string& path,
                      Prompter& prompter) {
    try {
        return ReadProjectBytesInMemory(survey, std::move(content), path, prompter);
    } catch (const std::bad_alloc&) {
        ErrorNotice(prompter, OpenFailureText(path, kOutOfMemory));
        return false;
    }
}

bool HoldsProjectSections(std::string_view content) {
    content = WithoutByteOrderMark(content);
    return IsBlank(content) || AnyFound(FindSections(content));
}

void ReadProjectContent(Survey& survey, std::string_view content) {
    ReadProjectBlock(survey, ByteBlock(content));
}

void ReadProjectBlock(Survey& survey, ByteBlock content) {
    DecodeUtf8Project(content);
    const std::string_view text = content;
    const SectionPlaces places = FindSections(text);
    ReadGeneralValues(survey.AlgemeneGegevens, BodyOf(text, places[kGeneral]));
    ReadListSection(survey.RoutesList, BodyOf(text, places[kRoutes]));
    ReadListSection(survey.SectiesList, BodyOf(text, places[kSections]));
    ReadListSection(survey.ParkeerplaatsenList, BodyOf(text, places[kPlaces]));
    ReadNotes(survey.AantekeningenList, text, places[kNotes]);
    // The slots keep the file's bytes as their own: by far the most lines are theirs.
    const SectionBytes& plates = places[kPlates];
    if (survey.KentekensList.empty() && plates.Found()) {
        survey.KentekensList = LineBuffer::FromBlock(std::move(content), plates.first, plates.last);
    } else {
        ReadListSection(survey.KentekensList, BodyOf(text, plates));
    }
}

}  // namespace tavoric
