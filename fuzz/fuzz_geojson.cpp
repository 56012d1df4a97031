// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes read as a street file either give streets or a reason; streets joined to no figures
// are written back as GeoJSON.
#include <cstdint>
#include <string>

#include "charts/street_map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavoric::StreetGeometryRead read =
        tavoric::ParseStreetGeometry(std::string(reinterpret_cast<const char*>(data), size));
    if (read.geometry) {
        const tavoric::StreetMap map = tavoric::JoinStreetMap(std::move(*read.geometry), {}, {});
        tavoric::StreetMapGeoJson(map);
        tavoric::UnmatchedFeaturesText(map);
    }
    return 0;
}
