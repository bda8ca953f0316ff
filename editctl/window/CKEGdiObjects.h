#pragma once

#include <memory>
#include <vector>

#include "editctl/model/WextlWin32.h"
#include "editctl/window/CKEDeviceContext.h"
#include "editctl/window/CKEHandleTable.h"

// The drawing objects hosts and the control hold by handle: fonts (a LOGFONTA), solid brushes
// (a colour) and device contexts (alive only while a paint runs). System-colour brushes and
// GetStockObject's brushes and fonts are stock objects: never freed, DeleteObject on them
// does nothing.
class CKEGdiObjects {
  public:
    CKEGdiObjects();

    HFONT createFont(const LOGFONTA& logFont);
    // The font's LOGFONTA, or null for a null, stale or made-up handle.
    const LOGFONTA* logFont(HFONT font) const;

    HBRUSH createSolidBrush(COLORREF color);
    HBRUSH sysColorBrush(int index, COLORREF color);
    // The brush's colour, or false for a handle that is no brush.
    bool brushColor(HBRUSH brush, COLORREF& color) const;

    // GetStockObject: the stock brush or font of that index (made on first use), or null for
    // an index without one (pens and palettes are not kept). NULL_BRUSH paints nothing.
    HGDIOBJ stockObject(int index);
    bool isFont(HGDIOBJ object) const {
        return m_fonts.find(static_cast<HFONT>(object)) != nullptr;
    }
    bool isBrush(HGDIOBJ object) const {
        return m_brushes.find(static_cast<HBRUSH>(object)) != nullptr;
    }

    // Frees a font or a brush made here; false for anything else.
    bool deleteObject(HGDIOBJ object);

    HDC addContext(std::unique_ptr<CKEDeviceContext> context);
    CKEDeviceContext* context(HDC dc) const;
    void removeContext(HDC dc);

  private:
    struct Brush {
        COLORREF color;
        bool stock;
        bool hollow = false;  // NULL_BRUSH: no colour
    };
    CKEHandleTable<HFONT, LOGFONTA> m_fonts{0x1000'0000};
    CKEHandleTable<HBRUSH, Brush> m_brushes{0x2000'0000};
    CKEHandleTable<HDC, CKEDeviceContext> m_contexts{0x3000'0000};
    HBRUSH m_sysBrushes[32]{};
    HGDIOBJ m_stockObjects[DEFAULT_GUI_FONT + 1]{};
    std::vector<HFONT> m_stockFonts;
};
