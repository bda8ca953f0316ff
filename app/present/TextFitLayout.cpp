#include "app/present/TextFitLayout.h"

#include <algorithm>

namespace {

bool Encloses(const LayoutBox& outer, const LayoutBox& inner) {
    return outer.m_x <= inner.m_x && outer.m_y <= inner.m_y && outer.Right() >= inner.Right() &&
           outer.Bottom() >= inner.Bottom();
}

bool SharesBand(const LayoutBox& a, const LayoutBox& b) {
    return a.m_y < b.Bottom() && b.m_y < a.Bottom();
}

}  // namespace

void GrowBox(std::vector<LayoutBox>& boxes, std::size_t index, int neededWidth, int neededHeight) {
    if (index >= boxes.size()) return;
    const LayoutBox old = boxes[index];
    const int dx = std::max(0, neededWidth - old.m_width);
    const int dy = std::max(0, neededHeight - old.m_height);
    if (dx == 0 && dy == 0) return;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        LayoutBox& box = boxes[i];
        if (i == index) continue;
        if (Encloses(box, old)) {
            box.m_width += dx;
            box.m_height += dy;
            continue;
        }
        const bool right = box.m_x >= old.Right() && SharesBand(box, old);
        const bool below = box.m_y >= old.Bottom();
        if (right) box.m_x += dx;
        if (below) box.m_y += dy;
    }
    boxes[index].m_width += dx;
    boxes[index].m_height += dy;
}

LayoutSize SizeHoldingBoxes(const std::vector<LayoutBox>& boxes, LayoutSize before, int rightMargin,
                            int bottomMargin) {
    LayoutSize size = before;
    for (const LayoutBox& box : boxes) {
        size.m_width = std::max(size.m_width, box.Right() + rightMargin);
        size.m_height = std::max(size.m_height, box.Bottom() + bottomMargin);
    }
    return size;
}
