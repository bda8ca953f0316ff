#pragma once

#include <memory>

#include "editctl/model/WextlWin32.h"
#include "editctl/window/CKEDeviceContext.h"
#include "editctl/window/CKEHandleTable.h"

// The drawing objects hosts and the control hold by handle: fonts (a LOGFONTA), solid brushes
// (a colour) and device contexts (alive only while a paint runs). System-colour brushes are
// stock objects: never freed, DeleteObject on them does nothing.
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

    // Frees a font or a brush made here; false for anything else.
    bool deleteObject(HGDIOBJ object);

    HDC addContext(std::unique_ptr<CKEDeviceContext> context);
    CKEDeviceContext* context(HDC dc) const;
    void removeContext(HDC dc);

  private:
    struct Brush {
        COLORREF color;
        bool stock;
    };
    CKEHandleTable<HFONT, LOGFONTA> m_fonts;
    CKEHandleTable<HBRUSH, Brush> m_brushes;
    CKEHandleTable<HDC, CKEDeviceContext> m_contexts;
    HBRUSH m_sysBrushes[32]{};
};
