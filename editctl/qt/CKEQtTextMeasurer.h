#pragma once

#include <QFont>
#include <memory>

#include "editctl/model/IKEditHost.h"

class QFontMetrics;

// Measures characters for a KEDIT window with Qt's font metrics. A window's host forwards
// IKEditHost::fontMetrics and charExtent here. Without a QGuiApplication every measure is 0.
class CKEQtTextMeasurer {
  public:
    CKEQtTextMeasurer();
    ~CKEQtTextMeasurer();
    CKEQtTextMeasurer(const CKEQtTextMeasurer&) = delete;
    CKEQtTextMeasurer& operator=(const CKEQtTextMeasurer&) = delete;

    // The Qt font for a LOGFONTA (null: the application's default font).
    static QFont fontFor(const LOGFONTA* logFont);

    KEFontMetrics fontMetrics(HFONT font);
    // The same for a LOGFONTA (null: the default font).
    KEFontMetrics metricsOf(const LOGFONTA* logFont);
    SIZE extentOf(const LOGFONTA* logFont, char16_t ch);
    SIZE charExtent(HFONT font, const LOGFONTA* faceFont, char16_t ch);

  private:
    const QFontMetrics* metricsFor(const LOGFONTA* logFont);

    // The metrics of the last font asked for: most characters use the control's font.
    bool m_hasLast = false;
    LOGFONTA m_lastFont{};
    bool m_lastDefault = false;
    std::unique_ptr<QFontMetrics> m_lastMetrics;
};
