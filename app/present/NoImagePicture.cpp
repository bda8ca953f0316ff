#include "app/present/NoImagePicture.h"

#include <array>
#include <string_view>

namespace {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kScale = 2;
constexpr int kGap = 2;
// The previews show the picture clipped to their 130 x 142 inner area, so the words are
// centred on that part.
constexpr int kVisibleWidth = 130;
constexpr int kVisibleHeight = 142;

// Rows top first, bit 4 = leftmost dot.
struct Glyph {
    char m_char;
    std::array<std::uint8_t, kGlyphHeight> m_rows;
};

constexpr std::array<Glyph, 7> kGlyphs{{
    {'N', {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11}},
    {'o', {0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E}},
    {'i', {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E}},
    {'m', {0x00, 0x00, 0x1A, 0x15, 0x15, 0x15, 0x15}},
    {'a', {0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F}},
    {'g', {0x00, 0x0F, 0x11, 0x11, 0x0F, 0x01, 0x0E}},
    {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}},
}};

const Glyph* FindGlyph(char c) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.m_char == c) {
            return &glyph;
        }
    }
    return nullptr;  // the space
}

}  // namespace

std::vector<std::uint8_t> NoImagePicture() {
    constexpr std::string_view kText = "No image";
    constexpr int kAdvance = kGlyphWidth * kScale + kGap;
    constexpr int kTextWidth = static_cast<int>(kText.size()) * kAdvance - kGap;
    constexpr int kLeft = (kVisibleWidth - kTextWidth) / 2;
    constexpr int kTop = (kVisibleHeight - kGlyphHeight * kScale) / 2;

    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kNoImageWidth * kNoImageHeight), 0);
    for (std::size_t i = 0; i < kText.size(); ++i) {
        const Glyph* glyph = FindGlyph(kText[i]);
        if (glyph == nullptr) {
            continue;
        }
        const int left = kLeft + static_cast<int>(i) * kAdvance;
        for (int row = 0; row < kGlyphHeight * kScale; ++row) {
            const std::uint8_t bits = glyph->m_rows[static_cast<std::size_t>(row / kScale)];
            for (int col = 0; col < kGlyphWidth * kScale; ++col) {
                if (bits & (0x10 >> (col / kScale))) {
                    const int y = kTop + row;
                    const int x = left + col;
                    pixels[static_cast<std::size_t>(y * kNoImageWidth + x)] = 1;
                }
            }
        }
    }
    return pixels;
}
