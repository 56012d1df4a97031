// SPDX-License-Identifier: GPL-3.0-or-later
// The report "Parkeermotief": the bounds used, the vehicles of each motive with their share, and
// per section and per period the vehicles of each motive seen there; and its data as CSV.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/parking_motive.h"
#include "reports/report_document.h"

namespace tavoric {

// Writes the section after the analysis heading and fills the report's table with the periods,
// as the CSV export writes them. sectionLines give the sections their descriptions.
void WriteMotiveSection(ReportDocument& report, const MotiveFigures& figures,
                        const MotiveBounds& bounds, const LineList& sectionLines);

// Share of all vehicles in whole percent, halves to even; 0 when there are none.
std::int64_t MotivePercent(std::int64_t vehicles, std::int64_t allVehicles);

// The description of the first section line with this key ("RRRR SSSS"); empty without one.
std::string_view SectionDescriptionOf(const LineList& sectionLines, std::string_view key);

// "bewoner", "werknemer" or "bezoeker", as the data files name the motives (in Motive order).
std::string_view MotiveName(std::size_t motive);
// The column names of the three data files below, which programs read (never translated).
std::vector<std::string> MotivePeriodColumns();
std::vector<std::string> MotiveTotalsColumns();
std::vector<std::string> MotiveSectionsColumns();

// UTF-8, comma-separated, CR LF: "tijdstip,bewoners,werknemers,bezoekers" and a row per clock time.
std::string MotivePeriodCsv(const MotiveFigures& figures);
// "motief,voertuigen,procent" and the rows bewoner, werknemer, bezoeker.
std::string MotiveTotalsCsv(const MotiveFigures& figures);
// The vehicles of each motive per section: route, section, description and the three counts.
std::string MotiveSectionsCsv(const MotiveFigures& figures, const LineList& sectionLines);

}  // namespace tavoric
