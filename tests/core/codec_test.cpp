// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codec.h"

#include <gtest/gtest.h>

namespace tavoric {
namespace {

TEST(Codec, RoundTripsCodePage1252) {
    const std::string bytes = "ge\xEFnstalleerd \x80 \x97\x95";
    const std::string utf8 = Cp1252ToUtf8(bytes);
    EXPECT_EQ(utf8, "ge\xC3\xAFnstalleerd \xE2\x82\xAC \xE2\x80\x94\xE2\x80\xA2");
    EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
}

TEST(Codec, WhatCodePage1252CannotHoldBecomesQuestionMark) {
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82\xACz"), "a\x80z");
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD" "b"), "?b");       // a CJK character
    EXPECT_EQ(Utf8ToCp1252("x\xF0\x9F\x98\x80y"), "x?y");   // an emoji
    EXPECT_EQ(Utf8ToCp1252("\xFF" "ok"), "?ok");            // broken UTF-8
    EXPECT_EQ(Cp1252ToUtf8("a\x81z"), "a\xEF\xBF\xBDz");     // undefined byte
}

TEST(Codec, ExactConversionRefusesWhatItCannotHold) {
    EXPECT_EQ(Utf8ToCp1252Exactly("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xE9 \x80");
    EXPECT_EQ(Utf8ToCp1252Exactly(""), "");
    EXPECT_FALSE(Utf8ToCp1252Exactly("x\xF0\x9F\x98\x80y"));
    EXPECT_FALSE(Utf8ToCp1252Exactly(std::string("\xFF") + "ok"));
    EXPECT_FALSE(Utf8ToCp1252Exactly("cut \xC3"));
}

TEST(Codec, ByteOrderMarkIsSkippedOnlyAtTheStart) {
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBFroute"), "route");
    EXPECT_EQ(WithoutByteOrderMark("route\xEF\xBB\xBF"), "route\xEF\xBB\xBF");
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB"), "\xEF\xBB");
}

}  // namespace
}  // namespace tavoric
