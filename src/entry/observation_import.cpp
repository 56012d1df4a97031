// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <unordered_set>

#include "core/codec.h"
#include "core/csv.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "entry/observation_csv.h"
#include "entry/observation_time.h"
#include "entry/plate_entry.h"
#include "entry/slot_index.h"

namespace tavoric {

namespace {

enum Column : std::size_t { kRoute, kSection, kPlace, kPeriod, kTime, kPlate, kRemark, kColumns };
// The names messages use, and the English names the header may use instead.
constexpr std::array<std::string_view, kColumns> kColumnNames = {
    "route", "sectie", "plaats", "periode", "tijd", "kenteken", "opmerking"};
constexpr std::array<std::string_view, kColumns> kEnglishColumnNames = {
    "route", "section", "place", "period", "time", "plate", "remark"};
constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);
// Row numbers and write numbers of the planning are kept in 32 bits: a file and a slot list must
// stay below this.
constexpr std::size_t kMaxPlannedCount = std::numeric_limits<std::uint32_t>::max();
// The summary names this many unknown columns; a reported field shows this many characters.
constexpr std::size_t kUnknownColumnsNamed = 20;
constexpr std::size_t kShownFieldLength = 40;

// A slot line as the plate entry writes it: key, blank, plate, blank, remark.
constexpr std::size_t kPlateAt = 25;
constexpr std::size_t kRemarkAt = kPlateAt + kPlateLength + 1;
constexpr std::size_t kPpeLineLength = kRemarkAt + 1;

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

// Text (code page 1252) as a message shows it: a long one cut short.
std::string Shortened(std::string text) {
    if (text.size() > kShownFieldLength) {
        text.resize(kShownFieldLength);
        text += "...";
    }
    return text;
}

// A field of the file (UTF-8) as a message shows it. Only its start is converted: a character
// takes at most four bytes.
std::string ShownField(std::string_view utf8) {
    return Shortened(Utf8ToCp1252(utf8.substr(0, 4 * (kShownFieldLength + 1))));
}

std::optional<Column> KnownColumn(std::string_view name) {
    for (std::size_t i = 0; i < kColumns; ++i) {
        if (EqualNoCase(name, kColumnNames[i]) || EqualNoCase(name, kEnglishColumnNames[i])) {
            return static_cast<Column>(i);
        }
    }
    return std::nullopt;
}

// The unknown columns of a header, each name once whatever its letter case.
class UnknownColumns {
public:
    explicit UnknownColumns(ObservationImportPlan& plan) : plan_(plan) {}
    void Note(std::string_view name) {
        std::string folded(name);
        std::transform(folded.begin(), folded.end(), folded.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (!seen_.insert(std::move(folded)).second) {
            return;
        }
        if (plan_.unknownColumns.size() < kUnknownColumnsNamed) {
            plan_.unknownColumns.push_back(ShownField(name));
        }
        ++plan_.unknownColumnCount;
    }

private:
    ObservationImportPlan& plan_;
    std::unordered_set<std::string> seen_;
};

// Reads the header; on failure the reason is in plan.fileError.
std::optional<ColumnPositions> ReadHeader(const std::vector<std::string>& header,
                                          ObservationImportPlan& plan) {
    ColumnPositions at;
    at.fill(kAbsent);
    UnknownColumns unknown(plan);
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view name = TrimBlanks(header[i]);
        const std::optional<Column> known = KnownColumn(name);
        if (!known) {
            unknown.Note(name);
            continue;
        }
        std::size_t& position = at[*known];
        if (position != kAbsent) {
            plan.fileError = FormatText(MessageText("AA00545"), {kColumnNames[*known]});
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

// The exports write an apostrophe before a text that a spreadsheet would otherwise take for a
// formula (one beginning with =, +, -, @, a tab or a carriage return); the import takes it off
// again. A text that begins with an apostrophe of its own is kept as it is.
std::string_view WithoutFormulaGuard(std::string_view text) {
    const bool guarded = text.size() > 1 && text[0] == '\'' &&
                         std::string_view("=+-@\t\r").find(text[1]) != std::string_view::npos;
    return guarded ? text.substr(1) : text;
}

// A plate or remark of the file in code page 1252, or nothing when it holds a character that
// cannot be stored in a slot line.
std::optional<std::string> StorableText(std::string_view utf8) {
    utf8 = WithoutFormulaGuard(utf8);
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

std::string PlaceKeyText(const PlaceNumbers& place) {
    return FourDigitText(place.route) + " " + FourDigitText(place.section) + " " +
           FourDigitText(place.place);
}

// The place a row names, or the reason it names none.
struct PlaceOrReason {
    std::optional<PlaceNumbers> place;
    std::string reason;
};

PlaceOrReason FindPlace(const Row& row, const SlotIndex& index) {
    std::array<int, 3> numbers{};
    for (const Column column : {kRoute, kSection, kPlace}) {
        const std::optional<int> number = NumberField(row[column]);
        if (!number) {
            return {std::nullopt, FormatText(MessageText("AA00530"),
                                             {ShownField(row[column]), kColumnNames[column]})};
        }
        numbers[column] = *number;
    }
    const PlaceNumbers place{numbers[kRoute], numbers[kSection], numbers[kPlace]};
    if (!index.HasRoute(place)) {
        return {std::nullopt, FormatText(MessageText("AA00531"), {FourDigitText(place.route)})};
    }
    if (!index.HasSection(place)) {
        return {std::nullopt, FormatText(MessageText("AA00532"), {FourDigitText(place.section),
                                                                  FourDigitText(place.route)})};
    }
    if (!index.HasPlace(place)) {
        return {std::nullopt, FormatText(MessageText("AA00533"), {PlaceKeyText(place)})};
    }
    return {place, ""};
}

// The moments a tijd field may mean, in seconds after the midnight that begins the survey day
// (the first one tried first), or the reason it means none.
struct SurveyMoments {
    std::array<int, 2> seconds{};
    std::size_t count = 0;
    std::string reason;

    bool Any(const auto& holds) const {
        return std::any_of(seconds.begin(), seconds.begin() + count, holds);
    }
};

// A clock time without date may lie past midnight: when the place has no period at it, it is
// tried 24 hours later. A date-time counts from the survey day: the day after adds 24 hours,
// another day is an error.
SurveyMoments MomentsOnSurveyDay(const FieldTime& time,
                                 const std::optional<CalendarDay>& surveyDay) {
    if (!time.day) {
        return time.second < kSecondsPerDay
                   ? SurveyMoments{{time.second, time.second + kSecondsPerDay}, 2, ""}
                   : SurveyMoments{{time.second, 0}, 1, ""};
    }
    if (!surveyDay || *time.day == *surveyDay) {
        return {{time.second, 0}, 1, ""};
    }
    if (*time.day == NextDay(*surveyDay)) {
        return {{time.second + kSecondsPerDay, 0}, 1, ""};
    }
    return {
        {}, 0, FormatText(MessageText("AA00547"), {IsoDayText(*time.day), IsoDayText(*surveyDay)})};
}

// The slot a row names, or the reason it names none. With both a period and a time, the time
// must lie in the period.
struct SlotOrReason {
    std::optional<std::size_t> slot;
    std::string reason;
};

// The slot of a place at the first moment of a time at which it has one; with a period given as
// well (periodSlot), that period's slot when the time lies in it.
SlotOrReason SlotAtMoments(const PlaceNumbers& place, std::optional<std::size_t> periodSlot,
                           const SurveyMoments& moments, const Row& row, const SlotIndex& index) {
    const std::string_view time = TrimBlanksAndTabs(row[kTime]);
    if (periodSlot) {
        const bool agree =
            moments.Any([&](int second) { return index.SlotCoversTime(*periodSlot, second); });
        return {agree ? periodSlot : std::nullopt,
                agree
                    ? ""
                    : FormatText(MessageText("AA00548"),
                                 {ShownField(time), ShownField(TrimBlanksAndTabs(row[kPeriod]))})};
    }
    std::optional<std::size_t> slot;
    for (std::size_t i = 0; i < moments.count && !slot; ++i) {
        slot = index.SlotAtTime(place, moments.seconds[i]);
    }
    return {
        slot,
        slot ? "" : FormatText(MessageText("AA00535"), {PlaceKeyText(place), ShownField(time)})};
}

SlotOrReason FindSlot(const Row& row, SlotIndex& index, const SurveyMoments& moments) {
    const PlaceOrReason found = FindPlace(row, index);
    if (!found.place) {
        return {std::nullopt, found.reason};
    }
    const PlaceNumbers& place = *found.place;
    const std::string_view period = TrimBlanksAndTabs(row[kPeriod]);
    const bool hasTime = !TrimBlanksAndTabs(row[kTime]).empty();
    if (period.empty() && !hasTime) {
        return {std::nullopt, MessageText("AA00537")};
    }
    std::optional<std::size_t> slot;
    if (!period.empty()) {
        slot = index.SlotOfPeriod(place, period);
        if (!slot) {
            return {std::nullopt,
                    FormatText(MessageText("AA00534"), {PlaceKeyText(place), ShownField(period)})};
        }
    }
    if (!hasTime) {
        return {slot, ""};
    }
    if (!moments.reason.empty()) {
        return {std::nullopt, moments.reason};
    }
    return SlotAtMoments(place, slot, moments, row, index);
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
            FormatText(MessageText("AA00540"), {"kenteken", ShownField(row[kPlate])});
    } else if (!remark) {
        observation.reason =
            FormatText(MessageText("AA00540"), {"opmerking", ShownField(row[kRemark])});
    } else if (observation.plate.size() > kPlateLength) {
        observation.reason = FormatText(MessageText("AA00538"), {Shortened(observation.plate)});
    } else if (observation.remark.size() > 1) {
        observation.reason = FormatText(MessageText("AA00539"), {Shortened(observation.remark)});
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
    // The rows of a file whose header has columns fields; times in zone, dated ones held against
    // surveyDay.
    Planner(const Survey& survey, const ColumnPositions& at, std::size_t columns,
            const LocalTimeZone& zone, ObservationImportPlan& plan)
        : slots_(survey.KentekensList),
          index_(survey, at[kTime] != kAbsent),
          firstRow_(survey.KentekensList.size()),
          at_(at),
          columns_(columns),
          zone_(zone),
          plan_(plan) {}

    // Rows are taken in file order.
    void Take(const std::vector<std::string>& fields, std::size_t line, bool malformed) {
        ++plan_.counts.rowsRead;
        if (malformed) {
            Report(line, ReportedRowKind::Error, MessageText("AA00541"));
            return;
        }
        if (fields.size() < columns_) {
            Report(line, ReportedRowKind::Error,
                   FormatText(MessageText("AA00546"),
                              {std::to_string(fields.size()), std::to_string(columns_)}));
            return;
        }
        const Row row(fields, at_);
        Observation observation = ReadObservation(row);
        if (observation.reason.empty() && observation.plate.empty() && observation.remark.empty()) {
            ++plan_.counts.skipped;
            return;
        }
        const SlotOrReason found = FindSlot(row, index_, MomentsOf(row));
        if (!found.slot) {
            Report(line, ReportedRowKind::Error, found.reason);
        } else if (!observation.reason.empty()) {
            Report(line, ReportedRowKind::Error, observation.reason);
        } else {
            Decide(*found.slot, line, std::move(observation));
        }
    }

private:
    static constexpr std::uint32_t kNoWrite = std::numeric_limits<std::uint32_t>::max();
    struct FirstRow {
        std::uint32_t line = 0;  // 0: no row yet
        std::uint32_t write = kNoWrite;
    };

    SurveyMoments MomentsOf(const Row& row) {
        const std::string_view text = TrimBlanksAndTabs(row[kTime]);
        if (text.empty()) {
            return {};
        }
        const FieldTimeOrError time = ReadFieldTime(text, zone_);
        if (!time.time) {
            const bool badDate = time.error == FieldTimeError::BadDate;
            return {{},
                    0,
                    FormatText(MessageText(badDate ? "AA00519" : "AA00536"), {ShownField(text)})};
        }
        plan_.convertedRows += time.time->converted;
        return MomentsOnSurveyDay(*time.time, plan_.surveyDay);
    }

    void Decide(std::size_t slot, std::size_t line, Observation observation) {
        const std::string_view slotLine = slots_[slot];
        const std::string_view slotPlate = TrimTrailingBlanks(PpePlate(slotLine));
        const std::string_view slotRemark = TrimTrailingBlanks(PpeRemark(slotLine));
        FirstRow& first = firstRow_[slot];
        if (first.line != 0) {
            const bool taken = first.write != kNoWrite;
            const ObservationImportPlan::SlotWrite* write =
                taken ? &plan_.writes[first.write] : nullptr;
            const std::string_view firstPlate = taken ? write->Plate() : slotPlate;
            if (SameObservation(firstPlate, taken ? write->Remark() : slotRemark, observation)) {
                ++plan_.counts.unchanged;
            } else {
                Report(line, ReportedRowKind::Duplicate,
                       FormatText(MessageText("AA00543"),
                                  {std::to_string(first.line), PpeKey(slotLine), firstPlate,
                                   observation.plate}));
            }
            return;
        }
        first.line = static_cast<std::uint32_t>(line);
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
        first.write = static_cast<std::uint32_t>(plan_.writes.size());
        plan_.writes.push_back(ObservationImportPlan::SlotWrite::Of(slot, observation.plate,
                                                                    observation.remark, !empty));
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
    // Per slot: the row that decided it.
    std::vector<FirstRow> firstRow_;
    const ColumnPositions& at_;
    std::size_t columns_;
    const LocalTimeZone& zone_;
    ObservationImportPlan& plan_;
};

// The earliest day among the dated rows of the file; nothing when no row has a date.
std::optional<CalendarDay> EarliestDay(std::string_view csvContent, char separator,
                                       const ColumnPositions& at, std::size_t columns,
                                       const LocalTimeZone& zone) {
    if (at[kTime] == kAbsent) {
        return std::nullopt;
    }
    CsvReader reader(csvContent, separator);
    std::vector<std::string> fields;
    reader.Next(fields);
    std::optional<CalendarDay> earliest;
    while (reader.Next(fields)) {
        if (reader.RecordMalformed() || fields.size() < columns) {
            continue;
        }
        const FieldTimeOrError time = ReadFieldTime(TrimBlanksAndTabs(fields[at[kTime]]), zone);
        if (time.time && time.time->day && (!earliest || *time.time->day < *earliest)) {
            earliest = time.time->day;
        }
    }
    return earliest;
}

void SortByLine(std::vector<ObservationImportPlan::SlotWrite>& writes) {
    const auto byLine = [](const auto& a, const auto& b) { return a.line < b.line; };
    if (!std::is_sorted(writes.begin(), writes.end(), byLine)) {
        std::sort(writes.begin(), writes.end(), byLine);
    }
}

// The slot line a write makes of a line: its key, then the plate and remark as PpeLineWithPlate
// puts them.
std::array<char, kPpeLineLength> WrittenLine(std::string_view line,
                                             const ObservationImportPlan::SlotWrite& write) {
    std::array<char, kPpeLineLength> written;
    written.fill(' ');
    const std::string_view key = PpeKey(line);
    std::memcpy(written.data(), key.data(), key.size());
    std::memcpy(written.data() + kPlateAt, write.plateField.data(), kPlateLength);
    written[kRemarkAt] = write.remarkField;
    return written;
}

// A quote left open makes the rest of the file unreadable: nothing of it is taken.
ObservationImportPlan RefusedForQuoting(std::size_t line) {
    ObservationImportPlan plan;
    plan.fileError = FormatText(MessageText("AA00549"), {std::to_string(line)});
    return plan;
}

}  // namespace

ObservationImportPlan PlanObservationImport(const Survey& survey, std::string_view csvContent,
                                            const ObservationImportOptions& options) {
    ObservationImportPlan plan;
    std::string decoded;
    csvContent = CsvContentAsUtf8(csvContent, decoded);
    const char separator = DetectCsvSeparator(csvContent);
    if (csvContent.size() >= kMaxPlannedCount || survey.KentekensList.size() >= kMaxPlannedCount) {
        plan.fileError = MessageText("AA01100");
        return plan;
    }
    CsvReader reader(csvContent, separator);
    std::vector<std::string> fields;
    reader.Next(fields);
    const std::optional<ColumnPositions> at = ReadHeader(fields, plan);
    if (!at) {
        return plan;
    }
    const LocalTimeZone zone(options.timeZone);
    plan.timeZone = options.timeZone;
    plan.surveyDayGiven = options.surveyDay.has_value();
    plan.surveyDay = options.surveyDay
                         ? options.surveyDay
                         : EarliestDay(csvContent, separator, *at, fields.size(), zone);
    Planner planner(survey, *at, fields.size(), zone, plan);
    plan.writes.reserve(
        static_cast<std::size_t>(std::count(csvContent.begin(), csvContent.end(), '\n')));
    std::vector<std::string> rowFields;
    while (reader.Next(rowFields) && reader.BrokenQuoteLine() == 0) {
        planner.Take(rowFields, reader.RecordLine(), reader.RecordMalformed());
    }
    if (reader.BrokenQuoteLine() != 0) {
        return RefusedForQuoting(reader.BrokenQuoteLine());
    }
    SortByLine(plan.writes);
    return plan;
}

ObservationImportPlan::SlotWrite ObservationImportPlan::SlotWrite::Of(std::size_t line,
                                                                      std::string_view plate,
                                                                      std::string_view remark,
                                                                      bool replacesOther) {
    SlotWrite write{line, {}, remark.empty() ? ' ' : remark.front(), replacesOther};
    write.plateField.fill(' ');
    std::memcpy(write.plateField.data(), plate.data(), std::min(plate.size(), kPlateLength));
    return write;
}

std::string_view ObservationImportPlan::SlotWrite::Plate() const {
    return TrimTrailingBlanks({plateField.data(), plateField.size()});
}

std::string_view ObservationImportPlan::SlotWrite::Remark() const {
    return remarkField == ' ' ? std::string_view{} : std::string_view(&remarkField, 1);
}

// Writing fills most slots of a large import with longer lines: the list is built anew once,
// every line in order, rather than growing its block line by line.
std::size_t ApplyObservationImport(Survey& survey, const ObservationImportPlan& plan,
                                   bool replace) {
    const LineBuffer& slots = survey.KentekensList;
    const auto applies = [&](const ObservationImportPlan::SlotWrite& write) {
        return (replace || !write.replacesOther) && write.line < slots.size();
    };
    std::size_t written = 0;
    std::size_t textBytes = slots.TextSize();
    for (const ObservationImportPlan::SlotWrite& write : plan.writes) {
        if (applies(write)) {
            ++written;
            textBytes = textBytes - slots[write.line].size() + kPpeLineLength;
        }
    }
    if (written == 0) {
        return 0;
    }
    LineBuffer rebuilt;
    rebuilt.reserve(slots.size(), textBytes);
    auto write = plan.writes.begin();
    for (std::size_t i = 0; i < slots.size(); ++i) {
        while (write != plan.writes.end() && (write->line < i || !applies(*write))) {
            ++write;
        }
        if (write != plan.writes.end() && write->line == i) {
            const std::array<char, kPpeLineLength> line = WrittenLine(slots[i], *write);
            rebuilt.push_back({line.data(), line.size()});
        } else {
            rebuilt.push_back(slots[i]);
        }
    }
    survey.KentekensList = std::move(rebuilt);
    survey.ProjectChanged = true;
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
    if (counts.rowsRead == 0) {
        return {line("AA00520", 0), MessageText("AA00508")};
    }
    std::vector<std::string> lines = {
        line("AA00520", counts.rowsRead),
        line("AA00521", counts.toFill),
        line("AA00522", counts.unchanged),
        line(replace ? "AA00524" : "AA00523", counts.conflicts),
        line("AA00525", counts.duplicates),
        line("AA00526", counts.errors),
        line("AA00527", counts.skipped),
        FormatText(MessageText("AA00514"),
                   {std::to_string(counts.toFill), std::to_string(counts.unchanged),
                    std::to_string(counts.conflicts), std::to_string(counts.duplicates),
                    std::to_string(counts.errors), std::to_string(counts.skipped),
                    std::to_string(counts.rowsRead)}),
    };
    if (plan.surveyDay) {
        lines.push_back(FormatText(MessageText(plan.surveyDayGiven ? "AA00510" : "AA00511"),
                                   {IsoDayText(*plan.surveyDay)}));
    }
    if (plan.convertedRows > 0) {
        const std::string zone = plan.timeZone.empty() ? MessageText("AA00513") : plan.timeZone;
        lines.push_back(
            FormatText(MessageText("AA00512"), {zone, std::to_string(plan.convertedRows)}));
    }
    if (plan.unknownColumnCount > 0) {
        std::string names = Joined(plan.unknownColumns);
        if (plan.unknownColumnCount > plan.unknownColumns.size()) {
            names = FormatText(
                MessageText("AA00518"),
                {names, std::to_string(plan.unknownColumnCount - plan.unknownColumns.size())});
        }
        lines.push_back(FormatText(MessageText("AA00528"), {names}));
    }
    return lines;
}

std::string ReportedRowText(const ReportedRow& row) {
    return FormatText(MessageText("AA00529"), {std::to_string(row.line), row.reason});
}

std::string ReportedRowsFileContent(const std::vector<const ReportedRow*>& rows) {
    std::string text;
    for (const ReportedRow* row : rows) {
        text += ReportedRowText(*row);
        text += "\r\n";
    }
    return Cp1252ToUtf8(text);
}

}  // namespace tavoric
