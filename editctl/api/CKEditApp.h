#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "editctl/model/CKEClassRegistry.h"
#include "editctl/model/CKEFontCatalog.h"
#include "editctl/qt/CKEQtPlatform.h"
#include "editctl/window/CKEWindowSystem.h"

// The library's application object: one per process, made when the library is loaded and
// destroyed when it is unloaded. It registers the KEDIT class and owns the font catalogue.
//
// The catalogue comes from Qt's font database, which needs a QGuiApplication. If the host
// has one when it loads the library, the catalogue is built during the load; otherwise it is
// built on first use once a QGuiApplication exists. It is built once and never refreshed;
// without a QGuiApplication it stays empty and every character uses the control's font.
class CKEditApp {
  public:
    CKEditApp();
    ~CKEditApp();
    CKEditApp(const CKEditApp&) = delete;
    CKEditApp& operator=(const CKEditApp&) = delete;

    static CKEditApp& instance();

    // False if the class could not be registered.
    bool initialised() const { return m_initialised; }
    CKEClassRegistry& classes() { return m_classes; }
    // The catalogue, built now if it can be; null while it cannot.
    const CKEFontCatalog* fontCatalog();
    // The window system on Qt, made on first use (with a QApplication if the host has
    // none); null if it cannot be made.
    CKEWindowSystem* windows();
    // The window system if it has started (no QApplication is made for the asking).
    CKEWindowSystem* existingWindows() const { return m_windows.get(); }
    // Why windows() failed, empty while it has not.
    const std::string& failure() const { return m_failure; }
    // Fonts and brushes, which hosts may make before any window exists.
    CKEGdiObjects& gdi() { return m_gdi; }

  private:
    void buildCatalogIfPossible();
    // Keeps the reason and says it once on standard error: the host's loop sees only NULL.
    void reportFailure(const std::string& reason);

    CKEClassRegistry m_classes;
    CKEGdiObjects m_gdi;
    std::unique_ptr<CKEQtPlatform> m_platform;
    std::unique_ptr<CKEWindowSystem> m_windows;
    std::mutex m_catalogMutex;
    std::unique_ptr<CKEFontCatalog> m_fontCatalog;
    bool m_initialised = false;
    // The library made the QApplication itself; it lives until the process ends.
    bool m_ownsApplication = false;
    std::string m_failure;
    bool m_failureReported = false;
};
