#include "app/view/CItemSetDlg.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/QtText.h"
#include "app/present/LeadingNumber.h"
#include "items/CItemTable.h"
#include "res/Texts.h"
#include "text/ShiftJis.h"

CItemSetDlg::CItemSetDlg(QWidget* parent, int slot, CItemTable& table)
    : QDialog(parent), m_slot(slot), m_table(table) {
    setObjectName("CItemSetDlg");
    setWindowTitle(Qs(texts::kItemSetCaption));
    setFixedSize(Dlu(175), Dlu(86));

    auto* group = new QGroupBox(this);
    group->setGeometry(Dlu(7), Dlu(7), Dlu(161), Dlu(47));
    auto* idLabel = new QLabel(Qs(texts::kItemSetIdLabel), this);
    idLabel->setGeometry(Dlu(14), Dlu(20), Dlu(43), Dlu(9));
    m_idEdit = new QLineEdit(this);
    m_idEdit->setObjectName("id");
    m_idEdit->setGeometry(Dlu(58), Dlu(17), Dlu(31), Dlu(13));
    m_idEdit->setMaxLength(2);
    m_idEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), m_idEdit));
    auto* nameLabel = new QLabel(Qs(texts::kItemSetNameLabel), this);
    nameLabel->setGeometry(Dlu(14), Dlu(37), Dlu(30), Dlu(11));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName("name");
    m_nameEdit->setGeometry(Dlu(58), Dlu(34), Dlu(104), Dlu(14));
    m_nameEdit->setMaxLength(kMaxNameBytes);

    auto* ok = new QPushButton(Qs(texts::kButtonOk), this);
    ok->setObjectName("ok");
    ok->setGeometry(Dlu(61), Dlu(65), Dlu(50), Dlu(14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(Qs(texts::kButtonCancelHalfWidth), this);
    cancel->setObjectName("cancel");
    cancel->setGeometry(Dlu(118), Dlu(65), Dlu(50), Dlu(14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_idEdit->setText(QString::number(m_slot));
    if (CItemTable::IsValidSlot(m_slot)) {
        m_nameEdit->setText(Qs(sjis::ToUtf8(m_table[m_slot].m_name)));
    }
    m_idEdit->setFocus();
}

void CItemSetDlg::accept() {
    if (!CItemTable::IsValidSlot(m_slot)) {
        QDialog::reject();
        return;
    }
    const int to = std::clamp(LeadingNumber(Utf8(m_idEdit->text())), 0, kItemCount - 1);
    // The name is kept in Shift-JIS; a character it cannot hold is refused rather than
    // changed behind the operator's back.
    const std::optional<std::string> name = sjis::FromUtf8(Utf8(m_nameEdit->text()));
    if (!name) {
        QApplication::beep();
        m_nameEdit->setFocus();
        m_nameEdit->selectAll();
        return;
    }
    if (to != m_slot && m_table[to].m_state != ITEM_UNREGISTERED) {
        QMessageBox::warning(this, Qs(texts::kResultCaption), Qs(texts::kIdInUse));
        return;
    }
    m_table.MoveItem(m_slot, to, *name);
    QDialog::accept();
}
