// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system_messages.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>

#include "core/message_texts.h"

namespace tavoric {

namespace {

constexpr std::string_view kEnglish = "English";

// The C library's own message catalogue.
constexpr const char* kSystemTextDomain = "libc";

void UseMessagesLocale(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (std::setlocale(LC_MESSAGES, name) != nullptr) {
            return;
        }
    }
}

// LANGUAGE chooses the catalogue in any locale but "C"; the environment's value is kept for a
// language of the user's own.
void SetCatalogueLanguage(const char* language) {
    static const std::optional<std::string> environment = [] {
        const char* value = std::getenv("LANGUAGE");
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    }();
    if (language != nullptr) {
        setenv("LANGUAGE", language, 1);
    } else if (environment) {
        setenv("LANGUAGE", environment->c_str(), 1);
    } else {
        unsetenv("LANGUAGE");
    }
}

}  // namespace

void FollowLanguageInSystemMessages(std::string_view language) {
    // The reasons come as UTF-8 whatever the character set of the environment.
    bind_textdomain_codeset(kSystemTextDomain, "UTF-8");
    if (language == kDutch) {
        // C.UTF-8 is no "C": LANGUAGE then finds the Dutch catalogue without a Dutch locale.
        SetCatalogueLanguage("nl");
        UseMessagesLocale({"nl_NL.UTF-8", "nl_BE.UTF-8", "C.UTF-8", "C"});
    } else if (language == kEnglish) {
        SetCatalogueLanguage(nullptr);
        UseMessagesLocale({"C"});
    } else {
        SetCatalogueLanguage(nullptr);
        UseMessagesLocale({"", "C"});
    }
}

}  // namespace tavoric
