#include "editctl/api/CKEditApp.h"

#include "editctl/qt/CKEQtFontEnumerator.h"
#include "editctl/window/KEditWindowProc.h"

namespace {

// Made when the library is loaded, destroyed when it is unloaded.
CKEditApp theApp;

}  // namespace

CKEditApp& CKEditApp::instance() { return theApp; }

CKEditApp::CKEditApp() {
    KEWindowClass kedit;
    kedit.style = CS_DBLCLKS | CS_PARENTDC | CS_GLOBALCLASS;
    kedit.windowProc = &KEditWindowProc;
    kedit.classExtra = 0;
    kedit.windowExtra = 4;
    kedit.cursor = IDC_IBEAM;
    kedit.background = COLOR_WINDOW + 1;
    kedit.className = "KEDIT";
    m_initialised = m_classes.registerClass(kedit);
    buildCatalogIfPossible();
}

CKEditApp::~CKEditApp() {
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

const CKEFontCatalog* CKEditApp::fontCatalog() {
    buildCatalogIfPossible();
    std::lock_guard lock(m_catalogMutex);
    return m_fontCatalog.get();
}
