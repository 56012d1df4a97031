// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes parse as an INI file and load as message texts; the defaults come back afterwards.
#include <cstdint>
#include <string_view>

#include "core/message_texts.h"
#include "lang/ini_file.h"
#include "lang/load_message_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tavoric::IniFile file =
        tavoric::IniFile::Parse({reinterpret_cast<const char*>(data), size});
    tavoric::LoadMessageTexts(file);
    tavoric::SetDefaultMessageTexts();
    return 0;
}
