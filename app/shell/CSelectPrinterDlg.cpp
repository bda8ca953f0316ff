#include "app/shell/CSelectPrinterDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/QtText.h"
#include "app/dialogs/TextFit.h"
#include "app/present/ModelTexts.h"
#include "items/PrinterModels.h"
#include "res/Texts.h"

CSelectPrinterDlg::CSelectPrinterDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("CSelectPrinterDlg");
    setWindowTitle(Qs(texts::kSelectPrinterCaption));
    setWindowIcon(QIcon(":/stampix/stampix.svg"));

    const CDialogUnits du(*this);
    setFixedSize(du.Size(215, 94));
    auto* box = new QGroupBox(Qs(texts::kSelectPrinterGroup), this);
    box->setGeometry(du.Rect(7, 7, 201, 58));
    m_group = new QButtonGroup(this);
    for (int model = 0; model < kModelCount; ++model) {
        auto* radio = new QRadioButton(Qs(ModelRadioText(model)), box);
        radio->setObjectName(QString("model%1").arg(model));
        radio->setGeometry(du.Rect(10, 12 + 14 * model, 185, 12));
        m_group->addButton(radio, model);
    }
    m_group->button(m_model)->setChecked(true);

    auto* ok = new QPushButton(Qs(texts::kButtonOk), this);
    ok->setObjectName("ok");
    ok->setGeometry(du.Rect(101, 73, 50, 14));
    ok->setDefault(true);
    auto* quit = new QPushButton(Qs(texts::kButtonQuit), this);
    quit->setObjectName("quit");
    quit->setGeometry(du.Rect(158, 73, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    GrowToFitTexts(*this);
}

void CSelectPrinterDlg::accept() {
    m_model = std::max(m_group->checkedId(), 0);
    QDialog::accept();
}
