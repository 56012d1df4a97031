// SPDX-License-Identifier: GPL-3.0-or-later
// The clock helpers on any number and any text a file or a time field can hold: no overflow
// (UndefinedBehaviorSanitizer stops on one), and the rules that the rest of the program relies
// on hold.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/clock.h"

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "clock rule broken: %s\n", what);
        std::abort();
    }
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int32_t number = 0;
    std::int32_t minutes = 0;
    if (size >= 8) {
        std::memcpy(&number, data, 4);
        std::memcpy(&minutes, data + 4, 4);
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    tavoric::NormaliseHhmm(number);
    tavoric::HhmmToMinutes(number);
    tavoric::MinutesToHhmm(minutes);
    Require(tavoric::FormatHhmm(number).size() >= 4, "FormatHhmm gives at least four characters");
    tavoric::AddMinutes(text, minutes);
    tavoric::AddMinutes(std::to_string(number), minutes);
    for (const auto direction : {tavoric::StepDirection::Up, tavoric::StepDirection::Down}) {
        tavoric::StepHhmm(text, direction);
        const std::string stepped = tavoric::TimeFieldAfterStep(text, direction);
        Require(tavoric::TimeFieldAfterChange(stepped) == stepped, "a stepped field is settled");
    }
    const std::string left = tavoric::TimeFieldAfterFocusLoss(text);
    Require(AllDigits(left) && left.size() >= 4, "a left field holds four digits or more");
    const std::string changed = tavoric::TimeFieldAfterChange(text);
    Require(changed == "0000" || changed == text, "a changed field is kept or 0000");
    return 0;
}
