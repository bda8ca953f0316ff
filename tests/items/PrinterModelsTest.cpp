#include "items/PrinterModels.h"

#include <gtest/gtest.h>

namespace {

TEST(PrinterModels, NamesAndDotsPerMm) {
    EXPECT_EQ(ModelInfo(0).m_name, "NV210a");
    EXPECT_EQ(ModelInfo(0).m_dotsPerMm, 8);
    EXPECT_EQ(ModelInfo(1).m_name, "NV430a");
    EXPECT_EQ(ModelInfo(1).m_dotsPerMm, 8);
    EXPECT_EQ(ModelInfo(2).m_name, "NV450a");
    EXPECT_EQ(ModelInfo(2).m_dotsPerMm, 12);
    // Out of range falls back to the first model rather than reading past the table.
    EXPECT_EQ(ModelInfo(kModelCount).m_name, "NV210a");
    EXPECT_EQ(ModelInfo(-1).m_name, "NV210a");
}

}  // namespace
