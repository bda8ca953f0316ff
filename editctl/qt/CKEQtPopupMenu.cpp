#include "editctl/qt/CKEQtPopupMenu.h"

#include <QAction>
#include <QMenu>

#include "editctl/window/CKEMenu.h"

namespace {

void Fill(QMenu& target, const CKEMenu& menu) {
    for (const CKEMenu::Item& item : menu.items()) {
        if ((item.flags & MF_SEPARATOR) != 0) {
            target.addSeparator();
        } else if (item.popup != nullptr) {
            Fill(*target.addMenu(QString::fromStdString(item.text)), *item.popup);
        } else {
            QAction* action = target.addAction(QString::fromStdString(item.text));
            action->setData(static_cast<uint>(item.id));
            action->setEnabled((item.flags & (MF_GRAYED | MF_DISABLED)) == 0);
        }
    }
}

}  // namespace

UINT CKEQtPopupMenu::track(const CKEMenu& menu, QPoint screenPoint) {
    QMenu popup;
    Fill(popup, menu);
    const QAction* chosen = popup.exec(screenPoint);
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}
