// SPDX-License-Identifier: GPL-3.0-or-later
// A GeoJSON FeatureCollection read one feature at a time: memory holds the document's other
// members and the feature at hand, not the million features a town's street file may have.
// Nesting is bounded and numbers out of range are refused, so that no file can crash the reader.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace tavoric {

// Deeper nesting than any street geometry needs is refused.
constexpr std::size_t kMaxJsonDepth = 512;

// Called with each element of the root's "features" array in turn; returns false to stop.
using FeatureVisitor = std::function<bool(nlohmann::ordered_json& feature)>;

struct StreamedFeatures {
    nlohmann::ordered_json root;  // the document with its "features" array left empty
    std::string error;            // why the content is not JSON (a message text); empty if it is
    bool stopped = false;         // the visitor stopped the reading
};

StreamedFeatures StreamFeatures(std::string_view content, const FeatureVisitor& visit);

// The root as JSON text around featuresText (the elements, comma separated), which becomes its
// "features": the text is built in place, as it may be hundreds of megabytes.
void DumpAroundFeatures(const nlohmann::ordered_json& root, std::string& featuresText);

}  // namespace tavoric
