// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes read as an observation file: the import plans and applies without fault, every row
// read is counted once, and every slot it writes stays one line of the plate entry's form.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/demo_survey.h"
#include "entry/observation_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tavoric::Survey original = tavoric::MakeDemoSurvey({3, 1});
    tavoric::Survey survey = original;
    const tavoric::ObservationImportPlan plan =
        tavoric::PlanObservationImport(survey, {reinterpret_cast<const char*>(data), size});
    const tavoric::ObservationImportCounts& c = plan.counts;
    if (c.rowsRead != c.toFill + c.unchanged + c.skipped + c.conflicts + c.duplicates + c.errors) {
        std::abort();
    }
    tavoric::ApplyObservationImport(survey, plan, true);
    for (const std::string_view line : survey.KentekensList) {
        if (line.size() > 33 || line.find_first_of("\r\n") != std::string::npos) {
            std::abort();
        }
    }
    return 0;
}
