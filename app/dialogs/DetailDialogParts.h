#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/QtText.h"
#include "res/Texts.h"

// The parts the two information dialogs share: the entry list on the left, labels on the
// right, OK at the bottom right.
namespace detail_dialog {

inline constexpr int kWidth = 230;  // dialog units
inline constexpr int kHeight = 130;

// The list of entries, under its heading when there is one.
inline QListWidget* MakeList(QWidget* parent, const std::vector<std::string>& lines,
                             std::string_view heading = {}) {
    int top = 7;
    if (!heading.empty()) {
        auto* label = new QLabel(Qs(heading), parent);
        label->setObjectName("listHeading");
        label->setGeometry(Dlu(7), Dlu(7), Dlu(100), Dlu(9));
        top += 11;
    }
    auto* list = new QListWidget(parent);
    list->setObjectName("list");
    list->setGeometry(Dlu(7), Dlu(top), Dlu(100), Dlu(kHeight - 7 - top));
    for (const std::string& line : lines) {
        list->addItem(Qs(line));
    }
    return list;
}

inline QLabel* MakeLabel(QWidget* parent, const char* name, const std::string& text, int row) {
    auto* label = new QLabel(Qs(text), parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(Dlu(114), Dlu(7 + 14 * row), Dlu(kWidth - 121), Dlu(11));
    return label;
}

inline void MakeOk(QDialog* dialog) {
    auto* ok = new QPushButton(Qs(texts::kButtonOk), dialog);
    ok->setObjectName("ok");
    ok->setGeometry(Dlu(kWidth - 57), Dlu(kHeight - 21), Dlu(50), Dlu(14));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
}

}  // namespace detail_dialog
