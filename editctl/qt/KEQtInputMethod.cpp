#include "editctl/qt/KEQtInputMethod.h"

#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QRect>

#include "editctl/qt/CKEQtTextMeasurer.h"
#include "editctl/window/CKEInputContext.h"
#include "editctl/window/CKEWindowSystem.h"

bool KEQtInputMethod::handleEvent(CKEWindowSystem& system, HWND hwnd,
                                  const QInputMethodEvent& event) {
    const QString commit = event.commitString();
    if (commit.isEmpty()) {
        return false;
    }
    system.commitComposition(hwnd, commit.toStdU16String());
    return true;
}

QVariant KEQtInputMethod::query(CKEWindowSystem& system, HWND hwnd, Qt::InputMethodQuery query) {
    const CKEInputContext* context = system.inputContext(hwnd);
    const QFont font = CKEQtTextMeasurer::fontFor(
        context != nullptr && context->hasFont ? &context->font : nullptr);
    switch (query) {
        case Qt::ImEnabled:
            return context != nullptr;
        case Qt::ImFont:
            return font;
        case Qt::ImCursorRectangle: {
            if (context == nullptr) {
                return QRect();
            }
            const POINT at = context->form.ptCurrentPos;
            return QRect(at.x, at.y, 1, QFontMetrics(font).height());
        }
        case Qt::ImHints:
            return static_cast<int>(Qt::ImhMultiLine);
        default:
            return QVariant();
    }
}
