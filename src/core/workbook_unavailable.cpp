// SPDX-License-Identifier: GPL-3.0-or-later
// The workbooks of a program without libxlsxwriter (which brings OpenSSL): there are none.
// tavoric-cli links this and leaves every workbook to its full program.
#include "core/message_texts.h"
#include "core/workbook.h"

namespace tavoric {

struct Workbook::State {};

Workbook::Workbook(std::size_t) : state_(std::make_unique<State>()) {}
Workbook::~Workbook() = default;

void Workbook::StartSheet(std::string_view, const std::vector<std::string>&, int) {}

void Workbook::AddRow(const std::vector<SheetCell>&) {}

std::optional<std::string> Workbook::Finish(std::string& error) {
    error = MessageText("AA01082");
    return std::nullopt;
}

}  // namespace tavoric
