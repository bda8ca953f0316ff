#include "editctl/api/CKEditApp.h"

#include <QApplication>
#include <cstdio>
#include <string>

#include "editctl/api/KEDisplayProbe.h"

#include "editctl/control/KEditWindowProc.h"
#include "editctl/qt/CKEQtFontEnumerator.h"

namespace {

// Made when the library is loaded, destroyed when it is unloaded.
CKEditApp theApp;

}  // namespace

CKEditApp& CKEditApp::instance() { return theApp; }

CKEditApp::CKEditApp() {
    m_initialised = KERegisterEditClass(m_classes);
    buildCatalogIfPossible();
}

CKEditApp::~CKEditApp() {
    // Windows are torn down only while the host's Qt still runs. The library's own
    // application is never destroyed, so this runs at process exit, after Qt's platform
    // plugin has freed its statics: its windows are left to the process's end.
    if (QApplication::instance() != nullptr && !m_ownsApplication) {
        m_windows.reset();
    } else {
        (void)m_windows.release();
    }
    (void)m_platform.release();
    std::lock_guard lock(m_catalogMutex);
    m_fontCatalog.reset();
}

void CKEditApp::buildCatalogIfPossible() {
    std::lock_guard lock(m_catalogMutex);
    if (m_fontCatalog || !CKEQtFontEnumerator::available()) {
        return;
    }
    auto catalog = std::make_unique<CKEFontCatalog>();
    CKEQtFontEnumerator enumerator;
    if (catalog->buildForLoad(enumerator)) {
        m_fontCatalog = std::move(catalog);
    }
}

CKEWindowSystem* CKEditApp::windows() {
    if (m_windows) {
        return m_windows.get();
    }
    if (QCoreApplication::instance() == nullptr) {
        std::string reason;
        if (!KEPlatformCanStart(reason)) {
            reportFailure("cannot show windows: " + reason);
            return nullptr;
        }
        static int argc = 1;
        static char name[] = "wextl";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);  // lives as long as the process
        m_ownsApplication = true;
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        // Widgets need a QApplication, not a plain core or GUI one.
        reportFailure(
            "cannot show windows: the host made a QCoreApplication or "
            "QGuiApplication, and windows need a QApplication");
        return nullptr;
    }
    m_platform = std::make_unique<CKEQtPlatform>([this] { return fontCatalog(); });
    m_windows = std::make_unique<CKEWindowSystem>(*m_platform, m_classes, &m_gdi);
    m_platform->setSystem(m_windows.get());
    return m_windows.get();
}

void CKEditApp::reportFailure(const std::string& reason) {
    m_failure = reason;
    if (!m_failureReported) {
        m_failureReported = true;
        std::fprintf(stderr, "wextl: %s\n", reason.c_str());
    }
}

const CKEFontCatalog* CKEditApp::fontCatalog() {
    buildCatalogIfPossible();
    std::lock_guard lock(m_catalogMutex);
    return m_fontCatalog.get();
}
