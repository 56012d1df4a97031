// SPDX-License-Identifier: GPL-3.0-or-later
// The entries of the route, section and place selectors, cut from the record lines. The first
// four characters of an entry are its number.
#pragma once

#include <string_view>

#include "core/survey.h"
#include "entry/entry_fields.h"

namespace tavoric {

// The first 39 characters of every route line: number, blank, description.
LineList RouteChoices(const LineList& routes);
// Characters 6 to 45 of each section line of the route: number, blank, description.
LineList SectionChoices(const LineList& sections, std::string_view routeNumber);
// Characters 11 to 50 of each place line of the section ("route section"): number, blank, type.
LineList PlaceChoices(const LineList& places, std::string_view sectionKey);

std::string_view ChoiceNumber(std::string_view choice);

// Characters first to first + length - 1 of every line whose key is groupKey, in list order.
LineList PartsOfGroup(const LineList& lines, LineKey key, std::string_view groupKey,
                      std::size_t first, std::size_t length);

}  // namespace tavoric
