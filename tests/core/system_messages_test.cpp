// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system_messages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/message_texts.h"

namespace tavoric {

// Dutch reasons need the C library's Dutch catalogue (Debian's libc-l10n); without it they stay
// English rather than follow whatever the environment speaks.
TEST(SystemMessages, ReasonsFollowTheProgramsLanguageWhereTheSystemHasIt) {
    FollowLanguageInSystemMessages("English");
    EXPECT_STREQ(std::strerror(ENOENT), "No such file or directory");
    FollowLanguageInSystemMessages(kDutch);
    const bool catalogue = std::filesystem::exists("/usr/share/locale/nl/LC_MESSAGES/libc.mo");
    EXPECT_STREQ(std::strerror(ENOENT),
                 catalogue ? "Bestand of map bestaat niet" : "No such file or directory");
    FollowLanguageInSystemMessages("English");
    EXPECT_STREQ(std::strerror(ENOENT), "No such file or directory");
}

}  // namespace tavoric
