#include "app/shell/CAboutDlg.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/QtText.h"
#include "app/dialogs/TextFit.h"
#include "app/present/CVersionInfo.h"
#include "res/Texts.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CAboutDlg(CVersionInfo(), parent) {}

CAboutDlg::CAboutDlg(const CVersionInfo& info, QWidget* parent) : QDialog(parent) {
    setObjectName("CAboutDlg");
    setWindowTitle(Qs(texts::kAboutCaption));
    const CDialogUnits du(*this);
    setFixedSize(du.Size(217, 49));

    auto* icon = new QLabel(this);
    icon->setGeometry(du.Rect(7, 13, 20, 21));
    icon->setPixmap(QIcon(":/stampix/stampix.svg").pixmap(du.X(20), du.Y(20)));

    // The texts are shown as they are: no mnemonics, no rich text.
    m_description = new QLabel(this);
    m_description->setObjectName("description");
    m_description->setTextFormat(Qt::PlainText);
    m_description->setGeometry(du.Rect(31, 7, 179, 11));
    m_version = new QLabel(this);
    m_version->setObjectName("version");
    m_version->setTextFormat(Qt::PlainText);
    m_version->setGeometry(du.Rect(31, 20, 130, 11));
    m_copyright = new QLabel(this);
    m_copyright->setObjectName("copyright");
    m_copyright->setTextFormat(Qt::PlainText);
    m_copyright->setGeometry(du.Rect(31, 33, 126, 8));

    auto* ok = new QPushButton(Qs(texts::kButtonOk), this);
    ok->setObjectName("ok");
    ok->setGeometry(du.Rect(165, 28, 45, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    Fill(info);
    GrowToFitTexts(*this);
}

void CAboutDlg::Fill(const CVersionInfo& info) {
    m_description->setText(Qs(info.GetFileDescription()));
    m_version->setText(Qs(VersionLine(info)));
    m_copyright->setText(Qs(info.GetLegalCopyright()));
}
