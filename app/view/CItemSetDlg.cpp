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
#include "app/dialogs/TextFit.h"
#include "app/present/LeadingNumber.h"
#include "app/present/RegistrationName.h"
#include "app/view/CNameValidator.h"
#include "items/CItemTable.h"
#include "res/Texts.h"
#include "text/ShiftJis.h"

CItemSetDlg::CItemSetDlg(QWidget* parent, int slot, CItemTable& table)
    : QDialog(parent), m_slot(slot), m_table(table) {
    setObjectName("CItemSetDlg");
    setWindowTitle(Qs(texts::kItemSetCaption));
    const CDialogUnits du(*this);
    setFixedSize(du.Size(175, 86));

    auto* group = new QGroupBox(this);
    group->setGeometry(du.Rect(7, 7, 161, 47));
    auto* idLabel = new QLabel(Qs(texts::kItemSetIdLabel), this);
    idLabel->setObjectName("idLabel");
    idLabel->setGeometry(du.Rect(14, 20, 43, 9));
    m_idEdit = new QLineEdit(this);
    m_idEdit->setObjectName("id");
    m_idEdit->setGeometry(du.Rect(58, 17, 31, 13));
    m_idEdit->setMaxLength(2);
    m_idEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), m_idEdit));
    auto* nameLabel = new QLabel(Qs(texts::kItemSetNameLabel), this);
    nameLabel->setGeometry(du.Rect(14, 37, 30, 11));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName("name");
    m_nameEdit->setGeometry(du.Rect(58, 34, 104, 14));
    m_nameEdit->setMaxLength(kMaxNameBytes);
    m_nameEdit->setValidator(new CNameValidator(m_nameEdit));
    m_nameProblem = new QLabel(Qs(texts::kNameNotShiftJis), this);
    m_nameProblem->setObjectName("nameProblem");
    m_nameProblem->setWordWrap(true);
    m_nameProblem->setStyleSheet("color: #c00000;");
    m_nameProblem->setVisible(false);
    m_nameProblem->setGeometry(du.Rect(7, 57, 161, 0));
    connect(m_nameEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { ShowNameProblem(!IsShiftJisName(Utf8(text))); });

    m_ok = new QPushButton(Qs(texts::kButtonOk), this);
    m_ok->setObjectName("ok");
    m_ok->setDefault(true);
    m_cancel = new QPushButton(Qs(texts::kButtonCancelHalfWidth), this);
    m_cancel->setObjectName("cancel");
    m_ok->setGeometry(du.Rect(61, 65, 50, 14));
    m_cancel->setGeometry(du.Rect(118, 65, 50, 14));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    GrowToFitTexts(*this);
    // The explanation's band opens between the group and the buttons.
    m_baseSize = size();
    m_okBase = m_ok->geometry();
    m_cancelBase = m_cancel->geometry();
    m_problemBase = QRect(group->x(), group->geometry().bottom() + 1 + du.Y(3), group->width(), 0);
    m_bandGap = du.Y(3);

    m_idEdit->setText(QString::number(m_slot));
    if (CItemTable::IsValidSlot(m_slot)) {
        m_nameEdit->setText(Qs(sjis::ToUtf8(m_table[m_slot].m_name)));
    }
    m_idEdit->setFocus();
}

void CItemSetDlg::ShowNameProblem(bool show) {
    // The explanation takes a band between the group and the buttons, as high as its text.
    int band = 0;
    if (show) {
        const int height = m_nameProblem->heightForWidth(m_problemBase.width());
        m_nameProblem->setGeometry(m_problemBase.adjusted(0, 0, 0, height));
        band = height + m_bandGap;
    }
    m_nameProblem->setVisible(show);
    m_ok->setGeometry(m_okBase.translated(0, band));
    m_cancel->setGeometry(m_cancelBase.translated(0, band));
    setFixedSize(m_baseSize + QSize(0, band));
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
        ShowNameProblem(true);
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
