// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window_positions.h"

#include <algorithm>

#include "core/text.h"

namespace tavoric {

namespace {

constexpr int kLowestSingleMonitorPosition = -10;

// The text after tag up to the next ";" (or the end), searched after the name.
std::string_view FieldAfter(std::string_view entry, std::string_view tag) {
    const std::size_t equals = entry.find('=');
    const std::string_view fields =
        equals == std::string_view::npos ? std::string_view{} : entry.substr(equals + 1);
    const std::size_t start = fields.find(tag);
    if (start == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = fields.substr(start + tag.size());
    return rest.substr(0, rest.find(';'));
}

bool WithinDesktop(int position, int desktopExtent, int monitorCount) {
    return position <= desktopExtent &&
           (position >= kLowestSingleMonitorPosition || monitorCount > 1);
}

}  // namespace

std::string FormatPositionEntry(std::string_view name, const WindowPlacement& placement) {
    std::string entry(name);
    entry += "=M:";
    entry += placement.maximized ? "1" : "0";
    entry += ";L:" + std::to_string(placement.left);
    entry += ";T:" + std::to_string(placement.top);
    entry += ";W:" + std::to_string(placement.width);
    entry += ";H:" + std::to_string(placement.height);
    return entry;
}

std::string_view PositionEntryName(std::string_view entry) {
    return entry.substr(0, entry.find('='));
}

WindowPlacement ParsePositionEntry(std::string_view entry) {
    WindowPlacement placement;
    placement.maximized = FieldAfter(entry, "M:") == "1";
    placement.left = IntegerOrZero(FieldAfter(entry, "L:"));
    placement.top = IntegerOrZero(FieldAfter(entry, "T:"));
    placement.width = IntegerOrZero(FieldAfter(entry, "W:"));
    placement.height = IntegerOrZero(FieldAfter(entry, "H:"));
    return placement;
}

PlacementToApply DecideRestore(const WindowPlacement& saved, const ScreenLayout& screen,
                               bool resizable) {
    PlacementToApply action;
    if (saved.maximized) {
        action.maximize = true;
        return action;
    }
    action.normalize = true;
    const bool applies = saved.width > 0 && saved.height > 0 &&
                         WithinDesktop(saved.left, screen.desktopWidth, screen.monitorCount) &&
                         WithinDesktop(saved.top, screen.desktopHeight, screen.monitorCount);
    if (!applies) {
        return action;
    }
    action.left = saved.left;
    action.top = saved.top;
    if (resizable) {
        action.width = saved.width;
        action.height = saved.height;
    }
    return action;
}

std::vector<std::string>::iterator FormPositions::Find(std::string_view name) {
    return std::find_if(entries_.begin(), entries_.end(), [name](const std::string& entry) {
        return PositionEntryName(entry) == name;
    });
}

std::optional<WindowPlacement> FormPositions::Take(std::string_view name) {
    const auto found = Find(name);
    if (found == entries_.end()) {
        return std::nullopt;
    }
    const WindowPlacement placement = ParsePositionEntry(*found);
    entries_.erase(found);
    return placement;
}

void FormPositions::Record(std::string_view name, const WindowPlacement& placement) {
    if (placement.left == 0 && placement.top == 0 && !placement.maximized) {
        return;
    }
    std::string entry = FormatPositionEntry(name, placement);
    const auto found = Find(name);
    if (found != entries_.end()) {
        *found = std::move(entry);
    } else {
        entries_.push_back(std::move(entry));
    }
}

}  // namespace tavoric
