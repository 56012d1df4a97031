// SPDX-License-Identifier: GPL-3.0-or-later
// PPE generation on any project file: the start and end times, the route intervals and the
// places a hand-made file holds. Every generated line belongs to a selected place, no place gets
// more periods than the limit, and applying keeps the plate list sorted.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <unordered_set>

#include "core/progress.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "core/survey.h"
#include "core/text.h"
#include "entry/ppe_generation.h"

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "PPE generation rule broken: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavoric::Survey survey;
    tavoric::ReadProjectContent(survey, {reinterpret_cast<const char*>(data), size});
    // Many places times many periods would only measure the fuzzer's patience.
    if (survey.ParkeerplaatsenList.size() > 16) {
        return 0;
    }
    tavoric::PpeGenerator generator;
    generator.Open(survey);
    tavoric::Progress progress;
    tavoric::ScriptedPrompter prompter;
    prompter.QueueAnswer(tavoric::kOk);
    generator.Generate(survey, progress, prompter);
    const std::size_t places = generator.Places().size();
    Require(generator.Preview().size() <= places * tavoric::kMaxPeriodsPerPlace,
            "at most the period limit per place");
    // A hand-made file may hold place lines shorter than a key, and a survey end beyond any clock
    // time gives periods of more than four digits: a line is a key, a blank and a period.
    std::unordered_set<std::string_view> keys;
    for (const std::string& place : generator.Places()) {
        keys.insert(tavoric::PlaceKey(place));
    }
    for (const std::string& line : generator.Preview()) {
        const std::size_t blank = line.rfind(' ');
        Require(
            blank != std::string::npos && keys.contains(std::string_view(line).substr(0, blank)),
            "a line is a place key, a blank and a period");
    }
    prompter.QueueAnswer(tavoric::kYes);
    if (generator.Apply(survey, progress, prompter)) {
        const tavoric::LineBuffer& lines = survey.KentekensList;
        Require(std::is_sorted(lines.begin(), lines.end(),
                               [](std::string_view a, std::string_view b) {
                                   return tavoric::CompareNoCase(a, b) < 0;
                               }),
                "the plate list stays sorted");
    }
    return 0;
}
