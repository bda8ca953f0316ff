#include <gtest/gtest.h>

#include "app/present/DialogUnitScale.h"
#include "app/present/TextFitLayout.h"

TEST(DialogUnitScale, QuarterWidthAndEighthHeightRounded) {
    const CDialogUnitScale scale(7, 15);
    EXPECT_EQ(scale.X(4), 7);
    EXPECT_EQ(scale.X(88), 154);
    EXPECT_EQ(scale.X(1), 2);  // 1.75
    EXPECT_EQ(scale.Y(8), 15);
    EXPECT_EQ(scale.Y(96), 180);
    EXPECT_EQ(scale.Y(3), 6);            // 5.625
    const CDialogUnitScale empty(0, 0);  // a font without metrics still lays out
    EXPECT_EQ(empty.X(4), 1);
    EXPECT_EQ(empty.Y(8), 1);
}

TEST(TextFitLayout, AGrownLabelMovesItsNeighboursAndGrowsItsGroup) {
    // A group around a label and an edit on one band, a second row, a button below.
    std::vector<LayoutBox> boxes{{10, 10, 200, 60}, {20, 20, 50, 10},  {80, 18, 60, 14},
                                 {20, 40, 40, 10},  {80, 38, 100, 14}, {100, 80, 50, 20}};
    GrowBox(boxes, 1, 90, 16);
    EXPECT_EQ(boxes[1], (LayoutBox{20, 20, 90, 16}));
    EXPECT_EQ(boxes[0], (LayoutBox{10, 10, 240, 66}));  // the group grows with it
    EXPECT_EQ(boxes[2], (LayoutBox{120, 18, 60, 14}));  // beside it: moved right
    EXPECT_EQ(boxes[3], (LayoutBox{20, 46, 40, 10}));   // below it: moved down
    EXPECT_EQ(boxes[4], (LayoutBox{80, 44, 100, 14}));  // below, not beside
    EXPECT_EQ(boxes[5], (LayoutBox{100, 86, 50, 20}));
    const LayoutSize size = SizeHoldingBoxes(boxes, {220, 110}, 10, 10);
    EXPECT_EQ(size.m_width, 260);
    EXPECT_EQ(size.m_height, 116);
}

TEST(TextFitLayout, EnoughRoomChangesNothing) {
    std::vector<LayoutBox> boxes{{0, 0, 50, 10}, {60, 0, 20, 10}};
    const auto before = boxes;
    GrowBox(boxes, 0, 40, 8);
    GrowBox(boxes, 5, 100, 100);  // no such box
    EXPECT_EQ(boxes, before);
    const LayoutSize size = SizeHoldingBoxes(boxes, {300, 200}, 5, 5);
    EXPECT_EQ(size.m_width, 300);  // never shrinks
    EXPECT_EQ(size.m_height, 200);
}
