#pragma once

#include <functional>

#include "editctl/model/IKEditHost.h"
#include "editctl/qt/CKEQtTextMeasurer.h"

// The measuring half of a KEDIT window's host on Qt: text measured with QFontMetrics, face
// names found in the library's font catalogue. The window layer adds style, client
// rectangle, notifications and the drawing hooks.
class CKEQtEditHost : public IKEditHost {
  public:
    // `catalog` gives the process-wide catalogue (null while there is none).
    explicit CKEQtEditHost(std::function<const CKEFontCatalog*()> catalog);

    KEFontMetrics fontMetrics(HFONT font) override;
    SIZE charExtent(HFONT font, const LOGFONTA* faceFont, char16_t ch) override;
    const CKEFontCatalog* fontCatalog() const override;

  private:
    std::function<const CKEFontCatalog*()> m_catalog;
    CKEQtTextMeasurer m_measurer;
};
