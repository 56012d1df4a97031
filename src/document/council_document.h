// SPDX-License-Identifier: GPL-3.0-or-later
// The council report as a document model: a cover, the summary with the key figures, the map,
// the figures over the day, per section, of durations and motive, the comparison with another
// survey when one is made, the method and the appendices,
// as headings, paragraphs, tables and figure slots. The PDF and ODT writers lay it out; every text
// comes from the message table (code page 1252).
#pragma once

#include <string>
#include <vector>

#include "charts/chart_texts.h"
#include "document/council_figures.h"

namespace tavoric {

// Cells in code page 1252; numeric columns are right-aligned.
struct DocumentTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<bool> numeric;  // per column
    bool wide = false;          // many columns: set in the smallest readable type
};

enum class BlockKind {
    Title,
    Subtitle,
    CoverLine,
    PageBreak,
    Heading,
    Paragraph,
    Table,
    Chart,
    ComparisonChart,
    Map
};

struct DocumentBlock {
    BlockKind kind = BlockKind::Paragraph;
    std::string text;                        // Title, Subtitle, CoverLine, Heading, Paragraph
    DocumentTable table;                     // Table
    ChartKind chart = ChartKind::Occupancy;  // Chart
    ComparisonKind comparison = ComparisonKind::Occupancy;  // ComparisonChart
};

struct CouncilDocument {
    std::string title;       // the document's title for its metadata
    std::string pageHeader;  // the survey area, at the top of every page
    std::vector<DocumentBlock> blocks;
};

// What the report says besides the figures.
struct CouncilReportContext {
    GeneralValues general;
    LineList notes;
    std::string organisation;  // from the settings; empty when none is set
    std::string madeOn;        // the date the document is made, "10-12-2026"
    AnalysisParameters parameters;
    bool hasMap = false;  // a street file is known: the map chapter is drawn
};

// The context of a report made now: the survey's general values and notes, the organisation of
// the settings, today's date.
CouncilReportContext ContextOfToday(const Survey& survey, const std::string& organisation,
                                    const AnalysisParameters& parameters, bool hasMap);

CouncilDocument BuildCouncilDocument(const CouncilFigures& figures,
                                     const CouncilReportContext& context);

// "Pagina N van M" in the program's language.
std::string PageFooter(int page, int pages);

// Today's local date as "DD-MM-YYYY".
std::string TodayText();

}  // namespace tavoric
