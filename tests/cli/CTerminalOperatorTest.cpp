// The command line's operator: messages, questions and progress on streams.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CTerminalOperator.h"
#include "cli/CTerminalProgress.h"

namespace {

CTerminalOperator::Options Preset(std::optional<bool> answer, bool ask = false, bool bar = false) {
    CTerminalOperator::Options options;
    options.presetAnswer = answer;
    options.askOnTerminal = ask;
    options.progressAsBar = bar;
    return options;
}

}  // namespace

TEST(CTerminalOperator, MessagesAreCaptionColonText) {
    std::ostringstream err;
    std::istringstream in;
    CTerminalOperator op(err, in, Preset(std::nullopt));
    op.ShowMessage("エラー", "一行目\r\n二行目\n三行目", MessageIcon::Exclamation);
    EXPECT_EQ(err.str(), "エラー: 一行目\n二行目\n三行目\n");
}

TEST(CTerminalOperator, QuestionsPresetAskedOrDeclined) {
    std::ostringstream err;
    std::istringstream none;
    CTerminalOperator yes(err, none, Preset(true, true));
    EXPECT_TRUE(yes.AskYesNo("確認", "上書きしますか？", MessageIcon::Question));
    CTerminalOperator no(err, none, Preset(false, true));
    EXPECT_FALSE(no.AskYesNo("確認", "上書きしますか？", MessageIcon::Question));
    EXPECT_EQ(err.str(), "確認: 上書きしますか？ -> yes\n確認: 上書きしますか？ -> no\n");

    // Not a terminal and nothing preset: declined without reading the input.
    std::istringstream ignored("y\n");
    std::ostringstream err2;
    CTerminalOperator batch(err2, ignored, Preset(std::nullopt, false));
    EXPECT_FALSE(batch.AskYesNo("確認", "Q", MessageIcon::Question));
    EXPECT_NE(err2.str().find("--yes"), std::string::npos);

    // On a terminal: asked again until the answer is yes or no; end of input declines.
    std::istringstream typed("maybe\ny\nno\n");
    std::ostringstream err3;
    CTerminalOperator asker(err3, typed, Preset(std::nullopt, true));
    EXPECT_TRUE(asker.AskYesNo("確認", "Q", MessageIcon::Question));
    EXPECT_FALSE(asker.AskYesNo("確認", "Q", MessageIcon::Question));
    EXPECT_FALSE(asker.AskYesNo("確認", "Q", MessageIcon::Question));
    EXPECT_EQ(err3.str(), "確認: Q [y/n] 確認: Q [y/n] 確認: Q [y/n] 確認: Q [y/n] \n");
}

TEST(CTerminalProgress, PlainLinesOffATerminal) {
    std::ostringstream err;
    {
        CTerminalProgress progress(err, false);
        progress.SetProgress(100, 0, "送信中");
        progress.SetBar(100, 5);   // same tenth: nothing
        progress.SetBar(100, 10);  // next tenth
        progress.SetMessage("完了");
        progress.ShowCloseButton();
        progress.SetBar(100, 100);  // after closing: ignored
    }
    EXPECT_EQ(err.str(),
              "[                    ]   0% 送信中\n[##                  ]  10% 送信中\n完了\n");
}

TEST(CTerminalProgress, BarRedrawsInPlaceOnATerminal) {
    std::ostringstream err;
    CTerminalProgress progress(err, true);
    progress.SetProgress(4, 2, "a");
    progress.SetBar(4, 4);
    progress.ShowCloseButton();
    EXPECT_EQ(err.str(),
              "\r[##########          ]  50% a\033[K\r[####################] 100% a\033[K\n");
    EXPECT_EQ(CTerminalProgress::BarLine(0, 5, ""), "[                    ]   0%");
    EXPECT_EQ(CTerminalProgress::BarLine(10, 20, ""), "[####################] 100%");
}
