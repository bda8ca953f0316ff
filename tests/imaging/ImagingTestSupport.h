#pragma once

#include <gtest/gtest.h>

#include <string>

#include "imaging/CurrentImage.h"
#include "res/Texts.h"
#include "tests/imaging/BmpBuilder.h"
#include "tests/support/CRecordingOperator.h"

// The error box the imaging code shows for string `id`.
inline CRecordingOperator::Message ErrorBox(int id) {
    return {std::string(texts::StringTable(texts::IDS_ERROR_CAPTION)),
            std::string(texts::StringTable(id)), MessageIcon::Exclamation};
}

// A bitmap of `width` x `height` pixels in `bitCount` bits, loaded into an image.
class ImagingTest : public ::testing::Test {
  protected:
    bool Load(const bmptest::Bytes& file);
    // Only the one message `id` was shown.
    void ExpectOnlyError(int id) {
        ASSERT_EQ(op.Messages().size(), 1u);
        EXPECT_EQ(op.Messages()[0], ErrorBox(id));
    }
    // The transfer image equals what `black(x, y)` gives for every pixel.
    void ExpectTransfer(std::int32_t width, std::int32_t height,
                        const std::function<bool(int x, int y)>& black) {
        ASSERT_TRUE(image.transferBits.has_value());
        EXPECT_EQ(*image.transferBits, bmptest::MonoRows(width, height, black));
    }

    CRecordingOperator op;
    CurrentImage image;
};
