// The KEDIT window driven the way a host drives it: messages in, results, text, caret,
// scroll information, painted pixels and the parent's notifications out.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "editctl/control/KEditWindowProc.h"
#include "editctl/model/KEAnsiCodePage.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

struct Notice {
    WORD id;
    WORD code;
};

std::vector<Notice>* g_notices = nullptr;
LRESULT g_defId = 0;
std::vector<WPARAM>* g_commands = nullptr;

LRESULT HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem& system = *CKEWindowSystem::current();
    if (message == WM_COMMAND) {
        if (lParam != 0 && g_notices != nullptr) {
            g_notices->push_back({LOWORD(wParam), HIWORD(wParam)});
        } else if (g_commands != nullptr) {
            g_commands->push_back(wParam);
        }
        return 0;
    }
    if (message == DM_GETDEFID) {
        return g_defId;
    }
    return system.defWindowProc(hwnd, message, wParam, lParam);
}

class KEditWindow : public ::testing::Test {
  protected:
    KEditWindow() : system(platform, classes) {
        KERegisterEditClass(classes);
        KEWindowClass host;
        host.windowProc = &HostProc;
        host.className = "Host";
        classes.registerClass(host);
        g_notices = &notices;
        g_commands = &commands;
        g_defId = 0;
        parent = system.createWindow(0, "Host", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, 0,
                                     nullptr);
        LOGFONTA font{};
        font.lfHeight = -16;
        font16 = system.gdi().createFont(font);
    }
    ~KEditWindow() override {
        g_notices = nullptr;
        g_commands = nullptr;
    }

    HWND make(DWORD style, int width = 200, int height = 100, DWORD exStyle = 0) {
        HWND edit = system.createWindow(exStyle, "KEDIT", "", WS_CHILD | WS_VISIBLE | style, 0, 0,
                                        width, height, parent, 7, nullptr);
        send(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font16), 1);
        return edit;
    }
    LRESULT send(HWND h, UINT m, WPARAM w = 0, LPARAM l = 0) {
        return system.sendMessage(h, m, w, l);
    }
    void key(HWND h, UINT vk) {
        send(h, WM_KEYDOWN, vk, 0);
        send(h, WM_KEYUP, vk, 0);
    }
    void type(HWND h, const std::string& bytes) {
        for (unsigned char b : bytes) {
            send(h, WM_CHAR, b, 0);
        }
    }
    std::u16string text(HWND h) {
        char16_t buffer[70000];
        const LRESULT n =
            send(h, KEM_GETTEXT, MAKEWPARAM(0xFFFF, 1), reinterpret_cast<LPARAM>(buffer));
        return std::u16string(buffer, static_cast<std::size_t>(n));
    }
    std::pair<int, int> sel(HWND h) {
        std::int32_t a = -1;
        std::int32_t b = -1;
        send(h, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
        return {a, b};
    }
    std::vector<WORD> codes() {
        std::vector<WORD> out;
        for (const Notice& n : notices) {
            out.push_back(n.code);
        }
        return out;
    }

    FakePlatform platform;
    CKEClassRegistry classes;
    CKEWindowSystem system;
    std::vector<Notice> notices;
    std::vector<WPARAM> commands;
    HWND parent = nullptr;
    HFONT font16 = nullptr;
};

// A single-line text with caret and anchor, edited as the keys and characters should.
struct ReferenceLine {
    std::u16string text;
    int caret = 0;
    int anchor = -1;  // -1: no selection

    void removeSelection() {
        if (anchor >= 0 && anchor != caret) {
            const int a = std::min(anchor, caret);
            text.erase(static_cast<std::size_t>(a),
                       static_cast<std::size_t>(std::abs(anchor - caret)));
            caret = a;
        }
        anchor = -1;
    }
    void move(int to, bool extend) {
        if (extend && anchor < 0) {
            anchor = caret;
        }
        if (!extend) {
            anchor = -1;
        }
        caret = std::clamp(to, 0, static_cast<int>(text.size()));
    }
};

TEST_F(KEditWindow, KeysAndCharactersEditTheTextLikeAReferenceLine) {
    HWND edit = make(ES_AUTOHSCROLL, 200, 24);
    ReferenceLine ref;
    std::mt19937 rng(12345);
    for (int step = 0; step < 3000; ++step) {
        const int action = static_cast<int>(rng() % 10);
        const bool shift = rng() % 3 == 0;
        if (shift) {
            send(edit, WM_KEYDOWN, VK_SHIFT, 0);
        }
        switch (action) {
            case 0:
            case 1:
            case 2: {
                const char c = static_cast<char>('a' + rng() % 26);
                if (ref.text.size() < 40) {
                    if (!shift) {
                        ref.removeSelection();
                        ref.text.insert(ref.text.begin() + ref.caret, static_cast<char16_t>(c));
                        ++ref.caret;
                        send(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
                    }
                }
                break;
            }
            case 3:
                if (!shift) {
                    if (ref.anchor >= 0 && ref.anchor != ref.caret) {
                        ref.removeSelection();
                    } else if (ref.caret > 0) {
                        ref.anchor = -1;
                        ref.text.erase(static_cast<std::size_t>(--ref.caret), 1);
                    }
                    send(edit, WM_CHAR, 8, 0);
                }
                break;
            case 4:
                if (!shift) {
                    if (ref.anchor >= 0 && ref.anchor != ref.caret) {
                        ref.removeSelection();
                    } else if (ref.caret < static_cast<int>(ref.text.size())) {
                        ref.anchor = -1;
                        ref.text.erase(static_cast<std::size_t>(ref.caret), 1);
                    }
                    send(edit, WM_KEYDOWN, VK_DELETE, 0);
                }
                break;
            case 5:
                ref.move(ref.caret - 1, shift);
                send(edit, WM_KEYDOWN, VK_LEFT, 0);
                break;
            case 6:
                ref.move(ref.caret + 1, shift);
                send(edit, WM_KEYDOWN, VK_RIGHT, 0);
                break;
            case 7:
                ref.move(0, shift);
                send(edit, WM_KEYDOWN, VK_HOME, 0);
                break;
            case 8:
                ref.move(static_cast<int>(ref.text.size()), shift);
                send(edit, WM_KEYDOWN, VK_END, 0);
                break;
            default: {
                const int a = static_cast<int>(rng() % 45);
                const int b = static_cast<int>(rng() % 45);
                send(edit, EM_SETSEL, static_cast<WPARAM>(a), b);
                const int n = static_cast<int>(ref.text.size());
                if (n > 0) {
                    ref.anchor = std::clamp(std::min(a, b), 0, n);
                    ref.caret = std::clamp(std::max(a, b), 0, n);
                }
                break;
            }
        }
        if (shift) {
            send(edit, WM_KEYUP, VK_SHIFT, 0);
        }
        ASSERT_EQ(text(edit), ref.text) << "step " << step << " action " << action << shift;
        const auto [first, end] = sel(edit);
        const bool hasSel = ref.anchor >= 0 && ref.anchor != ref.caret;
        ASSERT_EQ(first, hasSel ? std::min(ref.anchor, ref.caret) : ref.caret) << "step " << step;
        ASSERT_EQ(end, hasSel ? std::max(ref.anchor, ref.caret) : ref.caret) << "step " << step;
    }
}

TEST_F(KEditWindow, DoubleByteCharactersAreAssembledFromTwoBytes) {
    HWND edit = make(ES_AUTOHSCROLL);
    send(edit, WM_CHAR, 0x82, 0);
    EXPECT_EQ(text(edit), u"");  // a lone lead byte inserts nothing
    send(edit, WM_CHAR, 0xA0, 0);
    EXPECT_EQ(text(edit), u"あ");
    // A lead byte followed by a byte that cannot trail it: the lead byte is dropped.
    send(edit, WM_CHAR, 0x82, 0);
    send(edit, WM_CHAR, 0x20, 0);
    EXPECT_EQ(text(edit), u"あ ");
    type(edit, "\xb1");  // single-byte katakana
    EXPECT_EQ(text(edit), u"あ ｱ");
    EXPECT_EQ(send(edit, KEM_GETTEXTLENGTH, 0), 5);  // 2 + 1 + 1 bytes and the terminator
    EXPECT_EQ(send(edit, KEM_GETTEXTLENGTH, 1), 3);
    send(edit, WM_CHAR, 0x07, 0);  // a control code is not printable
    EXPECT_EQ(text(edit), u"あ ｱ");
}

TEST_F(KEditWindow, EnterTabAndEscGoToTheDialogParent) {
    HWND single = make(ES_AUTOHSCROLL);
    g_defId = MAKELONG(1, DC_HASDEFID);
    type(single, "ab\r");
    EXPECT_EQ(text(single), u"ab");
    EXPECT_EQ(commands, (std::vector<WPARAM>{1}));
    type(single, "\x1b");
    EXPECT_EQ(commands, (std::vector<WPARAM>{1, IDCANCEL}));

    HWND wants = make(ES_MULTILINE | ES_WANTRETURN);
    type(wants, "a\rb");
    EXPECT_EQ(text(wants), u"a\r\nb");

    HWND multi = make(ES_MULTILINE);
    type(multi, "a\r");
    EXPECT_EQ(text(multi), u"a");  // Enter without Ctrl goes to the default button
    send(multi, WM_KEYDOWN, VK_CONTROL, 0);
    type(multi, "\r");
    send(multi, WM_KEYUP, VK_CONTROL, 0);
    EXPECT_EQ(text(multi), u"a\r\n");
}

TEST_F(KEditWindow, UndoTakesBackARunOfTypingOrOfDeleting) {
    HWND edit = make(ES_AUTOHSCROLL);
    type(edit, "abc");
    EXPECT_EQ(send(edit, EM_CANUNDO), 1);
    EXPECT_EQ(send(edit, EM_UNDO), 1);
    EXPECT_EQ(text(edit), u"");
    send(edit, EM_UNDO);
    EXPECT_EQ(text(edit), u"abc");

    type(edit, "d\b\b");
    EXPECT_EQ(text(edit), u"ab");
    send(edit, WM_SYSKEYDOWN, VK_MENU, 0);
    send(edit, WM_SYSKEYDOWN, VK_BACK, 0);  // Alt+Backspace
    send(edit, WM_SYSKEYUP, VK_MENU, 0);
    EXPECT_EQ(text(edit), u"abcd");
}

TEST_F(KEditWindow, EditsAnnounceUpdateThenChangeAndSetTextIsSilent) {
    HWND edit = make(ES_AUTOHSCROLL);
    notices.clear();
    type(edit, "a");
    EXPECT_EQ(codes(), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(notices[0].id, 7);
    EXPECT_GE(platform.peers[edit]->immediateRepaints, 1);
    notices.clear();
    type(edit, "\b\b");  // the second Backspace deletes nothing and announces nothing
    EXPECT_EQ(codes(), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
    notices.clear();
    EXPECT_EQ(send(edit, KEM_SETTEXT, 0, reinterpret_cast<LPARAM>("xyz")), 1);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(text(edit), u"xyz");
    EXPECT_EQ(send(edit, EM_GETMODIFY), 1);

    send(edit, EM_LIMITTEXT, 4);
    notices.clear();
    type(edit, "12");
    EXPECT_EQ(text(edit), u"1xyz");  // setting the text put the caret at the start
    EXPECT_EQ(codes(), (std::vector<WORD>{EN_UPDATE, EN_CHANGE, EN_MAXTEXT}));
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(KEditWindow, SelectionMessagesHoldPositionsWithinTheText) {
    HWND edit = make(ES_AUTOHSCROLL);
    send(edit, KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(u"abcdef"));
    send(edit, EM_SETSEL, 5, 2);
    EXPECT_EQ(sel(edit), (std::pair<int, int>{2, 5}));
    EXPECT_EQ(send(edit, EM_GETSEL, 0, 0), MAKELONG(2, 5));  // null pointers are skipped
    send(edit, EM_SETSEL, 3, 1000);
    EXPECT_EQ(sel(edit), (std::pair<int, int>{3, 6}));
    // Negative positions other than the -1 forms are the end of the text, as in Win32.
    send(edit, EM_SETSEL, static_cast<WPARAM>(-7), 2);
    EXPECT_EQ(sel(edit), (std::pair<int, int>{2, 6}));
    send(edit, EM_SETSEL, 3, -1);
    EXPECT_EQ(sel(edit), (std::pair<int, int>{3, 6}));
    send(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(sel(edit), (std::pair<int, int>{0, 6}));
    send(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(sel(edit), (std::pair<int, int>{6, 6}));

    HWND empty = make(ES_AUTOHSCROLL);
    send(empty, EM_SETSEL, 2, 5);
    EXPECT_EQ(sel(empty), (std::pair<int, int>{0, 0}));
    type(empty, "\b");
    EXPECT_EQ(text(empty), u"");
}

TEST_F(KEditWindow, TextMessagesCheckTheHostsBuffers) {
    HWND edit = make(ES_AUTOHSCROLL);
    send(edit, KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(u"abcdef"));
    char16_t wide[8] = {u'#', u'#', u'#', u'#', u'#', u'#', u'#', u'#'};
    EXPECT_EQ(send(edit, KEM_GETTEXT, MAKEWPARAM(4, 1), reinterpret_cast<LPARAM>(wide)), 3);
    EXPECT_EQ(std::u16string(wide, 5), std::u16string(u"abc\0#", 5));
    EXPECT_EQ(send(edit, KEM_GETTEXT, MAKEWPARAM(0, 1), reinterpret_cast<LPARAM>(wide)), 0);
    EXPECT_EQ(wide[0], u'a');
    EXPECT_EQ(send(edit, KEM_GETTEXT, MAKEWPARAM(8, 0), 0), 0);
    EXPECT_EQ(send(edit, KEM_SETTEXT, 0, 0), 0);
    EXPECT_EQ(text(edit), u"abcdef");

    send(edit, KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(u"日本"));
    char ansi[8];
    EXPECT_EQ(send(edit, KEM_GETTEXT, MAKEWPARAM(8, 0), reinterpret_cast<LPARAM>(ansi)), 5);
    EXPECT_STREQ(ansi, "\x93\xfa\x96\x7b");
    EXPECT_EQ(send(edit, KEM_GETTEXT, MAKEWPARAM(4, 0), reinterpret_cast<LPARAM>(ansi)), 0);
    EXPECT_EQ(ansi[0], 0);  // zeroed, nothing half written
    char plain[16];
    EXPECT_EQ(send(edit, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(plain)), 0);  // not the text
}

TEST_F(KEditWindow, DestroyedAndMadeUpHandlesAnswerZero) {
    HWND edit = make(ES_AUTOHSCROLL);
    type(edit, "ab");
    EXPECT_TRUE(system.destroyWindow(edit));
    EXPECT_EQ(send(edit, KEM_GETTEXTLENGTH, 1), 0);
    EXPECT_FALSE(system.postMessage(edit, WM_CHAR, 'a', 0));
    EXPECT_EQ(send(reinterpret_cast<HWND>(0x12345), KEM_GETTEXTLENGTH, 1), 0);
    EXPECT_EQ(system.setFocus(edit), nullptr);
    EXPECT_EQ(system.getWindowLongPtr(edit, GWL_STYLE), 0);
    EXPECT_FALSE(system.destroyWindow(edit));
    // Children go with their parent.
    HWND child = make(ES_AUTOHSCROLL);
    system.destroyWindow(parent);
    EXPECT_FALSE(system.isWindow(child));
}

TEST_F(KEditWindow, MarginsCaretAndVerticalScrolling) {
    HWND edit = make(ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_BORDER | WS_VSCROLL, 200,
                     54);  // client 182 x 52: text area 48 high, three rows of 16
    system.setFocus(edit);
    POINT caret{};
    ASSERT_TRUE(system.getCaretPos(caret));
    EXPECT_EQ(caret.x, 4);
    EXPECT_EQ(caret.y, 2);
    EXPECT_TRUE(platform.peers[edit]->caretVisible);
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    type(edit, "a\rb");
    system.getScrollInfo(edit, SB_VERT, info);
    EXPECT_EQ(info.nMax, 0);  // two rows: range 0 to 0
    EXPECT_FALSE(platform.peers[edit]->barEnabled);
    type(edit, "\rc");
    system.getCaretPos(caret);
    EXPECT_EQ(caret.y, 2 + 32);  // three rows fit: no scrolling
    type(edit, "\rd");
    system.getCaretPos(caret);
    EXPECT_EQ(caret.y, 2 + 32);  // one row below the view scrolls by exactly one row
    system.getScrollInfo(edit, SB_VERT, info);
    EXPECT_EQ(info.nMax, 32);
    EXPECT_EQ(info.nPage, 32u);
    EXPECT_EQ(info.nPos, 1);  // held by the bar to max - (page - 1)
    send(edit, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0));
    system.getCaretPos(caret);
    EXPECT_EQ(caret.y, 2 + 32);  // dragging the thumb moves nothing
    send(edit, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0));
    system.getCaretPos(caret);
    EXPECT_EQ(caret.y, 2 + 48);  // the caret moved down with the text
    EXPECT_FALSE(platform.peers[edit]->caretVisible);
    key(edit, VK_PRIOR);
    key(edit, VK_UP);
    system.getScrollInfo(edit, SB_VERT, info);
    EXPECT_EQ(info.nPos, 0);
}

TEST_F(KEditWindow, SelectionIsPaintedHighlightedOnlyWithTheFocus) {
    HWND edit = make(ES_AUTOHSCROLL, 100, 20);
    send(edit, KEM_SETTEXT, 0, reinterpret_cast<LPARAM>("ab"));
    send(edit, EM_SETSEL, 0, 1);
    std::vector<std::uint32_t> pixels(100 * 20);
    ASSERT_TRUE(system.printWindow(edit, pixels.data(), 100, 20, 400));
    EXPECT_EQ(pixels[1 * 100 + 0], 0xFFFFFFFFu);  // background of the window colour
    EXPECT_EQ(pixels[5 * 100 + 3], 0xFF000000u);  // text colour, no highlight
    system.setFocus(edit);
    ASSERT_TRUE(system.printWindow(edit, pixels.data(), 100, 20, 400));
    EXPECT_EQ(pixels[1 * 100 + 0], 0xFF0000C8u);  // highlight behind the selected 'a'
    EXPECT_EQ(pixels[1 * 100 + 8], 0xFFFFFFFFu);  // 'b' is not selected
    EXPECT_FALSE(system.printWindow(edit, nullptr, 100, 20, 400));
    EXPECT_FALSE(system.printWindow(edit, pixels.data(), 100, 20, 399));
}

TEST_F(KEditWindow, KeyStateFollowsKeyMessagesAndTimersComeDue) {
    HWND edit = make(ES_AUTOHSCROLL);
    EXPECT_EQ(system.getKeyState(VK_SHIFT) & 0x8000, 0);
    send(edit, WM_KEYDOWN, VK_LSHIFT, 0);
    EXPECT_NE(system.getKeyState(VK_SHIFT) & 0x8000, 0);
    send(edit, WM_KEYUP, VK_LSHIFT, 0);
    EXPECT_EQ(system.getKeyState(VK_SHIFT) & 0x8000, 0);

    system.setTimer(parent, 5, 100);
    system.postMessage(edit, WM_CHAR, 'q', 0);
    EXPECT_EQ(system.pumpMessages(0), 1);  // the timer is not due yet
    EXPECT_EQ(text(edit), u"q");
    platform.fakeClock.now += 100;
    MSG msg{};
    ASSERT_TRUE(system.peekMessage(msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(msg.wParam, 5u);
    system.postQuitMessage(3);
    EXPECT_EQ(system.getMessage(msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.wParam, 3u);
}

int g_timerCalls = 0;
void CountingTimerProc(HWND, UINT, UINT_PTR, DWORD) { ++g_timerCalls; }

TEST_F(KEditWindow, TimersKeepTheFilterTheRemoveFlagAndTheirCallback) {
    HWND edit = make(ES_AUTOHSCROLL);
    system.setTimer(parent, 5, 100);
    platform.fakeClock.now += 100;
    MSG msg{};
    // A peek for another window does not find the parent's timer.
    EXPECT_FALSE(system.peekMessage(msg, edit, 0, 0, PM_REMOVE));
    // PM_NOREMOVE leaves it due: the next peek sees it again, and only PM_REMOVE takes it.
    ASSERT_TRUE(system.peekMessage(msg, parent, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    ASSERT_TRUE(system.peekMessage(msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_FALSE(system.peekMessage(msg, nullptr, 0, 0, PM_REMOVE));
    system.killTimer(parent, 5);
    // A timer of no window gets an id of its own and calls its procedure when dispatched.
    g_timerCalls = 0;
    const UINT_PTR id = system.setTimer(nullptr, 0, 10, &CountingTimerProc);
    EXPECT_NE(id, 0u);
    EXPECT_NE(system.setTimer(nullptr, 0, 10, &CountingTimerProc), id);
    platform.fakeClock.now += 10;
    while (system.pumpMessages(0) > 0) {
    }
    EXPECT_EQ(g_timerCalls, 2);
}

TEST_F(KEditWindow, HostTextIsCleanedAsPastedTextIs) {
    HWND edit = make(ES_AUTOHSCROLL);
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    ASSERT_EQ(send(edit, KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(lone)), 1);
    EXPECT_EQ(text(edit), u"a\uFFFDb\uFFFD");
    // Converted to the code page, a lone high surrogate is one default character and the
    // character after it stays.
    EXPECT_EQ(keansi::FromUtf16(std::u16string_view(lone, 3)), "a?b");
}

}  // namespace
