#pragma once

#include "editctl/model/IKEditHost.h"

class CKEditWindowData;
class CKEWindowSystem;

// The edit state's view of its window: style and client rectangle from the window system,
// measuring through the platform (font handles resolved in the drawing-object table),
// notifications to the parent, and the caret, scroll and invalidation hooks of the control.
class CKEditWindowHost : public IKEditHost {
  public:
    CKEditWindowHost(CKEWindowSystem& system, HWND hwnd, CKEditWindowData& data);

    DWORD style() const override;
    DWORD exStyle() const override;
    RECT clientRect() const override;
    KEFontMetrics fontMetrics(HFONT font) override;
    SIZE charExtent(HFONT font, const LOGFONTA* faceFont, char16_t ch) override;
    const CKEFontCatalog* fontCatalog() const override;
    void notifyParent(WORD code) override;
    void beep() override;
    void setWaitCursor(bool on) override;
    void updateScrollRange() override;
    void placeCaret() override;
    void invalidate() override;

  private:
    CKEWindowSystem& m_system;
    HWND m_hwnd;
    CKEditWindowData& m_data;
};
