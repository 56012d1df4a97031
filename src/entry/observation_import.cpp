// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <optional>

#include "core/codec.h"
#include "core/csv.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "entry/observation_csv.h"
#include "entry/plate_entry.h"
#include "entry/slot_index.h"

namespace tavoric {

namespace {

enum Column : std::size_t { kRoute, kSection, kPlace, kPeriod, kTime, kPlate, kRemark, kColumns };
constexpr std::array<std::string_view, kColumns> kColumnNames = {
    "route", "sectie", "plaats", "periode", "tijd", "kenteken", "opmerking"};
constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

// Where each known column stands in the file's rows.
using ColumnPositions = std::array<std::size_t, kColumns>;

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += text.empty() ? "" : ", ";
        text += name;
    }
    return text;
}

void NoteUnknownColumn(std::string name, std::vector<std::string>& unknown) {
    if (std::none_of(unknown.begin(), unknown.end(),
                     [&name](const std::string& u) { return EqualNoCase(u, name); })) {
        unknown.push_back(std::move(name));
    }
}

// Reads the header; on failure the reason is in plan.fileError.
std::optional<ColumnPositions> ReadHeader(const std::vector<std::string>& header,
                                          ObservationImportPlan& plan) {
    ColumnPositions at;
    at.fill(kAbsent);
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view name = TrimBlanks(header[i]);
        const auto known =
            std::find_if(kColumnNames.begin(), kColumnNames.end(),
                         [name](std::string_view k) { return EqualNoCase(name, k); });
        if (known == kColumnNames.end()) {
            NoteUnknownColumn(Utf8ToCp1252(name), plan.unknownColumns);
            continue;
        }
        std::size_t& position = at[static_cast<std::size_t>(known - kColumnNames.begin())];
        if (position != kAbsent) {
            plan.fileError = FormatText(MessageText("AA00545"), {*known});
            return std::nullopt;
        }
        position = i;
    }
    std::vector<std::string> missing;
    for (const Column column : {kRoute, kSection, kPlace, kPlate}) {
        if (at[column] == kAbsent) {
            missing.emplace_back(kColumnNames[column]);
        }
    }
    if (at[kPeriod] == kAbsent && at[kTime] == kAbsent) {
        missing.emplace_back("periode of tijd");
    }
    if (!missing.empty()) {
        plan.fileError = FormatText(MessageText("AA00544"), {Joined(missing)});
        return std::nullopt;
    }
    return at;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool HasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanksAndTabs(std::string_view text) {
    while (!text.empty() && IsBlankOrTab(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlankOrTab(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A plate or remark of the file in code page 1252, or nothing when it holds a character that
// cannot be stored in a slot line.
std::optional<std::string> StorableText(std::string_view utf8) {
    std::optional<std::string> text =
        IsAscii(utf8) ? std::optional<std::string>(utf8) : Utf8ToCp1252Exactly(utf8);
    if (text && HasControlCharacter(*text)) {
        return std::nullopt;
    }
    return text;
}

// A route, section or place number of the file, with or without leading zeros: "7" is 7.
std::optional<int> NumberField(std::string_view text) {
    text = TrimBlanksAndTabs(text);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(std::min(text.find_first_not_of('0'), text.size()));
    if (text.size() > 4) {
        return std::nullopt;
    }
    return IntegerOrZero(text);
}

std::string FourDigitText(int number) {
    return PadField("R", std::to_string(number), "0", 4);
}

// A text of minCount to maxCount digits as its number.
std::optional<int> Digits(std::string_view text, std::size_t minCount, std::size_t maxCount) {
    if (text.size() < minCount || text.size() > maxCount ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return IntegerOrZero(text);
}

bool IsDate(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '-' || c == '/' || c == '.';
    });
}

// The time of day of a date-time: what follows the date and a "T" or blanks, without fractions
// of a second or a time zone; any other text as it is.
std::string_view TimeOfDay(std::string_view text) {
    const std::size_t split = text.find_first_of("T ");
    if (split == std::string_view::npos || !IsDate(text.substr(0, split))) {
        return text;
    }
    std::string_view time = TrimBlanks(text.substr(split + 1));
    return time.substr(0, time.find_first_of(".,Z+-"));
}

// Seconds since midnight of "HHMM", "HMM", "H:MM", "HH:MM", "HH:MM:SS" or a date-time.
std::optional<int> SecondsOfDay(std::string_view text) {
    text = TimeOfDay(TrimBlanksAndTabs(text));
    std::optional<int> hours;
    std::optional<int> minutes;
    std::optional<int> seconds = 0;
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        const std::optional<int> hhmm = Digits(text, 3, 4);
        hours = hhmm ? std::optional(*hhmm / 100) : std::nullopt;
        minutes = hhmm ? std::optional(*hhmm % 100) : std::nullopt;
    } else {
        const std::string_view rest = text.substr(colon + 1);
        const std::size_t secondColon = rest.find(':');
        hours = Digits(text.substr(0, colon), 1, 2);
        minutes = Digits(rest.substr(0, secondColon), 2, 2);
        if (secondColon != std::string_view::npos) {
            seconds = Digits(rest.substr(secondColon + 1), 2, 2);
        }
    }
    if (!hours || !minutes || !seconds || *hours > 23 || *minutes > 59 || *seconds > 59) {
        return std::nullopt;
    }
    return (*hours * 60 + *minutes) * 60 + *seconds;
}

// One data row of the file, its fields taken by column.
class Row {
public:
    Row(const std::vector<std::string>& fields, const ColumnPositions& at)
        : fields_(fields), at_(at) {}
    std::string_view operator[](Column column) const {
        const std::size_t i = at_[column];
        return i < fields_.size() ? std::string_view(fields_[i]) : std::string_view{};
    }

private:
    const std::vector<std::string>& fields_;
    const ColumnPositions& at_;
};

// The slot a row names, or the reason it names none.
struct SlotOrReason {
    std::optional<std::size_t> slot;
    std::string reason;
};

SlotOrReason FindSlot(const Row& row, const SlotIndex& index) {
    std::array<int, 3> numbers{};
    for (const Column column : {kRoute, kSection, kPlace}) {
        const std::optional<int> number = NumberField(row[column]);
        if (!number) {
            return {std::nullopt, FormatText(MessageText("AA00530"),
                                             {Utf8ToCp1252(row[column]), kColumnNames[column]})};
        }
        numbers[column] = *number;
    }
    const PlaceNumbers place{numbers[kRoute], numbers[kSection], numbers[kPlace]};
    const auto placeKey = [&place] {
        return FourDigitText(place.route) + " " + FourDigitText(place.section) + " " +
               FourDigitText(place.place);
    };
    if (!index.HasRoute(place)) {
        return {std::nullopt, FormatText(MessageText("AA00531"), {FourDigitText(place.route)})};
    }
    if (!index.HasSection(place)) {
        return {std::nullopt, FormatText(MessageText("AA00532"), {FourDigitText(place.section),
                                                                  FourDigitText(place.route)})};
    }
    if (!index.HasPlace(place)) {
        return {std::nullopt, FormatText(MessageText("AA00533"), {placeKey()})};
    }
    const std::string_view period = TrimBlanksAndTabs(row[kPeriod]);
    if (!period.empty()) {
        const std::optional<std::size_t> slot = index.SlotOfPeriod(place, period);
        return {slot,
                slot ? "" : FormatText(MessageText("AA00534"), {placeKey(), Utf8ToCp1252(period)})};
    }
    const std::string_view time = TrimBlanksAndTabs(row[kTime]);
    if (time.empty()) {
        return {std::nullopt, MessageText("AA00537")};
    }
    const std::optional<int> second = SecondsOfDay(time);
    if (!second) {
        return {std::nullopt, FormatText(MessageText("AA00536"), {Utf8ToCp1252(time)})};
    }
    const std::optional<std::size_t> slot = index.SlotAtTime(place, *second);
    return {slot, slot ? "" : FormatText(MessageText("AA00535"), {placeKey(), Utf8ToCp1252(time)})};
}

// The plate and remark of a row as a slot stores them, or the reason they cannot be stored.
struct Observation {
    std::string plate;
    std::string remark;
    std::string reason;
};

Observation ReadObservation(const Row& row) {
    Observation observation;
    const std::optional<std::string> plate = StorableText(TrimBlanksAndTabs(row[kPlate]));
    const std::optional<std::string> remark = StorableText(TrimBlanksAndTabs(row[kRemark]));
    if (plate) {
        observation.plate = *plate;
        std::erase_if(observation.plate, [](char c) { return c == ' ' || c == '-'; });
    }
    if (remark) {
        observation.remark = *remark;
    }
    if (!plate) {
        observation.reason =
            FormatText(MessageText("AA00540"), {"kenteken", Utf8ToCp1252(row[kPlate])});
    } else if (!remark) {
        observation.reason =
            FormatText(MessageText("AA00540"), {"opmerking", Utf8ToCp1252(row[kRemark])});
    } else if (observation.plate.size() > kPlateLength) {
        observation.reason = FormatText(MessageText("AA00538"), {observation.plate});
    } else if (observation.remark.size() > 1) {
        observation.reason = FormatText(MessageText("AA00539"), {observation.remark});
    }
    return observation;
}

// A slot holding this plate is left as it is, whatever its remark; a slot without a plate is
// compared by its remark.
bool SameObservation(std::string_view plate, std::string_view remark,
                     const Observation& observation) {
    return plate == observation.plate &&
           (!plate.empty() || EqualNoCase(remark, observation.remark));
}

// Builds the plan row by row: the first row for a slot decides it, later rows are compared.
class Planner {
public:
    Planner(const Survey& survey, bool byTime, ObservationImportPlan& plan)
        : slots_(survey.KentekensList),
          index_(survey, byTime),
          firstRow_(survey.KentekensList.size()),
          plan_(plan) {}

    void Take(const Row& row, std::size_t line, bool malformed) {
        ++plan_.counts.rowsRead;
        if (malformed) {
            Report(line, ReportedRowKind::Error, MessageText("AA00541"));
            return;
        }
        Observation observation = ReadObservation(row);
        if (observation.reason.empty() && observation.plate.empty() && observation.remark.empty()) {
            ++plan_.counts.skipped;
            return;
        }
        const SlotOrReason found = FindSlot(row, index_);
        if (!found.slot) {
            Report(line, ReportedRowKind::Error, found.reason);
        } else if (!observation.reason.empty()) {
            Report(line, ReportedRowKind::Error, observation.reason);
        } else {
            Decide(*found.slot, line, std::move(observation));
        }
    }

private:
    struct FirstRow {
        std::size_t line = 0;  // 0: no row yet
        std::size_t write = kAbsent;
    };

    void Decide(std::size_t slot, std::size_t line, Observation observation) {
        const std::string_view slotLine = slots_[slot];
        const std::string_view slotPlate = TrimTrailingBlanks(PpePlate(slotLine));
        const std::string_view slotRemark = TrimTrailingBlanks(PpeRemark(slotLine));
        FirstRow& first = firstRow_[slot];
        if (first.line != 0) {
            const bool taken = first.write != kAbsent;
            const ObservationImportPlan::SlotWrite* write =
                taken ? &plan_.writes[first.write] : nullptr;
            const std::string_view firstPlate = taken ? write->plate : slotPlate;
            if (SameObservation(firstPlate, taken ? write->remark : slotRemark, observation)) {
                ++plan_.counts.unchanged;
            } else {
                Report(line, ReportedRowKind::Duplicate,
                       FormatText(MessageText("AA00543"),
                                  {std::to_string(first.line), PpeKey(slotLine), firstPlate,
                                   observation.plate}));
            }
            return;
        }
        first.line = line;
        const bool empty = slotPlate.empty() && slotRemark.empty();
        if (!empty && SameObservation(slotPlate, slotRemark, observation)) {
            ++plan_.counts.unchanged;
            return;
        }
        if (empty) {
            ++plan_.counts.toFill;
        } else {
            Report(line, ReportedRowKind::Conflict,
                   FormatText(MessageText("AA00542"),
                              {PpeKey(slotLine), slotPlate, slotRemark, observation.plate}));
        }
        first.write = plan_.writes.size();
        plan_.writes.push_back(
            {slot, std::move(observation.plate), std::move(observation.remark), !empty});
    }

    void Report(std::size_t line, ReportedRowKind kind, std::string reason) {
        ObservationImportCounts& counts = plan_.counts;
        ++(kind == ReportedRowKind::Conflict    ? counts.conflicts
           : kind == ReportedRowKind::Duplicate ? counts.duplicates
                                                : counts.errors);
        plan_.reportedRows.push_back({line, kind, std::move(reason)});
    }

    const LineBuffer& slots_;
    SlotIndex index_;
    std::vector<FirstRow> firstRow_;
    ObservationImportPlan& plan_;
};

}  // namespace

ObservationImportPlan PlanObservationImport(const Survey& survey, std::string_view csvContent) {
    ObservationImportPlan plan;
    csvContent = WithoutByteOrderMark(csvContent);
    CsvReader reader(csvContent, DetectCsvSeparator(csvContent));
    std::vector<std::string> fields;
    reader.Next(fields);
    const std::optional<ColumnPositions> at = ReadHeader(fields, plan);
    if (!at) {
        return plan;
    }
    Planner planner(survey, (*at)[kTime] != kAbsent, plan);
    plan.writes.reserve(
        static_cast<std::size_t>(std::count(csvContent.begin(), csvContent.end(), '\n')));
    while (reader.Next(fields)) {
        planner.Take(Row(fields, *at), reader.RecordLine(), reader.RecordMalformed());
    }
    return plan;
}

std::size_t ApplyObservationImport(Survey& survey, const ObservationImportPlan& plan,
                                   bool replace) {
    std::size_t written = 0;
    LineBuffer& slots = survey.KentekensList;
    for (const ObservationImportPlan::SlotWrite& write : plan.writes) {
        if ((replace || !write.replacesOther) && write.line < slots.size()) {
            slots.Set(write.line,
                      PpeLineWithPlate(PpeKey(slots[write.line]), write.plate, write.remark));
            ++written;
        }
    }
    if (written > 0) {
        survey.ProjectChanged = true;
    }
    return written;
}

std::vector<const ReportedRow*> RowsLeftOut(const ObservationImportPlan& plan, bool replace) {
    std::vector<const ReportedRow*> rows;
    for (const ReportedRow& row : plan.reportedRows) {
        if (!replace || row.kind != ReportedRowKind::Conflict) {
            rows.push_back(&row);
        }
    }
    return rows;
}

std::vector<std::string> ImportSummaryLines(const ObservationImportPlan& plan, bool replace) {
    const ObservationImportCounts& counts = plan.counts;
    auto line = [](std::string_view key, std::size_t count) {
        return FormatText(MessageText(key), {std::to_string(count)});
    };
    std::vector<std::string> lines = {
        line("AA00520", counts.rowsRead),   line("AA00521", counts.toFill),
        line("AA00522", counts.unchanged),  line(replace ? "AA00524" : "AA00523", counts.conflicts),
        line("AA00525", counts.duplicates), line("AA00526", counts.errors),
        line("AA00527", counts.skipped),
    };
    if (!plan.unknownColumns.empty()) {
        lines.push_back(FormatText(MessageText("AA00528"), {Joined(plan.unknownColumns)}));
    }
    return lines;
}

std::string ReportedRowText(const ReportedRow& row) {
    return FormatText(MessageText("AA00529"), {std::to_string(row.line), row.reason});
}

}  // namespace tavoric
