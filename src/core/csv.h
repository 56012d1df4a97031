// SPDX-License-Identifier: GPL-3.0-or-later
// Comma-separated values as spreadsheets and field apps write them (RFC 4180): records end at
// CR LF, LF or CR alone, fields are separated by a comma, a semicolon or a tab, and a field in
// double quotes may hold separators, line breaks and quotes written twice.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tavoric {

// The separator of a file whose first line is a header: the one of comma, semicolon and tab that
// the line holds most often outside quotes; a comma when none is there or on a tie.
char DetectCsvSeparator(std::string_view content);

// The content of a CSV file as UTF-8 without byte order mark: a UTF-16 file (recognised by its
// byte order mark) is decoded into storage, a character it cannot hold being U+FFFD; any other
// content is returned as it is, a UTF-8 byte order mark removed.
std::string_view CsvContentAsUtf8(std::string_view content, std::string& storage);

// Reads the records of a file one at a time. Empty lines are skipped.
class CsvReader {
public:
    CsvReader(std::string_view content, char separator) : rest_(content), separator_(separator) {}

    // The fields of the next record; false when no record is left. fields is reused, so a loop
    // over a big file allocates little.
    bool Next(std::vector<std::string>& fields);
    // The line (1-based) on which the record Next returned begins.
    std::size_t RecordLine() const { return recordLine_; }
    // Whether that record broke the quoting rules: text after a closing quote, or a quote still
    // open at the end of the file. Its fields then hold what could be read.
    bool RecordMalformed() const { return malformed_; }
    // The line of a quote that opened a field and was not closed where a field can end: still
    // open at the end of the file, or closed on a later line and followed by more text (the
    // closing quote then most likely opened a field of a later row). What follows such a quote
    // cannot be split into records with any certainty; 0 when the file has none so far.
    std::size_t BrokenQuoteLine() const { return brokenQuoteLine_; }

private:
    void ReadQuoted(std::string& field);
    void ReadPlain(std::string& field);

    std::string_view rest_;
    char separator_;
    std::size_t line_ = 1;
    std::size_t recordLine_ = 0;
    std::size_t brokenQuoteLine_ = 0;
    bool malformed_ = false;
};

// A text field (a plate, remark, description or name; never a number) as a spreadsheet must show
// it: one beginning with =, +, -, @, a tab or a carriage return, which a spreadsheet would take
// for a formula, gets a leading apostrophe.
std::string SpreadsheetText(std::string_view field);

// Appends one field, in double quotes only when it needs them: when it holds a comma, a
// semicolon, a quote or a line break, or begins or ends with a blank (which readers would
// otherwise trim). Quotes inside are written twice.
void AppendCsvField(std::string& out, std::string_view field);
// Appends the fields separated by commas and ends the record with CR LF.
void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields);
void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields);

}  // namespace tavoric
