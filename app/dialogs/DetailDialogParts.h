#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/QtText.h"
#include "app/dialogs/TextFit.h"
#include "res/Texts.h"

// The parts the two information dialogs share: the entry list on the left, labels on the
// right, OK at the bottom right.
namespace detail_dialog {

inline constexpr int kWidth = 230;  // dialog units
inline constexpr int kHeight = 130;

// The list of entries, under its heading when there is one.
inline QListWidget* MakeList(QWidget* parent, const std::vector<std::string>& lines,
                             std::string_view heading = {}) {
    const CDialogUnits du(*parent);
    int top = 7;
    if (!heading.empty()) {
        auto* label = new QLabel(Qs(heading), parent);
        label->setObjectName("listHeading");
        label->setGeometry(du.Rect(7, 7, 100, 9));
        top += 11;
    }
    auto* list = new QListWidget(parent);
    list->setObjectName("list");
    list->setGeometry(du.Rect(7, top, 100, kHeight - 7 - top));
    // A row is as high as its characters are drawn, so that no two rows touch.
    const int rowMargin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameVMargin) + 1);
    for (const std::string& line : lines) {
        auto* item = new QListWidgetItem(Qs(line), list);
        const int height = DrawnLineHeight(list->font(), item->text()) + rowMargin;
        item->setSizeHint(
            QSize(list->fontMetrics().horizontalAdvance(item->text()) + rowMargin, height));
    }
    return list;
}

inline QLabel* MakeLabel(QWidget* parent, const char* name, const std::string& text, int row) {
    const CDialogUnits du(*parent);
    auto* label = new QLabel(Qs(text), parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(du.Rect(114, 7 + 14 * row, kWidth - 121, 11));
    return label;
}

inline void MakeOk(QDialog* dialog) {
    const CDialogUnits du(*dialog);
    auto* ok = new QPushButton(Qs(texts::kButtonOk), dialog);
    ok->setObjectName("ok");
    ok->setGeometry(du.Rect(kWidth - 57, kHeight - 21, 50, 14));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
}

}  // namespace detail_dialog
