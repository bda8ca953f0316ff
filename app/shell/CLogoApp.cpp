#include "app/shell/CLogoApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>

#include "app/dialogs/CComSelectDlg.h"
#include "app/dialogs/QtText.h"
#include "app/present/CVersionInfo.h"
#include "app/present/ModelTexts.h"
#include "app/shell/CAboutDlg.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CSelectPrinterDlg.h"
#include "app/view/CLogoView.h"
#include "items/PrinterModels.h"
#include "serial/CRS232C.h"
#include "serial/SerialPortName.h"
#include "serial/SerialPortScan.h"

#ifndef STAMPIX_HELP_RELATIVE_DIR
#define STAMPIX_HELP_RELATIVE_DIR "../share/doc/stampix"
#endif

namespace {

// The help page sits beside the program in the build tree, and in the documentation
// folder once installed.
std::string FindHelpPage() {
    const std::string base = HelpBaseName(CVersionInfo());
    if (base.empty()) {
        return {};
    }
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString name = Qs(base) + ".html";
    const QString beside = programDir.filePath(name);
    if (QFileInfo::exists(beside)) {
        return Utf8(beside);
    }
    return Utf8(QDir::cleanPath(programDir.filePath(STAMPIX_HELP_RELATIVE_DIR "/" + name)));
}

}  // namespace

CLogoApp::CLogoApp() = default;

CLogoApp::~CLogoApp() = default;

void CLogoApp::InstallQtTranslations() {
    if (m_qtTranslations) {
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    // Every text of the program is Japanese whatever the desktop's language.
    if (translator->load("qt_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get())) {
        m_qtTranslations = std::move(translator);
    }
}

bool CLogoApp::InitInstance(std::unique_ptr<ISerialLink> link) {
    InstallQtTranslations();
    if (!link) {
        link = std::make_unique<CRS232C>();
    }
    m_mainFrame = std::make_unique<CMainFrame>(*this, std::move(link));
    if (!m_mainFrame->View().OnInitialUpdate(
            [this](QWidget* parent) { return SelectModel(parent); })) {
        return false;
    }
    m_settings.m_helpPath = FindHelpPage();
    m_mainFrame->show();
    m_mainFrame->repaint();
    m_settings.m_comPort = serial::PortFromEnvironment(std::getenv("STAMPIX_PORT"));
    return true;
}

bool CLogoApp::SelectModel(QWidget* parent) {
    CSelectPrinterDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    m_model = dialog.m_model;
    const PrinterModelInfo& profile = ModelInfo(m_model);
    m_modelName = std::string(profile.m_name);
    m_settings.m_dotsPerMm = profile.m_dotsPerMm;
    m_title = MakeTitle(m_modelName);
    if (m_mainFrame) {
        m_mainFrame->setWindowTitle(Qs(m_title));
    }
    return true;
}

void CLogoApp::OnComPort(QWidget* parent) {
    CComSelectDlg dialog(m_settings.m_comPort, serial::ListSerialDevices(), parent);
    dialog.exec();
}

void CLogoApp::OnAppAbout(QWidget* parent) {
    CAboutDlg dialog(parent);
    dialog.exec();
}
