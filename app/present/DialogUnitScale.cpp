#include "app/present/DialogUnitScale.h"

#include <algorithm>
#include <cmath>

namespace {

int Scale(int units, int base, int divisor) {
    return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

}  // namespace

// A font without metrics still gives a usable layout: at least one pixel per unit of base.
CDialogUnitScale::CDialogUnitScale(int averageCharWidth, int charHeight)
    : m_baseWidth(std::max(averageCharWidth, 1)), m_baseHeight(std::max(charHeight, 1)) {}

int CDialogUnitScale::X(int units) const { return Scale(units, m_baseWidth, 4); }

int CDialogUnitScale::Y(int units) const { return Scale(units, m_baseHeight, 8); }
