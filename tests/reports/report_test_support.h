// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the report tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/progress.h"
#include "reports/report_document.h"

namespace tavoric {

// Remembers every step and how often it was shown and hidden.
class RecordingProgress : public Progress {
public:
    void Show() override { ++shows; }
    void Set(std::size_t done, std::size_t total) override { steps.emplace_back(done, total); }
    void Hide() override { ++hides; }

    int shows = 0;
    int hides = 0;
    std::vector<std::pair<std::size_t, std::size_t>> steps;
};

// The lines after the standard header, which the report must begin with.
inline LineList LinesAfterHeader(const ReportDocument& report, const GeneralValues& general) {
    ReportDocument header(report.Number(), report.Settings());
    header.WriteReportHeader(general);
    const LineList& lines = report.Lines();
    if (lines.size() < header.Lines().size() ||
        !std::equal(header.Lines().begin(), header.Lines().end(), lines.begin())) {
        ADD_FAILURE() << "the report does not begin with the standard header";
        return lines;
    }
    return LineList(lines.begin() + static_cast<std::ptrdiff_t>(header.Lines().size()),
                    lines.end());
}

}  // namespace tavoric
