// SPDX-License-Identifier: GPL-3.0-or-later
// The ten parking place types: their one-character codes in the order of the type selector and
// the captions the type legends show after the code.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tavoric {

constexpr int kPlaceTypeCount = 10;
inline constexpr std::string_view kPlaceTypeCodes = "VPBGMAI123";

// The captions in code order (": vrij", ...); the desktop takes them from the labels of its
// parking places window, so that the legends follow the language.
using PlaceTypeCaptions = std::array<std::string, kPlaceTypeCount>;

inline const PlaceTypeCaptions& DefaultPlaceTypeCaptions() {
    static const PlaceTypeCaptions captions = {
        ": vrij",         ": particulier",     ": belanghebbende", ": gereserveerd",
        ": parkeermeter", ": parkeerautomaat", ": illegaal",       ": type 1",
        ": type 2",       ": type 3"};
    return captions;
}

}  // namespace tavoric
