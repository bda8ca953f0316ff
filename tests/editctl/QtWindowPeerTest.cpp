// The Qt peer does what a desktop user does, on the offscreen platform: the scroll bar's
// arrows, track and thumb, the wheel, Shift+Tab, a popup's focus change, modifiers that Qt
// says are up, moves, and a window its host destroys from inside a Qt event.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "editctl/control/KEditWindowProc.h"
#include "editctl/model/CKEClassRegistry.h"
#include "editctl/qt/CKEQtPlatform.h"
#include "editctl/qt/CKEQtWindowWidget.h"
#include "editctl/window/CKEWindowSystem.h"
#include "editctl/window/KEMessageBoxLayout.h"

namespace {

struct Heard {
    UINT message;
    WPARAM wParam;
};
std::vector<Heard>* g_heard = nullptr;
WORD g_destroyOn = 0;

LRESULT HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem* system = CKEWindowSystem::current();
    if (g_heard != nullptr && (message == WM_COMMAND || message == WM_NEXTDLGCTL)) {
        g_heard->push_back(Heard{message, wParam});
    }
    if (message == WM_COMMAND && lParam != 0 && g_destroyOn != 0 && HIWORD(wParam) == g_destroyOn) {
        system->destroyWindow(reinterpret_cast<HWND>(lParam));
    }
    return system->defWindowProc(hwnd, message, wParam, lParam);
}

class QtPeer : public ::testing::Test {
  protected:
    QtPeer() : platform([] { return nullptr; }), system(platform, classes) {
        platform.setSystem(&system);
        g_heard = &heard;
        KEWindowClass host;
        host.windowProc = &HostProc;
        host.className = "Host";
        classes.registerClass(host);
        KERegisterEditClass(classes);
        parent =
            system.createWindow(0, "Host", "", WS_VISIBLE, 50, 60, 320, 240, nullptr, 0, nullptr);
    }
    ~QtPeer() override {
        g_heard = nullptr;
        g_destroyOn = 0;
    }

    HWND make(DWORD style, int height = 120) {
        HWND hwnd = system.createWindow(0, "KEDIT", "", WS_CHILD | WS_VISIBLE | style, 10, 10, 200,
                                        height, parent, 7, nullptr);
        QApplication::processEvents();
        return hwnd;
    }
    // Qt's own loop for a moment: a host that runs no Win32 loop gets its keys from here.
    static void runQtLoop() {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QWidget* widget(HWND hwnd) {
        CKEWindow* w = system.window(hwnd);
        return w != nullptr ? dynamic_cast<QWidget*>(w->peer.get()) : nullptr;
    }
    int scrollPos(HWND hwnd) {
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
        system.getScrollInfo(hwnd, SB_VERT, info);
        return info.nPos;
    }
    std::u16string text(HWND edit) {
        std::vector<char16_t> buffer(64);
        const auto n = system.sendMessage(edit, KEM_GETTEXT, MAKEWPARAM(64, 1),
                                          reinterpret_cast<LPARAM>(buffer.data()));
        return std::u16string(buffer.data(), static_cast<std::size_t>(n));
    }
    int count(UINT message, WORD code = 0) const {
        int n = 0;
        for (const Heard& h : heard) {
            n += h.message == message && (code == 0 || HIWORD(h.wParam) == code) ? 1 : 0;
        }
        return n;
    }

    CKEClassRegistry classes;
    CKEQtPlatform platform;
    CKEWindowSystem system;
    std::vector<Heard> heard;
    HWND parent = nullptr;
};

std::u16string Lines(int n) {
    std::u16string text;
    for (int i = 0; i < n; ++i) {
        text += u"line " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u"\r\n";
    }
    return text;
}

TEST_F(QtPeer, TheScrollBarsPartsAndTheWheelScroll) {
    HWND edit = make(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL);
    const std::u16string text = Lines(60);
    system.sendMessage(edit, KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(text.c_str()));
    QWidget* peer = widget(edit);
    ASSERT_NE(peer, nullptr);
    const int row = scrollPos(edit);  // 0 at the start
    const int barX = peer->width() - 8;
    // The down arrow: one row.
    QTest::mouseClick(peer, Qt::LeftButton, Qt::NoModifier, QPoint(barX, peer->height() - 5));
    const int oneRow = scrollPos(edit) - row;
    EXPECT_GT(oneRow, 0);
    // The track below the thumb: a page, more than a row.
    QTest::mouseClick(peer, Qt::LeftButton, Qt::NoModifier, QPoint(barX, peer->height() - 25));
    EXPECT_GT(scrollPos(edit) - row - oneRow, oneRow);
    // The up arrow goes back a row.
    const int beforeUp = scrollPos(edit);
    QTest::mouseClick(peer, Qt::LeftButton, Qt::NoModifier, QPoint(barX, 5));
    EXPECT_EQ(scrollPos(edit), beforeUp - oneRow);
    // Dragging the thumb to the bottom ends at the end of the range.
    system.sendMessage(edit, WM_VSCROLL, SB_THUMBPOSITION, 0);
    ASSERT_EQ(scrollPos(edit), 0);
    QTest::mousePress(peer, Qt::LeftButton, Qt::NoModifier, QPoint(barX, 24));
    QTest::mouseMove(peer, QPoint(barX, peer->height() - 2));
    QTest::mouseRelease(peer, Qt::LeftButton, Qt::NoModifier, QPoint(barX, peer->height() - 2));
    int min = 0;
    int max = 0;
    system.getScrollRange(edit, SB_VERT, min, max);
    EXPECT_GT(scrollPos(edit), max / 2);
    // A wheel notch towards the user scrolls three rows down.
    system.sendMessage(edit, WM_VSCROLL, SB_THUMBPOSITION, 0);
    const QPointF at(20, 20);
    QWheelEvent wheel(at, peer->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(peer, &wheel);
    EXPECT_EQ(scrollPos(edit), 3 * oneRow);
    // A click in the text is no scroll.
    QTest::mouseClick(peer, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_EQ(scrollPos(edit), 3 * oneRow);
}

TEST_F(QtPeer, ShiftTabAndAPopupsFocusChange) {
    HWND edit = make(ES_MULTILINE);
    QWidget* peer = widget(edit);
    system.setFocus(edit);
    QTest::keyClick(peer, Qt::Key_Backtab, Qt::ShiftModifier);
    runQtLoop();
    ASSERT_EQ(count(WM_NEXTDLGCTL), 1);
    EXPECT_EQ(heard.back().wParam, 1u);  // backwards
    heard.clear();
    // A menu taking the keyboard is no loss of focus, and giving it back no new focus.
    QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(peer, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(peer, &in);
    EXPECT_EQ(count(WM_COMMAND, EN_KILLFOCUS), 0);
    EXPECT_EQ(count(WM_COMMAND, EN_SETFOCUS), 0);
    EXPECT_EQ(system.getFocus(), edit);
}

TEST_F(QtPeer, ModifiersFollowWhatQtSaysIsHeld) {
    HWND edit = make(ES_MULTILINE);
    QWidget* peer = widget(edit);
    system.setFocus(edit);
    QTest::keyClick(peer, Qt::Key_A);
    runQtLoop();
    // A Ctrl press whose release the window manager took.
    system.sendMessage(edit, WM_KEYDOWN, VK_CONTROL, 0);
    QTest::keyClick(peer, Qt::Key_Z);  // no modifier: a typed z, not an undo
    runQtLoop();
    EXPECT_EQ(text(edit), u"az");
    EXPECT_EQ(system.getKeyState(VK_CONTROL) & 0x8000, 0);
}

TEST_F(QtPeer, KeysWaitInTheQueueForTheHostsOwnLoop) {
    HWND edit = make(ES_MULTILINE);
    QWidget* peer = widget(edit);
    system.setFocus(edit);
    QTest::keyClick(peer, Qt::Key_A);
    EXPECT_EQ(text(edit), u"");  // queued, not sent
    // The host's loop takes the key; Qt's events run inside its PeekMessage, and the library
    // leaves the queue to it.
    std::vector<UINT> taken;
    MSG msg{};
    while (system.peekMessage(msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_KEYDOWN && msg.wParam == 'A') {
            EXPECT_EQ(msg.hwnd, edit);
            EXPECT_EQ(msg.lParam & 0xFFFF, 1);  // a repeat count of one
        }
        taken.push_back(msg.message);
        system.translateMessage(msg);
        system.dispatchMessage(msg);
    }
    EXPECT_EQ(taken, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(text(edit), u"a");
}

TEST_F(QtPeer, QtsLoopDispatchesKeysAndTimersForAHostThatRunsNoLoop) {
    HWND edit = make(ES_MULTILINE);
    QWidget* peer = widget(edit);
    system.setFocus(edit);
    // A key Qt knows only by its text: the double-byte character reaches the control whole.
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("漢"));
    QApplication::sendEvent(peer, &press);
    QTest::keyClick(peer, Qt::Key_B);
    runQtLoop();
    EXPECT_EQ(text(edit), u"漢b");
    static int ticks = 0;
    ticks = 0;
    const UINT_PTR id =
        system.setTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR, DWORD) { ++ticks; });
    runQtLoop();
    system.killTimer(nullptr, id);
    EXPECT_GT(ticks, 0);
}

TEST_F(QtPeer, MessageBoxesShowJapaneseButtonsAndAnswerTheirIds) {
    QStringList shown;
    const auto press = [&shown](const QString& which) {
        QTimer::singleShot(0, [&shown, which] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown.clear();
            for (QAbstractButton* button : box->buttons()) {
                shown << button->text();
                if (button->text() == which) {
                    button->click();
                }
            }
            if (which == QStringLiteral("Esc")) {
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
    };
    press(QStringLiteral("いいえ(&N)"));
    EXPECT_EQ(platform.messageBox(parent, "削除しますか?", "確認",
                                  KEMessageBoxLayoutOf(MB_YESNO | MB_ICONQUESTION)),
              IDNO);
    EXPECT_TRUE(shown.contains(QStringLiteral("はい(&Y)")));
    press(QStringLiteral("Esc"));
    EXPECT_EQ(platform.messageBox(parent, "", "", KEMessageBoxLayoutOf(MB_OKCANCEL)), IDCANCEL);
    EXPECT_TRUE(shown.contains(QStringLiteral("キャンセル")));
}

TEST_F(QtPeer, ScreenPositionsFollowTheWindowWhenItMoves) {
    HWND edit = make(ES_MULTILINE);
    QWidget* top = widget(parent);
    top->move(140, 90);
    QApplication::processEvents();
    POINT origin{0, 0};
    ASSERT_TRUE(system.clientToScreen(parent, origin));
    const QPoint expected = top->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(origin.x, expected.x());
    EXPECT_EQ(origin.y, expected.y());
    POINT inEdit{0, 0};
    system.clientToScreen(edit, inEdit);
    const QPoint child = widget(edit)->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(inEdit.x, child.x());
    EXPECT_EQ(inEdit.y, child.y());
}

TEST_F(QtPeer, AHostMayDestroyTheControlFromATypedKey) {
    HWND edit = make(ES_MULTILINE);
    QPointer<QWidget> peer = widget(edit);
    system.setFocus(edit);
    g_destroyOn = EN_CHANGE;
    QTest::keyClick(peer.data(), Qt::Key_A);
    runQtLoop();
    EXPECT_FALSE(system.isWindow(edit));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(peer.isNull());
}

}  // namespace
