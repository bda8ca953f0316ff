#pragma once

#include <QFont>
#include <memory>
#include <unordered_map>
#include <vector>

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
    // A font's metrics with the advances asked for so far: a text is measured character by
    // character, and asking Qt for each one costs more than the rest of an edit.
    struct Measured {
        bool isDefault = false;
        LOGFONTA font{};
        std::unique_ptr<QFontMetrics> metrics;
        int height = 0;
        std::unordered_map<char16_t, int> advances;
    };
    Measured* measuredFor(const LOGFONTA* logFont);

    // The fonts asked for most recently, the last one first: most characters use the
    // control's font, a few their own.
    static constexpr std::size_t kKeptFonts = 8;
    std::vector<std::unique_ptr<Measured>> m_fonts;
};
