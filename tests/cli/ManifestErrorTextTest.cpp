// sync's manifest refusals in the command line's words: what a script reads on standard
// error and in the JSON "message".
#include "cli/ManifestErrorText.h"

#include <gtest/gtest.h>

namespace {

std::string Words(ManifestProblem problem, std::string subject = {}, std::int64_t number = 0,
                  std::string detail = {}) {
    ManifestError error;
    error.problem = problem;
    error.subject = std::move(subject);
    error.number = number;
    error.firstLine = problem == ManifestProblem::IdTwice ? 8 : 0;
    error.detail = std::move(detail);
    return ManifestErrorText(error);
}

}  // namespace

TEST(ManifestErrorText, EachProblemInItsWords) {
    EXPECT_EQ(Words(ManifestProblem::ModelUnknown), "model must be one of NV210a, NV430a, NV450a");
    EXPECT_EQ(Words(ManifestProblem::ModelMissing),
              "the printer model is missing (model = \"NV210a\")");
    EXPECT_EQ(Words(ManifestProblem::UnknownKey, "colour"), "unknown key \"colour\"");
    EXPECT_EQ(Words(ManifestProblem::MillimetresOutOfRange, "width_mm"),
              "width_mm must be a number of millimetres above 0, at most 1000");
    EXPECT_EQ(Words(ManifestProblem::NameTooLong, "xyz", 33),
              "name \"xyz\" is 33 bytes in Shift-JIS, more than 32");
    EXPECT_EQ(Words(ManifestProblem::IdTwice, {}, 2), "ID 2 is used twice (first at line 8)");
    EXPECT_EQ(Words(ManifestProblem::TooManyLogos, {}, 81),
              "81 logos: a printer holds at most 80 IDs");
    EXPECT_EQ(Words(ManifestProblem::MemoryFull, {}, 270396),
              "with this logo the logos need 270396 bytes: a printer holds less than 240 Kbyte "
              "(245760 bytes)");
    EXPECT_EQ(Words(ManifestProblem::FileNotFound, "a.bmp"), "file \"a.bmp\" not found");
    EXPECT_EQ(Words(ManifestProblem::TooLarge, {}, 2000000),
              "the manifest is 2000000 bytes, more than a manifest can be");
}

TEST(ManifestErrorText, WhatOthersSaidIsKeptAndControlCharactersShowEscaped) {
    EXPECT_EQ(
        Words(ManifestProblem::FileUnusable, "b.png", 0, "PNGファイルを読み込めませんでした。"),
        "file \"b.png\" cannot be used: PNGファイルを読み込めませんでした。");
    EXPECT_EQ(Words(ManifestProblem::FileUnusable, "b.png"), "file \"b.png\" cannot be used");
    EXPECT_EQ(Words(ManifestProblem::CannotRead, {}, 0, "Permission denied"),
              "cannot read the manifest: Permission denied");
    EXPECT_EQ(Words(ManifestProblem::Syntax, {}, 0, "expected ']'"), "expected ']'");
    EXPECT_EQ(Words(ManifestProblem::NameControlCharacter, std::string("A\0B", 3)),
              "name \"A\\x00B\" holds a control character");
    EXPECT_EQ(Words(ManifestProblem::NameControlCharacter, "\x1b[31mred"),
              "name \"\\x1B[31mred\" holds a control character");
}
