// Parts of the window system that hosts meet through Win32's rules: scroll bar clamping,
// menus by position and by command, timers on a clock, drawing-object handles.
#include <gtest/gtest.h>

#include <cstdlib>

#include "editctl/control/KEResources.h"
#include "editctl/window/CKEGdiObjects.h"
#include "editctl/window/CKEScrollBar.h"
#include "editctl/window/CKETimerList.h"
#include "editctl/window/KEScrollBarGeometry.h"

namespace {

TEST(ScrollBar, PageAndPositionAreHeldWithinTheRange) {
    CKEScrollBar bar;
    EXPECT_EQ(bar.set({sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 95, 0}), 81);
    EXPECT_TRUE(bar.enabled());
    EXPECT_EQ(bar.set({sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, -5, 0}), 0);
    bar.set({sizeof(SCROLLINFO), SIF_PAGE, 0, 0, 500, 0, 0});
    EXPECT_EQ(bar.all().nPage, 101u);  // never more than the range
    EXPECT_FALSE(bar.enabled());
    bar.set({sizeof(SCROLLINFO), SIF_RANGE, 10, 5, 0, 0, 0});
    EXPECT_EQ(bar.all().nMax, 10);  // an upside-down range collapses
}

TEST(ContextMenu, ItemsAreFoundByPositionOrCommand) {
    std::unique_ptr<CKEMenu> menu = KELoadContextMenu();
    CKEMenu* popup = menu->subMenu(0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->items().size(), 10u);
    EXPECT_TRUE(popup->deleteItem(8, MF_BYPOSITION));
    EXPECT_TRUE(popup->deleteItem(KEDIT_CMD_CHARFONT, MF_BYCOMMAND));
    EXPECT_FALSE(popup->deleteItem(KEDIT_CMD_CHARFONT, MF_BYCOMMAND));
    EXPECT_EQ(popup->items().size(), 8u);
    EXPECT_EQ(popup->enableItem(KEDIT_CMD_CUT, MF_GRAYED), 0);
    EXPECT_EQ(popup->enableItem(KEDIT_CMD_CUT, MF_ENABLED), static_cast<int>(MF_GRAYED));
    EXPECT_EQ(popup->enableItem(99, MF_GRAYED), -1);
    EXPECT_EQ(popup->enableItem(1, MF_BYPOSITION | MF_GRAYED), 0);  // a separator by position
    EXPECT_EQ(menu->subMenu(1), nullptr);
    // A window's copy is its own.
    std::unique_ptr<CKEMenu> copy = KELoadContextMenu()->clone();
    EXPECT_EQ(copy->subMenu(0)->items().size(), 10u);
}

TEST(Timers, DueTimersComeOneAtATimeAndAreRescheduled) {
    CKETimerList timers;
    HWND a = reinterpret_cast<HWND>(0x10004);
    timers.set(a, 1, 100, nullptr, 0);
    timers.set(a, 2, 5, nullptr, 0);  // held to 10 ms
    EXPECT_EQ(*timers.nextDue(), 10u);
    EXPECT_FALSE(timers.takeDue(9));
    EXPECT_EQ(timers.takeDue(1000)->id, 2u);  // the earliest first, once for all it missed
    EXPECT_EQ(timers.takeDue(1000)->id, 1u);
    EXPECT_FALSE(timers.takeDue(1000));
    EXPECT_TRUE(timers.kill(a, 1));
    EXPECT_FALSE(timers.kill(a, 1));
    timers.killAll(a);
    EXPECT_FALSE(timers.nextDue());
}

TEST(DrawingObjects, StaleAndMadeUpHandlesAreRefused) {
    CKEGdiObjects gdi;
    LOGFONTA font{};
    font.lfHeight = -12;
    HFONT handle = gdi.createFont(font);
    ASSERT_NE(gdi.logFont(handle), nullptr);
    EXPECT_EQ(gdi.logFont(handle)->lfHeight, -12);
    EXPECT_TRUE(gdi.deleteObject(handle));
    EXPECT_EQ(gdi.logFont(handle), nullptr);
    EXPECT_FALSE(gdi.deleteObject(handle));
    EXPECT_EQ(gdi.logFont(reinterpret_cast<HFONT>(0x1234)), nullptr);
    HBRUSH stock = gdi.sysColorBrush(COLOR_WINDOW, 0xFFFFFF);
    EXPECT_TRUE(gdi.deleteObject(stock));  // accepted, but a stock brush stays
    COLORREF color = 0;
    EXPECT_TRUE(gdi.brushColor(stock, color));
    EXPECT_EQ(color, 0xFFFFFFu);
    EXPECT_EQ(gdi.sysColorBrush(99, 0), nullptr);
    EXPECT_FALSE(gdi.brushColor(reinterpret_cast<HBRUSH>(handle), color));
}

}  // namespace

TEST(ScrollBarGeometry, PartsAndThumbPositionsAgree) {
    // A range of 0..199 with a page of 50: 151 positions for the thumb.
    const SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 199, 50, 0, 0};
    const KEScrollBarGeometry top = KEScrollBarGeometry::of(info, true, 16, 216);
    EXPECT_EQ(top.arrow, 16);
    EXPECT_EQ(top.thumbHeight, 46);  // a quarter of the 184-pixel track
    EXPECT_EQ(top.hit(0), SB_LINEUP);
    EXPECT_EQ(top.hit(215), SB_LINEDOWN);
    EXPECT_EQ(top.hit(top.thumbTop + 1), SB_THUMBTRACK);
    EXPECT_EQ(top.hit(150), SB_PAGEDOWN);
    EXPECT_EQ(top.hit(216), -1);
    // A pixel stands for about 150 / 138 positions: dragging gets within that, and the ends
    // exactly.
    for (int pos = 0; pos <= 150; ++pos) {
        SCROLLINFO at = info;
        at.nPos = pos;
        const KEScrollBarGeometry g = KEScrollBarGeometry::of(at, true, 16, 216);
        const int back = g.positionAt(info, g.thumbTop);
        EXPECT_LE(std::abs(back - pos), 1) << pos;
        if (pos == 0 || pos == 150) {
            EXPECT_EQ(back, pos);
        }
    }
    EXPECT_EQ(top.positionAt(info, 10000), 150);  // held within the range
    // A disabled bar has arrows and no thumb; a press on its track does nothing.
    const KEScrollBarGeometry off = KEScrollBarGeometry::of(info, false, 16, 216);
    EXPECT_EQ(off.thumbHeight, 0);
    EXPECT_EQ(off.hit(100), -1);
}
