#include "app/present/RegistrationName.h"

#include <gtest/gtest.h>

namespace {

TEST(RegistrationName, AnInsertionKeepsTheWholeCharactersThatFit) {
    const std::string kanji = "漢";  // two bytes in Shift-JIS, three in UTF-8
    std::string sixteen;
    for (int i = 0; i < 16; ++i) sixteen += kanji;
    EXPECT_EQ(FittingInsertion("ab", sixteen, ""), sixteen.substr(0, 15 * kanji.size()));
    // 31 bytes around it: a kanji would split, a single byte fits.
    EXPECT_EQ(FittingInsertion(sixteen.substr(0, 15 * kanji.size()), kanji + "b", "a"), "");
    EXPECT_EQ(FittingInsertion(sixteen.substr(0, 15 * kanji.size()), "b" + kanji, ""), "b");
    EXPECT_EQ(FittingInsertion("", "abc", ""), "abc");
    EXPECT_EQ(FittingInsertion(sixteen, "x", ""), "");
    // The run stops at a control character, which no name holds.
    EXPECT_EQ(FittingInsertion("",
                               "ab\x01"
                               "cd",
                               ""),
              "ab");
    // The tail counts too.
    EXPECT_EQ(FittingInsertion("", std::string(40, 'x'), std::string(30, 'y')), "xx");
}

}  // namespace
