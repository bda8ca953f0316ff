#pragma once

#include <cstddef>
#include <vector>

// The controls of one dialog as rectangles, and how they make room for a control whose
// text needs more than its place: the control grows, what lies to its right on the same
// band and what lies below it moves on, and what encloses it (a group box) grows with it.
struct LayoutBox {
    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0;

    int Right() const { return m_x + m_width; }
    int Bottom() const { return m_y + m_height; }
    bool operator==(const LayoutBox&) const = default;
};

// Grows box `index` to at least neededWidth x neededHeight and makes room for it.
void GrowBox(std::vector<LayoutBox>& boxes, std::size_t index, int neededWidth, int neededHeight);

// The smallest width and height that hold every box and keep the margins the layout had
// to the right and below (the dialog never shrinks).
struct LayoutSize {
    int m_width = 0;
    int m_height = 0;
};
LayoutSize SizeHoldingBoxes(const std::vector<LayoutBox>& boxes, LayoutSize before, int rightMargin,
                            int bottomMargin);
