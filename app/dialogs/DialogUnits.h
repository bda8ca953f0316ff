#pragma once

// The dialogs keep the proportions of their original layouts in dialog units; one dialog
// unit is drawn as 1.5 pixels in both directions (a 88 x 96 unit preview frame is 132 x 144
// pixels).
constexpr int Dlu(int units) { return units * 3 / 2; }
