#include "app/shell/CSelectPrinterDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/QtText.h"
#include "app/present/CModelProfile.h"
#include "res/Texts.h"

CSelectPrinterDlg::CSelectPrinterDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("CSelectPrinterDlg");
    setWindowTitle(Qs(texts::kSelectPrinterCaption));
    setWindowIcon(QIcon(":/stampix/stampix.svg"));

    auto* box = new QGroupBox(Qs(texts::kSelectPrinterGroup), this);
    m_group = new QButtonGroup(this);
    // The layout keeps its proportions, widened only when a model's text needs more room.
    int radioWidth = Dlu(185);
    for (int model = 0; model < kModelCount; ++model) {
        auto* radio = new QRadioButton(Qs(ModelProfile(model).m_radioText), box);
        radio->setObjectName(QString("model%1").arg(model));
        radioWidth = std::max(radioWidth, radio->sizeHint().width());
        m_group->addButton(radio, model);
    }
    for (int model = 0; model < kModelCount; ++model) {
        m_group->button(model)->setGeometry(Dlu(10), Dlu(12 + 14 * model), radioWidth, Dlu(12));
    }
    const int extra = radioWidth - Dlu(185);
    setFixedSize(Dlu(215) + extra, Dlu(94));
    box->setGeometry(Dlu(7), Dlu(7), Dlu(201) + extra, Dlu(58));
    m_group->button(m_model)->setChecked(true);

    auto* ok = new QPushButton(Qs(texts::kButtonOk), this);
    ok->setObjectName("ok");
    ok->setGeometry(Dlu(101) + extra, Dlu(73), Dlu(50), Dlu(14));
    ok->setDefault(true);
    auto* quit = new QPushButton(Qs(texts::kButtonQuit), this);
    quit->setObjectName("quit");
    quit->setGeometry(Dlu(158) + extra, Dlu(73), Dlu(50), Dlu(14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
}

void CSelectPrinterDlg::accept() {
    m_model = std::max(m_group->checkedId(), 0);
    QDialog::accept();
}
