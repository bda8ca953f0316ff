#include "app/dialogs/DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>

namespace {

CDialogUnitScale ScaleOf(const QFontMetrics& metrics) {
    // The average width of the Latin letters, rounded as the platform rounds it.
    const int letters =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return CDialogUnitScale((letters / 26 + 1) / 2, metrics.height());
}

}  // namespace

CDialogUnits::CDialogUnits(const QWidget& widget) : m_scale(ScaleOf(widget.fontMetrics())) {}
