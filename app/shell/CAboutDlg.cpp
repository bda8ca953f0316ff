#include "app/shell/CAboutDlg.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/QtText.h"
#include "app/present/CVersionInfo.h"
#include "res/Texts.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CAboutDlg(CVersionInfo(), parent) {}

CAboutDlg::CAboutDlg(const CVersionInfo& info, QWidget* parent) : QDialog(parent) {
    setObjectName("CAboutDlg");
    setWindowTitle(Qs(texts::kAboutCaption));
    setFixedSize(Dlu(217), Dlu(49));

    auto* icon = new QLabel(this);
    icon->setGeometry(Dlu(7), Dlu(13), Dlu(20), Dlu(21));
    icon->setPixmap(QIcon(":/stampix/stampix.svg").pixmap(Dlu(20), Dlu(20)));

    // The texts are shown as they are: no mnemonics, no rich text.
    m_description = new QLabel(this);
    m_description->setObjectName("description");
    m_description->setTextFormat(Qt::PlainText);
    m_description->setGeometry(Dlu(31), Dlu(7), Dlu(179), Dlu(11));
    m_version = new QLabel(this);
    m_version->setObjectName("version");
    m_version->setTextFormat(Qt::PlainText);
    m_version->setGeometry(Dlu(31), Dlu(20), Dlu(130), Dlu(11));
    m_copyright = new QLabel(this);
    m_copyright->setObjectName("copyright");
    m_copyright->setTextFormat(Qt::PlainText);
    m_copyright->setGeometry(Dlu(31), Dlu(33), Dlu(126), Dlu(8));

    auto* ok = new QPushButton(Qs(texts::kButtonOk), this);
    ok->setObjectName("ok");
    ok->setGeometry(Dlu(165), Dlu(28), Dlu(45), Dlu(14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    Fill(info);
}

void CAboutDlg::Fill(const CVersionInfo& info) {
    m_description->setText(Qs(info.GetFileDescription()));
    m_version->setText(Qs(VersionLine(info)));
    m_copyright->setText(Qs(info.GetLegalCopyright()));
}
