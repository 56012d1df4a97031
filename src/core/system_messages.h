// SPDX-License-Identifier: GPL-3.0-or-later
// The reasons the system gives for a failure (such as "No such file or directory") in the
// program's language, so that a message does not mix two languages.
#pragma once

#include <string_view>

namespace tavoric {

// Sets the locale's messages category to the language chosen in the program: Dutch reasons where
// the system holds their translation (a Dutch locale is not needed), English for English and
// where the translation is missing; for a language of the user's own file, the environment's.
void FollowLanguageInSystemMessages(std::string_view language);

}  // namespace tavoric
