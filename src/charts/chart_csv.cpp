// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/chart_csv.h"

#include <initializer_list>
#include <vector>

#include "analysis/motive_report.h"
#include "core/codec.h"
#include "core/csv.h"

namespace tavoric {

namespace {

class CsvWriter {
public:
    // field: code page 1252 text, written as UTF-8.
    void Row(std::initializer_list<std::string> fields) { Row(std::vector<std::string>(fields)); }
    void Row(const std::vector<std::string>& fields) {
        bool first = true;
        for (const std::string& field : fields) {
            text_ += first ? "" : ",";
            first = false;
            Field(Cp1252ToUtf8(field));
        }
        text_ += "\r\n";
    }
    std::string Text() && { return std::move(text_); }

private:
    void Field(const std::string& field) {
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            text_ += field;
            return;
        }
        text_ += '"';
        for (char c : field) {
            text_ += c == '"' ? "\"\"" : std::string(1, c);
        }
        text_ += '"';
    }

    std::string text_;
};

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

std::string OccupancyCsv(const ChartData& data) {
    CsvWriter csv;
    csv.Row(ChartCsvColumns(ChartKind::Occupancy));
    for (const ClockOccupancy& time : data.occupancy) {
        csv.Row({SpreadsheetText(time.time), Number(time.capacity), Number(time.vehicles),
                 Number(time.occupancy)});
    }
    return std::move(csv).Text();
}

std::string SectionsCsv(const ChartData& data) {
    CsvWriter csv;
    csv.Row(ChartCsvColumns(ChartKind::Sections));
    for (const SectionPressure& section : data.sections) {
        csv.Row({SpreadsheetText(section.route), SpreadsheetText(section.section),
                 SpreadsheetText(section.description), Number(section.places),
                 Number(section.capacity), Number(section.occupied), Number(section.occupancy),
                 Number(section.peak)});
    }
    return std::move(csv).Text();
}

std::string DurationsCsv(const ChartData& data) {
    CsvWriter csv;
    csv.Row(ChartCsvColumns(ChartKind::Durations));
    for (std::size_t k = 0; k < data.durations.size(); ++k) {
        const DurationShare& share = data.durations[k];
        csv.Row({Number(static_cast<std::int64_t>(k) + 1), Number(share.range.from),
                 Number(share.range.to), Number(share.vehicles), Number(share.percent)});
    }
    return std::move(csv).Text();
}

std::string MatrixCsv(const ChartData& data) {
    CsvWriter csv;
    csv.Row(ChartCsvColumns(ChartKind::Matrix));
    for (const SectionPressure& section : data.sections) {
        for (const ClockOccupancy& cell : section.byClockTime) {
            csv.Row({SpreadsheetText(section.route), SpreadsheetText(section.section),
                     SpreadsheetText(section.description), SpreadsheetText(cell.time),
                     Number(cell.capacity), Number(cell.vehicles), Number(cell.occupancy)});
        }
    }
    return std::move(csv).Text();
}

}  // namespace

std::vector<std::string> ChartCsvColumns(ChartKind kind) {
    switch (kind) {
        case ChartKind::Occupancy:
            return {"tijdstip", "capaciteit", "voertuigen", "bezetting"};
        case ChartKind::Sections:
            return {"route",      "sectie", "omschrijving", "plaatsen",
                    "capaciteit", "bezet",  "bezetting",    "piek"};
        case ChartKind::Durations:
            return {"klasse", "van", "tot", "voertuigen", "procent"};
        case ChartKind::Motive:
            return MotivePeriodColumns();
        case ChartKind::Matrix:
            return {"route",      "sectie",     "omschrijving", "tijdstip",
                    "capaciteit", "voertuigen", "bezetting"};
        case ChartKind::MotiveSections:
            return MotiveSectionsColumns();
    }
    return {};
}

std::string ChartCsv(ChartKind kind, const ChartData& data) {
    switch (kind) {
        case ChartKind::Occupancy:
            return OccupancyCsv(data);
        case ChartKind::Sections:
            return SectionsCsv(data);
        case ChartKind::Durations:
            return DurationsCsv(data);
        case ChartKind::Motive:
            return MotivePeriodCsv(data.motives);
        case ChartKind::Matrix:
            return MatrixCsv(data);
        case ChartKind::MotiveSections:
            return MotiveSectionsCsv(data.motives, data.sectionLines);
    }
    return {};
}

}  // namespace tavoric
