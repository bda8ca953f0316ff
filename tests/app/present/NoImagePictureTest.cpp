#include <gtest/gtest.h>

#include <algorithm>

#include "app/present/NoImagePicture.h"

namespace {

TEST(NoImagePicture, IsBlackTextOnWhiteInsideTheVisiblePart) {
    const auto pixels = NoImagePicture();
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(kNoImageWidth * kNoImageHeight));
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](auto p) { return p <= 1; }));

    int black = 0;
    int minX = kNoImageWidth, maxX = -1, minY = kNoImageHeight, maxY = -1;
    for (int y = 0; y < kNoImageHeight; ++y) {
        for (int x = 0; x < kNoImageWidth; ++x) {
            if (pixels[static_cast<std::size_t>(y * kNoImageWidth + x)] != 0) {
                ++black;
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    // Mostly white ground, some text.
    EXPECT_GT(black, 200);
    EXPECT_LT(black, kNoImageWidth * kNoImageHeight / 10);
    // The words stay inside what a 132 x 144 preview shows (130 x 142 from the corner).
    EXPECT_GE(minX, 1);
    EXPECT_LT(maxX, 130);
    EXPECT_GE(minY, 1);
    EXPECT_LT(maxY, 142);
    // And they are roughly centred there.
    EXPECT_NEAR((minX + maxX) / 2, 65, 4);
    EXPECT_NEAR((minY + maxY) / 2, 71, 4);
}

TEST(NoImagePicture, IsTheSameEveryTime) { EXPECT_EQ(NoImagePicture(), NoImagePicture()); }

}  // namespace
