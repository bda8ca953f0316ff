// The progress of several ports: lines per step off a terminal, one line each on it.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CSyncBoard.h"

namespace {

using Stage = CPortSync::Stage;

TEST(CSyncBoard, OneLinePerStepOffATerminal) {
    std::ostringstream err;
    {
        CSyncBoard board(err, {"/dev/a", "/dev/bb"}, false);
        board.Update(1, Stage::Reading, -1, -1, {});
        board.Update(1, Stage::Reading, 1, 0, "wait");
        board.Update(1, Stage::Reading, 800, 100, "reading");  // stream bytes: no count shown
        board.Update(1, Stage::Reading, 800, 200, "reading");
        board.Update(0, Stage::Sending, 3, 0, "send");
        board.Update(0, Stage::Sending, 3, 1, "send");
        board.Update(0, Stage::Sending, 3, 1, "send");  // nothing new
        board.Update(0, Stage::Failed, -1, -1, {});
        board.Update(5, Stage::Done, -1, -1, "no such port");
    }
    EXPECT_EQ(err.str(),
              "/dev/bb: reading\n"
              "/dev/bb: reading: wait\n"
              "/dev/bb: reading: reading\n"
              "/dev/a: sending: send (0/3)\n"
              "/dev/a: sending: send (1/3)\n"
              "/dev/a: failed\n");
}

TEST(CSyncBoard, OnATerminalEachPortRedrawsItsOwnLine) {
    std::ostringstream err;
    {
        CSyncBoard board(err, {"/dev/a", "/dev/bb"}, true);
        err.str("");
        board.Update(0, Stage::Sending, 4, 1, "x");
    }
    EXPECT_EQ(err.str(),
              "\033[2A\r/dev/a   sending   [#####               ]  25% x\033[K\033[2B\r");
}

TEST(CSyncBoard, LinesAreCutToTheTerminalsCells) {
    EXPECT_EQ(CSyncBoard::CutToColumns("ab日本", 3), "ab");
    EXPECT_EQ(CSyncBoard::CutToColumns("ab日本", 4), "ab日");
    EXPECT_EQ(CSyncBoard::CutToColumns("ab日本", 0), "ab日本");
    EXPECT_EQ(CSyncBoard::CutToColumns("ﾎﾟｰﾄ", 2), "ﾎﾟ");      // half-width: one cell each
    EXPECT_EQ(CSyncBoard::CutToColumns("a\xE6\x97", 5), "a");  // a cut character is dropped
}

}  // namespace
