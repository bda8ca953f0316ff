#pragma once

#include <QRect>
#include <QSize>

#include "app/present/DialogUnitScale.h"

class QWidget;

// The layouts keep the dialog units of their original resources; a unit becomes pixels
// from the metrics of the widget's own font, so the layout follows the font it shows.
class CDialogUnits {
  public:
    explicit CDialogUnits(const QWidget& widget);

    int X(int units) const { return m_scale.X(units); }
    int Y(int units) const { return m_scale.Y(units); }
    QRect Rect(int x, int y, int width, int height) const {
        return QRect(X(x), Y(y), X(width), Y(height));
    }
    QSize Size(int width, int height) const { return QSize(X(width), Y(height)); }

  private:
    CDialogUnitScale m_scale;
};
