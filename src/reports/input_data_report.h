// The input data report: the general data and, as the user chooses, the routes, sections,
// parking places and plate observations as they are stored, for checking the input.
#pragma once

#include <array>
#include <string>

#include "core/progress.h"
#include "core/survey.h"
#include "reports/report_document.h"

namespace tavoric {

constexpr int kPlaceTypeCount = 10;
// The place type codes in the order of the type selector: V P B G M A I 1 2 3.
inline constexpr std::string_view kPlaceTypeCodes = "VPBGMAI123";
// The captions that follow the codes in the type legend (": vrij", ...), in code order; the
// desktop passes the labels of its parking places window, so the legend follows the language.
using PlaceTypeCaptions = std::array<std::string, kPlaceTypeCount>;
const PlaceTypeCaptions& DefaultPlaceTypeCaptions();

struct InputReportOptions {
    bool routes = true;
    bool sections = true;
    bool places = false;
    bool plates = false;
    PlaceTypeCaptions typeCaptions = DefaultPlaceTypeCaptions();
};

// Writes the header, the general data lines and the chosen blocks into the report. The progress
// moves with the plate lines only.
void WriteInputDataReport(ReportDocument& report, const Survey& survey,
                          const InputReportOptions& options, Progress& progress);

}  // namespace tavoric
