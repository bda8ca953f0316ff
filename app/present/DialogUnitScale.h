#pragma once

// Dialog units turned into pixels as the platform does for a dialog resource: the
// horizontal unit is a quarter of the dialog font's average character width, the vertical
// unit an eighth of its height, each result rounded to the nearest pixel.
class CDialogUnitScale {
  public:
    CDialogUnitScale(int averageCharWidth, int charHeight);

    int X(int units) const;
    int Y(int units) const;

  private:
    int m_baseWidth;
    int m_baseHeight;
};
