// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes load as a project, and what the writer makes of that project reads back the same:
// the reader takes the first of each section header and the writer puts the notes last, so the
// notes' own "[" lines never shadow a section.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/project_file.h"

namespace {

bool SameData(const tavoric::Survey& a, const tavoric::Survey& b) {
    return a.RoutesList == b.RoutesList && a.SectiesList == b.SectiesList &&
           a.ParkeerplaatsenList == b.ParkeerplaatsenList && a.KentekensList == b.KentekensList &&
           a.AantekeningenList == b.AantekeningenList;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavoric::Survey first;
    tavoric::ReadProjectContent(first, {reinterpret_cast<const char*>(data), size});
    const std::string written = tavoric::ProjectFileContent(first);

    tavoric::Survey second;
    tavoric::ReadProjectContent(second, written);
    if (!SameData(first, second) || tavoric::ProjectFileContent(second) != written) {
        std::fputs("project file did not read back as written\n", stderr);
        std::abort();
    }
    return 0;
}
