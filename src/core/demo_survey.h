// SPDX-License-Identifier: GPL-3.0-or-later
// A realistic synthetic survey for demonstrations, tests and benchmarks: routes with different
// intervals, sections named after Dutch streets, every parking place type, and plates that stay
// for some rounds, leave and come back, with wrongly parked vehicles and blocked places.
#pragma once

#include <cstdint>

#include "core/survey.h"

namespace tavoric {

struct DemoOptions {
    int places = 200;
    std::uint64_t seed = 1;
};

constexpr int kMaxDemoPlaces = 200000;

// The survey runs from 0600 to 1830. Most places lie on 15-minute routes (50 rounds); the last
// two routes, smaller ones on the outskirts, are walked every 30 and 60 minutes. The number of
// PPE lines is about 38 per place for a few hundred places and approaches 50 per place for large
// surveys: 20,000 places give about 990,000 lines. The same options always give the same survey.
Survey MakeDemoSurvey(const DemoOptions& options);

}  // namespace tavoric
