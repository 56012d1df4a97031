// SPDX-License-Identifier: GPL-3.0-or-later
// The records of a comma-separated file, for comparing CSV files field by field.
#pragma once

#include <string>
#include <vector>

#include "core/csv.h"

namespace tavoric {

inline std::vector<std::vector<std::string>> CsvRecords(const std::string& csv) {
    CsvReader reader(csv, ',');
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields;
    while (reader.Next(fields)) {
        records.push_back(fields);
    }
    return records;
}

}  // namespace tavoric
