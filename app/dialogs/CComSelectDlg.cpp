#include "app/dialogs/CComSelectDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/QtText.h"
#include "res/Texts.h"
#include "serial/SerialPortList.h"
#include "serial/SerialPortName.h"

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
    // The item's data is the port name; the text may add the device and its description.
    for (const SerialPortListEntry& entry : serial::BuildPortList(devices)) {
        m_combo->addItem(Qs(entry.text), Qs(entry.port));
    }
    int current = m_combo->findData(Qs(serial::ParsePortName(m_comPort).value_or(m_comPort)));
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
        port = serial::TypedPort(Utf8(text));
    }
    if (!port) {
        char message[1024];
        std::snprintf(message, sizeof message, texts::kPortTypedNotAPortFormat.data(),
                      Utf8(text.trimmed().left(100)).c_str());
        QMessageBox::warning(this, Qs(texts::StringTable(texts::IDS_ERROR_CAPTION)),
                             QString::fromUtf8(message));
        m_combo->lineEdit()->selectAll();
        m_combo->setFocus();
        return;
    }
    m_comPort = *port;
    QDialog::accept();
}
