#include "app/dialogs/CComSelectDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/QtText.h"
#include "app/present/PortChoice.h"
#include "res/Texts.h"

CComSelectDlg::CComSelectDlg(std::string& comPort, std::vector<SerialPortInfo> devices,
                             QWidget* parent)
    : QDialog(parent), m_comPort(comPort) {
    setObjectName("CComSelectDlg");
    setWindowTitle(Qs(texts::kComSelectCaption));
    const CDialogUnits du(*this);
    setFixedSize(du.Size(288, 54));

    m_combo = new QComboBox(this);
    m_combo->setObjectName("combo");
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMaxVisibleItems(12);
    m_combo->setGeometry(du.Rect(7, 7, 274, 14));
    // The item's data is the port name; the text may add the device's description.
    for (const std::string& name : ComPortNames()) {
        m_combo->addItem(Qs(name), Qs(name));
    }
    for (const SerialPortInfo& device : devices) {
        const QString text = device.description.empty()
                                 ? Qs(device.path)
                                 : Qs(device.path) + "  (" + Qs(device.description) + ")";
        m_combo->addItem(text, Qs(device.path));
    }
    int current = m_combo->findData(Qs(m_comPort));
    if (current < 0) {
        // A port given at start-up that is in neither list.
        m_combo->addItem(Qs(m_comPort), Qs(m_comPort));
        current = m_combo->count() - 1;
    }
    m_combo->setCurrentIndex(current);

    auto* ok = new QPushButton(Qs(texts::kButtonOk), this);
    ok->setObjectName("ok");
    ok->setGeometry(du.Rect(174, 33, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(Qs(texts::kButtonCancel), this);
    cancel->setObjectName("cancel");
    cancel->setGeometry(du.Rect(231, 33, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CComSelectDlg::accept() {
    // A listed entry gives its port name; anything else is a typed name.
    const QString text = m_combo->currentText();
    const int index = m_combo->findText(text);
    std::optional<std::string> port;
    if (index >= 0) {
        port = Utf8(m_combo->itemData(index).toString());
    } else {
        port = ParseTypedPort(Utf8(text));
    }
    if (!port) {
        QApplication::beep();
        m_combo->lineEdit()->selectAll();
        m_combo->setFocus();
        return;
    }
    m_comPort = *port;
    QDialog::accept();
}
