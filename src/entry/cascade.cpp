// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/cascade.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace tavoric {

namespace {

std::unordered_set<std::string_view> KeysOf(const LineList& parents, LineKey key) {
    std::unordered_set<std::string_view> keys;
    keys.reserve(parents.size());
    for (const std::string& line : parents) {
        keys.insert(key(line));
    }
    return keys;
}

// Removes the lines whose parent key is not among the parents' keys; the lines of one vanished
// parent usually stand together, so the last missing key is remembered.
template <typename Lines>
void RemoveOrphans(Lines& lines, const LineList& parents, LineKey key, Progress& progress) {
    const std::unordered_set<std::string_view> parentKeys = KeysOf(parents, key);
    std::optional<std::string> missingKey;
    auto isOrphan = [&](std::string_view line) {
        const std::string_view lineKey = key(line);
        if (missingKey && lineKey == *missingKey) {
            return true;
        }
        if (parentKeys.contains(lineKey)) {
            return false;
        }
        missingKey = lineKey;
        return true;
    };
    RemoveLinesWhere(lines, isOrphan, progress);
}

}  // namespace

void RemoveDependentLines(Survey& survey, Progress& progress) {
    ProgressScope shown(progress);
    // The bar follows the slots, by far the longest list.
    Progress unreported;
    RemoveOrphans(survey.SectiesList, survey.RoutesList, RouteKey, unreported);
    RemoveOrphans(survey.ParkeerplaatsenList, survey.SectiesList, SectionKey, unreported);
    RemoveOrphans(survey.KentekensList, survey.ParkeerplaatsenList, PlaceKey, progress);
}

ApplyResult StoreEditedList(Survey& survey, LineList Survey::*list, LineList edited, bool changed,
                            bool deleted, Progress& progress) {
    if (!changed) {
        return {};
    }
    SortIfNeeded(edited);
    survey.*list = std::move(edited);
    survey.ProjectChanged = true;
    if (deleted) {
        RemoveDependentLines(survey, progress);
    }
    return {true, true};
}

}  // namespace tavoric
