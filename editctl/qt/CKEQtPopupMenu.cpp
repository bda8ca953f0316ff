#include "editctl/qt/CKEQtPopupMenu.h"

#include <QAction>
#include <QMenu>

#include "editctl/window/KEResources.h"

std::uint32_t CKEQtPopupMenu::track(const CKEPopupMenu& menu, QPoint screenPoint, QWidget* owner) {
    QMenu popup(owner);
    for (const CKEPopupMenu::Item& item : menu.items()) {
        if ((item.flags & keres::MF_SEPARATOR) != 0) {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(QString::fromStdString(item.text));
        action->setData(static_cast<uint>(item.id));
        action->setEnabled((item.flags & keres::MF_GRAYED) == 0);
    }
    const QAction* chosen = popup.exec(screenPoint);
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}
