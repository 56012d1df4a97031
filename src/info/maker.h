// The maker of the program, as the start-up window, the links window and the help menu name it.
#pragma once

#include <string_view>

namespace tavoric {

inline constexpr std::string_view kMakerName = "Molvek";
inline constexpr std::string_view kMakerWebAddress = "https://www.molvek.nl/tavoric";

}  // namespace tavoric
