// SPDX-License-Identifier: GPL-3.0-or-later
// The last position and size of every window, kept in the settings file as one entry per window:
// "HoofdForm=M:0;L:120;T:80;W:800;H:600" (maximised, left, top, width, height in screen pixels).
// An entry is applied at a window's first showing in a run and recorded again at exit. The rules
// work on plain numbers so that the desktop only measures and moves its windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavoric {

struct WindowPlacement {
    bool maximized = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What the desktop consists of when a window is placed.
struct ScreenLayout {
    int monitorCount = 1;
    int desktopWidth = 0;  // the whole desktop, every monitor together
    int desktopHeight = 0;
};

// What to do with a window whose entry was found. Nothing set means: leave it where it is.
struct PlacementToApply {
    bool maximize = false;
    bool normalize = false;  // put the window in its normal (not maximised) state
    std::optional<int> left, top;
    std::optional<int> width, height;
};

// "Name=M:0;L:..;T:..;W:..;H:.."
std::string FormatPositionEntry(std::string_view name, const WindowPlacement& placement);
// The text before the first "=" (the whole entry when it has none).
std::string_view PositionEntryName(std::string_view entry);
// The fields of an entry; a field that is missing or not a whole number counts as 0.
WindowPlacement ParsePositionEntry(std::string_view entry);

// A maximised entry maximises. Otherwise the window becomes normal, and the saved place is used
// only when width and height are positive, left is not beyond the desktop's width nor top beyond
// its height, and neither lies below -10 unless there is more than one monitor (so that a window
// saved on a monitor that is gone does not open out of reach). Only a window the user can resize
// takes the saved size; the others keep theirs.
PlacementToApply DecideRestore(const WindowPlacement& saved, const ScreenLayout& screen,
                               bool resizable);

// The entries in file order. Empty lines read from the file are kept in the list but never
// written back.
class FormPositions {
public:
    FormPositions() = default;
    explicit FormPositions(std::vector<std::string> entries) : entries_(std::move(entries)) {}

    const std::vector<std::string>& Entries() const { return entries_; }
    void Append(std::string entry) { entries_.push_back(std::move(entry)); }

    // Removes the first entry of that window and returns its fields, so that it is applied only
    // once per run; nothing when there is none.
    std::optional<WindowPlacement> Take(std::string_view name);

    // Replaces the entry of the same name, or appends one. A window at left 0 and top 0 has never
    // been placed and is not recorded, unless it is maximised (a maximised window sits at 0, 0
    // on most desktops).
    void Record(std::string_view name, const WindowPlacement& placement);

private:
    std::vector<std::string>::iterator Find(std::string_view name);

    std::vector<std::string> entries_;
};

}  // namespace tavoric
