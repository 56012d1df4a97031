// SPDX-License-Identifier: GPL-3.0-or-later
// Keys and surveys for the pseudonymisation tests.
#pragma once

#include <string>
#include <vector>

#include "privacy/pseudonym_key.h"

namespace tavoric {

// A fixed key whose bytes all follow from one number.
inline PseudonymKey TestKey(unsigned char first = 0) {
    PseudonymKey::Bytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<unsigned char>(first + i);
    }
    return PseudonymKey(bytes);
}

// The plate fields (characters 26-31) of the PPE lines.
inline std::vector<std::string> PlateFields(const LineBuffer& ppeLines) {
    std::vector<std::string> fields;
    for (const std::string_view line : ppeLines) {
        fields.emplace_back(line.size() > 25 ? line.substr(25, 6) : "");
    }
    return fields;
}

}  // namespace tavoric
