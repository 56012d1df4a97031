// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/selectors.h"

#include "core/text.h"

namespace tavoric {

LineList PartsOfGroup(const LineList& lines, LineKey key, std::string_view groupKey,
                      std::size_t first, std::size_t length) {
    LineList parts;
    for (const std::string& line : lines) {
        if (key(line) == groupKey) {
            parts.emplace_back(CharsFrom(line, first).substr(0, length));
        }
    }
    return parts;
}

LineList RouteChoices(const LineList& routes) {
    LineList choices;
    choices.reserve(routes.size());
    for (const std::string& line : routes) {
        choices.emplace_back(Chars(line, 1, 39));
    }
    return choices;
}

LineList SectionChoices(const LineList& sections, std::string_view routeNumber) {
    return PartsOfGroup(sections, RouteKey, routeNumber, 6, 40);
}

LineList PlaceChoices(const LineList& places, std::string_view sectionKey) {
    return PartsOfGroup(places, SectionKey, sectionKey, 11, 40);
}

std::string_view ChoiceNumber(std::string_view choice) {
    return Chars(choice, 1, 4);
}

}  // namespace tavoric
