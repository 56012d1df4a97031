// SPDX-License-Identifier: GPL-3.0-or-later
// The maker of the program, as the start-up window, the links window and the help menu name it.
#pragma once

#include <string>
#include <string_view>

#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

inline constexpr std::string_view kMakerName = "Molvek";
inline constexpr std::string_view kMakerWebAddress = "https://www.molvek.nl/tavoric";

// "Molvek @ internet...": the caption of the links window, its menu item and its tool button's
// hint, in the program's language.
inline std::string InternetCaption() {
    return FormatText(MessageText("AA00181"), {kMakerName});
}

}  // namespace tavoric
