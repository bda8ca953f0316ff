#include <gtest/gtest.h>

#include "app/present/PreviewGeometry.h"

namespace {

TEST(PreviewGeometry, FitsTheImageWithItsProportions) {
    // Wider than tall: fitted to the width, s = 0.66, Ht = 66.
    EXPECT_EQ(PreviewTargetRect(132, 144, 200, 100), (PreviewRect{1, 1, 130, 64}));
    // Taller than wide: fitted to the height, s = 0.72, Wt = 36.
    EXPECT_EQ(PreviewTargetRect(132, 144, 50, 200), (PreviewRect{1, 1, 34, 142}));
    // Square: fitted to the width.
    EXPECT_EQ(PreviewTargetRect(132, 144, 100, 100), (PreviewRect{1, 1, 130, 130}));
}

TEST(PreviewGeometry, EnlargesSmallImages) {
    // 10 x 5: s = 13.2, Ht = trunc(66 + 0.5) = 66.
    EXPECT_EQ(PreviewTargetRect(132, 144, 10, 5), (PreviewRect{1, 1, 130, 64}));
    EXPECT_EQ(PreviewTargetRect(132, 144, 1, 1), (PreviewRect{1, 1, 130, 130}));
}

TEST(PreviewGeometry, HoldsTheFitWithinTheFrame) {
    // A square image in a frame that is wider than tall would overflow the height.
    EXPECT_EQ(PreviewTargetRect(200, 100, 50, 50), (PreviewRect{1, 1, 198, 98}));
    // A slightly taller image in a frame wider than its height fits the height.
    EXPECT_EQ(PreviewTargetRect(100, 200, 99, 100), (PreviewRect{1, 1, 98, 198}));
    // Rounding half up: 3 x 2 into 132 wide gives 88 exactly; 3 x 1 gives 44.
    EXPECT_EQ(PreviewTargetRect(132, 144, 3, 2), (PreviewRect{1, 1, 130, 86}));
    EXPECT_EQ(PreviewTargetRect(132, 144, 3, 1), (PreviewRect{1, 1, 130, 42}));
}

TEST(PreviewGeometry, EmptyForNoPixelsOrNoRoom) {
    EXPECT_EQ(PreviewTargetRect(132, 144, 0, 100).m_width, 0);
    EXPECT_EQ(PreviewTargetRect(132, 144, 100, -1).m_height, 0);
    EXPECT_EQ(PreviewTargetRect(2, 2, 100, 100).m_width, 0);
    // A very thin image never gets a negative size.
    const PreviewRect thin = PreviewTargetRect(132, 144, 1, 1000);
    EXPECT_EQ(thin.m_height, 142);
    EXPECT_EQ(thin.m_width, 0);
}

TEST(PreviewGeometry, PlaceholderIsClippedToTheInnerArea) {
    EXPECT_EQ(PlaceholderRect(132, 144, 163, 157), (PreviewRect{1, 1, 130, 142}));
    EXPECT_EQ(PlaceholderRect(400, 400, 163, 157), (PreviewRect{1, 1, 163, 157}));
    EXPECT_EQ(PlaceholderRect(1, 1, 163, 157), (PreviewRect{1, 1, 0, 0}));
}

}  // namespace
