// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/notes_report.h"

#include <gtest/gtest.h>

#include "report_test_support.h"

namespace tavoric {
namespace {

LineList NotesBody(const LineList& notes) {
    Survey survey;
    survey.AantekeningenList = notes;
    ReportDocument report(2, {});
    WriteNotesReport(report, survey);
    EXPECT_EQ(report.Title(), "Rapport 2");
    return LinesAfterHeader(report, survey.AlgemeneGegevens);
}

TEST(NotesReport, WritesTheNotesUnchangedAndEmptyNotesAsOneEmptyLine) {
    EXPECT_EQ(NotesBody({}), (LineList{""}));
    EXPECT_EQ(NotesBody({"", "  ingesprongen  ", "", "laatste"}),
              (LineList{"", "  ingesprongen  ", "", "laatste"}));
}

}  // namespace
}  // namespace tavoric
