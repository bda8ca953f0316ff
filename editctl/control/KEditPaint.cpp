#include "editctl/control/KEditPaint.h"

#include <algorithm>
#include <string>
#include <vector>

#include "editctl/control/CKEPaintCache.h"
#include "editctl/control/CKEditWindowData.h"
#include "editctl/model/CKEFontCatalog.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

bool Selected(const CKEditWindowData& data, std::int32_t col, std::int32_t row) {
    if (!data.m_hasSel) {
        return false;
    }
    KEPos first{data.m_anchorCol, data.m_anchorRow};
    KEPos second{data.m_selEndCol, data.m_selEndRow};
    if (second.row < first.row || (second.row == first.row && second.col < first.col)) {
        std::swap(first, second);
    }
    if (row < first.row || row > second.row) {
        return false;
    }
    if (first.row == second.row) {
        return col >= first.col && col < second.col;
    }
    if (row == first.row) {
        return col >= first.col;
    }
    return row < second.row || col < second.col;
}

}  // namespace

namespace {

// Everything the cells of a row show depends on, besides the cells themselves.
CKEPaintCache::Settings SettingsOf(const RECT& client, const RECT& deviceArea, int scrollX,
                                   int rowHeight, COLORREF base, const CKEDeviceContext& mem,
                                   const LOGFONTA* font, const void* catalog, COLORREF highlight,
                                   COLORREF highlightText) {
    CKEPaintCache::Settings settings;
    settings.client = client;
    settings.area = deviceArea;
    settings.scrollX = scrollX;
    settings.rowHeight = rowHeight;
    settings.base = base;
    settings.text = mem.textColor;
    settings.back = mem.backColor;
    settings.backMode = mem.backMode;
    settings.hasFont = font != nullptr;
    if (font != nullptr) {
        settings.font = *font;
    }
    settings.catalog = catalog;
    settings.highlight = highlight;
    settings.highlightText = highlightText;
    return settings;
}

}  // namespace

LRESULT KEDIT_WM_Paint(CKEditWindowData& data) {
    CKEWindowSystem& system = data.system();
    const HWND hwnd = data.hwnd();
    PAINTSTRUCT ps{};
    const HDC dc = system.beginPaint(hwnd, ps);
    CKEDeviceContext* target = system.gdi().context(dc);
    if (target == nullptr || target->surface == nullptr) {
        system.endPaint(hwnd, ps);
        return 0;
    }
    RECT client{};
    system.getClientRect(hwnd, client);
    // The off-screen buffer is kept between paints (a new one for a new size), and only the
    // rows whose cells changed are drawn again (CKEPaintCache). It is taken out while in use,
    // so that a paint from inside this one makes its own.
    std::unique_ptr<IKESurface> buffer = std::move(data.m_paintBuffer);
    bool newBuffer = false;
    if (!buffer || buffer->width() != std::max<LONG>(client.right, 1) ||
        buffer->height() != std::max<LONG>(client.bottom, 1)) {
        buffer = system.platform().createSurface(client.right, client.bottom);
        newBuffer = true;
    }
    if (!buffer) {
        system.endPaint(hwnd, ps);
        return 0;
    }
    // The off-screen context: the parent colours it through WM_CTLCOLOREDIT.
    auto memory = std::make_unique<CKEDeviceContext>(*target);
    memory->surface = buffer.get();
    memory->origin = POINT{data.m_scrollX, data.m_scrollY};
    memory->font = data.m_font;
    const HDC memoryDc = system.gdi().addContext(std::move(memory));
    CKEDeviceContext& mem = *system.gdi().context(memoryDc);

    const DWORD style = static_cast<DWORD>(system.getWindowLongPtr(hwnd, GWL_STYLE));
    IKEPlatform& platform = system.platform();
    COLORREF base = RGB(255, 255, 255);  // a new surface's white
    if ((style & WS_DISABLED) != 0) {
        base = platform.sysColor(COLOR_BTNFACE);
    } else if (const HWND parent = system.getParent(hwnd)) {
        const auto brush = reinterpret_cast<HBRUSH>(
            system.sendMessage(parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(memoryDc),
                               reinterpret_cast<LPARAM>(hwnd)));
        COLORREF color = 0;
        if (brush != nullptr && system.gdi().brushColor(brush, color)) {
            base = color;
        }
    }
    // The parent may have destroyed the control while it chose the colours.
    if (!data.alive()) {
        system.gdi().removeContext(memoryDc);
        system.endPaint(hwnd, ps);
        return 0;
    }

    const int h = std::max(data.rowHeight(), 1);
    const RECT area = data.textRect();
    const bool focused = system.getFocus() == hwnd;
    const LOGFONTA* controlFont = system.gdi().logFont(data.m_font);
    const CKEFontCatalog* catalog = platform.fontCatalog();
    const LONG fontHeight = data.fontMetrics().height;
    const COLORREF highlightText = platform.sysColor(COLOR_HIGHLIGHTTEXT);
    const COLORREF highlight = platform.sysColor(COLOR_HIGHLIGHT);
    const auto rowCount = static_cast<std::int32_t>(data.m_rows.size());
    const auto originX = mem.origin.x;
    const auto originY = mem.origin.y;
    const RECT deviceArea{area.left - originX, area.top - originY, area.right - originX,
                          area.bottom - originY};
    CKEPaintCache& cache = data.m_paintCache;
    if (!cache.keep(SettingsOf(client, deviceArea, originX, h, base, mem, controlFont, catalog,
                               highlight, highlightText),
                    newBuffer)) {
        buffer->fillRect(client, base);
    }
    // A band is a row's place: the client's width by the row's height, within the text area.
    const auto clearBand = [&](int top) {
        buffer->fillRect(RECT{client.left, std::max<LONG>(top, deviceArea.top), client.right,
                              std::min<LONG>(top + h, deviceArea.bottom)},
                         base);
    };
    std::u16string runText;
    std::vector<std::int32_t> runAdvances;
    std::vector<std::uint64_t> cells;
    for (std::int32_t r = std::max(0, (data.m_marginY + data.m_scrollY) / h); r < rowCount; ++r) {
        const int y = data.m_marginY + r * h;
        if (y > area.bottom) {
            break;
        }
        const CKELine& row = *data.m_rows[static_cast<std::size_t>(r)];
        cells.clear();
        for (std::int32_t c = 0; c < row.m_count; ++c) {
            const auto index = static_cast<std::size_t>(row.m_start + c);
            const CKEChar& attr = data.m_chars[index];
            cells.push_back(CKEPaintCache::cell(data.m_text[index], attr.m_width, attr.m_face,
                                                focused && Selected(data, c, r)));
        }
        if (cache.unchanged(y - originY, cells)) {
            continue;
        }
        clearBand(y - originY);
        // A row is drawn in runs of characters that share a font and a selection state.
        int x = data.m_marginX;
        std::int32_t c = 0;
        while (c < row.m_count && x <= area.right) {
            const auto first = static_cast<std::size_t>(row.m_start + c);
            const CKEChar& attr = data.m_chars[first];
            const char16_t ch = data.m_text[first];
            if (ch == u'\r' || ch == u'\n') {
                x += attr.m_width;
                ++c;
                continue;
            }
            const bool selected = CKEPaintCache::selected(cells[static_cast<std::size_t>(c)]);
            const int runX = x;
            runText.clear();
            runAdvances.clear();
            while (c < row.m_count && x <= area.right) {
                const auto index = static_cast<std::size_t>(row.m_start + c);
                const CKEChar& next = data.m_chars[index];
                const char16_t nextCh = data.m_text[index];
                if (nextCh == u'\r' || nextCh == u'\n' || next.m_face != attr.m_face ||
                    CKEPaintCache::selected(cells[static_cast<std::size_t>(c)]) != selected) {
                    break;
                }
                runText.push_back(nextCh);
                runAdvances.push_back(next.m_width);
                x += next.m_width;
                ++c;
            }
            LOGFONTA face{};
            const LOGFONTA* font = controlFont;
            const char* faceName = data.faceName(attr);
            if (faceName != nullptr && catalog != nullptr && catalog->getLogFont(faceName, face)) {
                face.lfHeight = -fontHeight;
                face.lfWidth = 0;
                font = &face;
            }
            buffer->drawRun(runX - originX, y - originY, runText, runAdvances.data(), h, font,
                            deviceArea, selected ? highlightText : mem.textColor,
                            selected ? highlight : mem.backColor,
                            selected || mem.backMode == OPAQUE);
        }
    }
    for (const int top : cache.takeUnvisited()) {
        clearBand(top);  // rows that are gone
    }
    system.gdi().removeContext(memoryDc);
    target->surface->drawSurface(*buffer);
    system.endPaint(hwnd, ps);
    data.m_paintBuffer = std::move(buffer);
    return 0;
}
