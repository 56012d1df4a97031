// SPDX-License-Identifier: GPL-3.0-or-later
// The bounds that tell residents, commuters and visitors apart in the motive analysis, kept with
// the program settings.
#pragma once

#include <string>

namespace tavoric {

struct MotiveBounds {
    std::string morning = "0700";  // HHMM: a slot whose period starts before it makes a resident
    std::string evening = "1900";  // HHMM: a slot whose period ends after it makes a resident
    int commuterMinutes = 240;     // otherwise: minutes parked in all that make a commuter
};
constexpr int kMaxCommuterMinutes = 9999999;

}  // namespace tavoric
