// The control's mouse, clipboard, input-method and context-menu paths, driven by messages as
// a host drives them, on the window system over a fake platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "FakeEditHost.h"
#include "FakePlatform.h"
#include "editctl/control/CKEUiHook.h"
#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditWindowProc.h"
#include "editctl/model/CKEClassRegistry.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

std::vector<WORD>* g_notes = nullptr;

LRESULT HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && g_notes != nullptr) {
        g_notes->push_back(HIWORD(wParam));
    }
    CKEWindowSystem* system = CKEWindowSystem::current();
    return system->defWindowProc(hwnd, message, wParam, lParam);
}

constexpr DWORD kMulti = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;

struct Control {
    explicit Control(DWORD style, int height = 96) {
        g_notes = &notes;
        KEWindowClass host;
        host.windowProc = &HostProc;
        host.className = "Host";
        classes.registerClass(host);
        KERegisterEditClass(classes);
        parent =
            system.createWindow(0, "Host", "", WS_VISIBLE, 0, 0, 300, 200, nullptr, 0, nullptr);
        edit = system.createWindow(0, "KEDIT", "", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, height,
                                   parent, 7, nullptr);
    }
    ~Control() { g_notes = nullptr; }

    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return system.sendMessage(edit, message, wParam, lParam);
    }
    void setText(const std::u16string& text) {
        ASSERT_EQ(send(KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(text.c_str())), 1);
    }
    std::u16string text() {
        std::vector<char16_t> buffer(70000);
        const auto n =
            send(KEM_GETTEXT, MAKEWPARAM(0xFFFF, 1), reinterpret_cast<LPARAM>(buffer.data()));
        return std::u16string(buffer.data(), static_cast<std::size_t>(n));
    }
    std::pair<DWORD, DWORD> selection() {
        DWORD first = 0;
        DWORD end = 0;
        send(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&end));
        return {first, end};
    }
    // Dispatches everything posted and due (the virtual clock stands still meanwhile).
    void pump() {
        while (system.pumpMessages(0) > 0) {
        }
    }
    void click(int x, int y, WPARAM keys = 0) {
        send(WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x, y));
        send(WM_LBUTTONUP, keys, MAKELPARAM(x, y));
    }
    int count(WORD code) const {
        return static_cast<int>(std::count(notes.begin(), notes.end(), code));
    }
    std::u16string clipboardUnicode() {
        const auto& block = platform.fakeClipboard.data.at(CF_UNICODETEXT);
        std::u16string out(block.size() / 2, u'\0');
        std::memcpy(out.data(), block.data(), out.size() * 2);
        return out;
    }

    FakePlatform platform{FakeWidths::EditHost};
    CKEClassRegistry classes;
    CKEWindowSystem system{platform, classes};
    HWND parent = nullptr;
    HWND edit = nullptr;
    std::vector<WORD> notes;
};

TEST(Mouse, ClicksShiftClicksAndDoubleClicks) {
    Control c(kMulti);
    c.setText(u"foo bar\r\nxy");
    c.click(9, 3);  // right half of 'f' ([0, 8))
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{1, 1}));
    EXPECT_EQ(c.system.getFocus(), c.edit);
    c.click(3, 3);  // left half
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{0, 0}));
    c.click(190, 3);  // right of the row: before its CR LF
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{7, 7}));
    c.click(9, 20, MK_SHIFT);  // extends from the old caret
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{7, 10}));
    c.click(0, 20);  // without Shift: cleared
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{9, 9}));
    c.click(-32768, -32768);
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{0, 0}));
    c.click(32767, 32767);
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{11, 11}));
    // Double click inside "foo": the word and the space after it.
    c.send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 3));
    c.send(WM_LBUTTONUP, 0, MAKELPARAM(12, 3));
    c.send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(12, 3));
    c.send(WM_LBUTTONUP, 0, MAKELPARAM(12, 3));
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{0, 4}));
    EXPECT_EQ(c.text(), u"foo bar\r\nxy");
    // Past the row's end there is no word: the caret stays, nothing is selected.
    c.send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(190, 3));
    c.send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(190, 3));
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{7, 7}));
    EXPECT_EQ(c.send(WM_COPY), 0);
    EXPECT_TRUE(c.platform.fakeClipboard.data.empty());
}

TEST(Mouse, DraggingBelowTheWindowScrollsARowPerTickWhileTheSelectionGrows) {
    Control c(kMulti, 48);  // three rows visible
    c.setText(u"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh");
    c.send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    EXPECT_EQ(c.system.getCapture(), c.edit);
    EXPECT_LT(c.system.getKeyState(VK_LBUTTON), 0);
    c.send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1, 60));  // below the client area
    const auto after = c.selection().second;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    c.system.getScrollInfo(c.edit, SB_VERT, info);
    EXPECT_EQ(info.nPos, 16);
    // The cursor stays below the window: every tick moves the caret one row further down.
    POINT below{1, 60};
    c.system.clientToScreen(c.edit, below);
    c.platform.cursor = below;
    std::vector<int> positions;
    for (int tick = 0; tick < 3; ++tick) {
        c.platform.fakeClock.now += 100;
        c.pump();
        c.system.getScrollInfo(c.edit, SB_VERT, info);
        positions.push_back(info.nPos);
    }
    EXPECT_EQ(positions, (std::vector<int>{32, 48, 64}));
    EXPECT_EQ(c.selection().first, 0U);
    EXPECT_GT(c.selection().second, after);
    // Ticks come only every 100 ms.
    c.platform.fakeClock.now += 50;
    c.pump();
    c.system.getScrollInfo(c.edit, SB_VERT, info);
    EXPECT_EQ(info.nPos, 64);
    // Release: the capture and the timer end; later ticks change nothing.
    c.send(WM_LBUTTONUP, 0, MAKELPARAM(1, 60));
    EXPECT_EQ(c.system.getCapture(), nullptr);
    const auto held = c.selection();
    c.platform.fakeClock.now += 300;
    c.pump();
    EXPECT_EQ(c.selection(), held);
    // A move without the capture does not select.
    c.send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1, 1));
    EXPECT_EQ(c.selection(), held);
}

TEST(Clipboard, CopyCutPasteAndClearWithBothFormats) {
    Control c(kMulti);
    c.setText(u"ab\u3042\u00e9");
    c.send(EM_SETSEL, 1, 4);
    c.send(WM_COPY);
    EXPECT_EQ(c.clipboardUnicode(), std::u16string(u"b\u3042\u00e9\0", 4));
    const auto& ansi = c.platform.fakeClipboard.data.at(CF_TEXT);
    ASSERT_EQ(ansi.size(), 8U);
    EXPECT_STREQ(reinterpret_cast<const char*>(ansi.data()), "b\x82\xa0?");

    // Cut: the text goes, no announce; undo brings it back.
    c.notes.clear();
    c.send(WM_CUT);
    EXPECT_EQ(c.text(), u"a");
    EXPECT_EQ(c.count(EN_CHANGE), 0);
    c.send(EM_UNDO);
    EXPECT_EQ(c.text(), u"ab\u3042\u00e9");

    // Paste with only CF_TEXT converts it from CP932; NULs end a block.
    c.platform.fakeClipboard.data.clear();
    c.platform.fakeClipboard.put(CF_TEXT, "\x82\xa2x\0zz", 6);
    c.send(EM_SETSEL, 0, 1);
    c.notes.clear();
    c.send(WM_PASTE);
    EXPECT_EQ(c.text(), u"\u3044xb\u3042\u00e9");
    EXPECT_EQ(c.count(EN_UPDATE), 1);
    EXPECT_EQ(c.count(EN_CHANGE), 1);
    // CF_UNICODETEXT is preferred; an unpaired surrogate does not reach the text.
    const char16_t wide[] = {u'Q', 0xDC00, 0};
    c.platform.fakeClipboard.put(CF_UNICODETEXT, wide, sizeof wide);
    c.send(WM_PASTE);
    EXPECT_EQ(c.text(), u"\u3044xQ\uFFFDb\u3042\u00e9");

    // Clear deletes the selection with the announce.
    c.send(EM_SETSEL, 0, 2);
    c.notes.clear();
    c.send(WM_CLEAR);
    EXPECT_EQ(c.text(), u"Q\uFFFDb\u3042\u00e9");
    EXPECT_EQ(c.count(EN_CHANGE), 1);
}

TEST(Clipboard, UntrustedOrMissingDataNeverHalfEdits) {
    Control c(kMulti);
    c.setText(u"keep");
    c.send(EM_SETSEL, 0, 2);
    // Ten megabytes: refused with EN_MAXTEXT; the selection is not even deleted.
    const std::u16string huge(5 * 1024 * 1024, u'w');
    c.platform.fakeClipboard.put(CF_UNICODETEXT, huge.c_str(), huge.size() * 2 + 2);
    c.notes.clear();
    c.send(WM_PASTE);
    EXPECT_EQ(c.text(), u"keep");  // not even the selection is lost
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{0, 2}));
    EXPECT_EQ(c.count(EN_MAXTEXT), 1);
    EXPECT_EQ(c.count(EN_CHANGE), 0);
    // An empty clipboard, or one another program holds: nothing happens.
    c.platform.fakeClipboard.data.clear();
    c.send(WM_PASTE);
    EXPECT_EQ(c.text(), u"keep");
    c.platform.fakeClipboard.put(CF_TEXT, "zz", 3);
    c.platform.fakeClipboard.refuseOpen = true;
    c.send(WM_PASTE);
    c.send(EM_SETSEL, 0, 1);
    c.send(WM_CUT);  // writing fails: nothing is deleted
    EXPECT_EQ(c.text(), u"keep");
    EXPECT_FALSE(c.platform.fakeClipboard.isOpen);
}

TEST(InputMethod, ResultReplacesTheSelectionAndUndoesAsTyping) {
    Control c(kMulti);
    c.setText(u"abc");
    c.send(EM_SETSEL, 1, 2);
    ASSERT_TRUE(c.system.commitComposition(c.edit, u"\u65e5\u672c"));
    EXPECT_EQ(c.text(), u"a\u65e5\u672cc");
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{3, 3}));
    ASSERT_TRUE(c.system.commitComposition(c.edit, u"\U0001F600"));
    c.send(EM_UNDO);  // one typing step, without the replaced 'b'
    EXPECT_EQ(c.text(), u"ac");
    // Without GCS_RESULTSTR nothing is inserted.
    c.send(WM_IME_COMPOSITION, 0, 0x0008);
    EXPECT_EQ(c.text(), u"ac");
    // A result beyond the limit is refused whole, and the selection it would replace stays.
    c.send(EM_LIMITTEXT, 5);
    c.send(EM_SETSEL, 0, 1);
    c.notes.clear();
    c.system.commitComposition(c.edit, u"uvwxyz");
    EXPECT_EQ(c.text(), u"ac");
    EXPECT_EQ(c.selection(), (std::pair<DWORD, DWORD>{0, 1}));
    EXPECT_EQ(c.count(EN_MAXTEXT), 1);
}

struct HookRecord {
    std::vector<std::vector<std::pair<UINT, std::string>>> menus;
    std::vector<UINT> menuFlags;
    std::vector<std::vector<std::string>> lists;
    std::vector<int> preselected;
    std::string caption;
    int answer = 0;
};

int RecordingHook(const WEXTL_UIREQUEST* request, void* context) {
    auto* record = static_cast<HookRecord*>(context);
    if (request->kind == WEXTL_UI_CONTEXTMENU) {
        std::vector<std::pair<UINT, std::string>> items;
        for (int i = 0; i < request->count; ++i) {
            const WEXTL_UIITEM& item = request->items[i];
            items.emplace_back(item.id, item.text != nullptr ? item.text : "");
            record->menuFlags.push_back(item.flags);
        }
        record->menus.push_back(items);
    } else {
        record->caption = request->caption;
        std::vector<std::string> list;
        for (int i = 0; i < request->count; ++i) {
            list.emplace_back(request->items[i].text);
        }
        record->lists.push_back(list);
        record->preselected.push_back(request->selected);
    }
    return record->answer;
}

struct HookScope {
    explicit HookScope(HookRecord& record) { CKEUiHook::set(&RecordingHook, &record); }
    ~HookScope() { CKEUiHook::set(nullptr, nullptr); }
};

TEST(ContextMenu, ItemsEnablingAndTheChosenCommand) {
    Control c(kMulti);
    c.setText(u"abc");
    HookRecord record;
    HookScope hook(record);
    c.send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 6));
    ASSERT_EQ(record.menus.size(), 1U);
    // Without ES_CHARFONT: six commands and two separators, no change-character item.
    ASSERT_EQ(record.menus[0].size(), 8U);
    EXPECT_EQ(record.menus[0][0].second, "元に戻す(&U)");
    EXPECT_EQ(record.menus[0][3].second, "ｺﾋﾟｰ(&C)");
    EXPECT_EQ(record.menus[0][7].first, 32776U);
    // Nothing selected, no snapshot, an empty clipboard: only delete-all is enabled.
    std::vector<UINT> grayed;
    for (std::size_t i = 0; i < record.menus[0].size(); ++i) {
        if ((record.menuFlags[i] & MF_GRAYED) != 0) {
            grayed.push_back(record.menus[0][i].first);
        }
    }
    EXPECT_EQ(grayed, (std::vector<UINT>{32771, 32772, 32773, 32774, 32775}));

    // Choosing delete-all: the command arrives once the menu has closed.
    record.answer = 32776;
    c.send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 6));
    EXPECT_EQ(record.menus[1].size(), 8U);  // the copy lost its item for good
    c.pump();
    EXPECT_EQ(c.text(), u"");
    // A grayed command is not chosen, even if the hook names it.
    record.answer = 32772;
    c.send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 6));
    c.pump();
    EXPECT_TRUE(c.platform.menus.empty());  // the hook took the place of the menu
}

struct FontControl : Control {
    FontControl() : Control(kMulti | ES_CHARFONT) {
        fonts.m_families = {{"Zeta"}, {"Beta"}};
        catalog.buildForLoad(fonts);
        platform.catalog = &catalog;
    }
    FakeFontEnumerator fonts;
    CKEFontCatalog catalog;
};

TEST(ChangeCharacter, DialogPreselectsAppliesAndTakesAwayFontsWithoutUndo) {
    FontControl c;
    c.setText(u"ab\r\nc");
    c.send(EM_SETMODIFY, 0);
    c.send(EM_SETSEL, 0, 5);
    // Through the platform's dialog: "(変更しない)" preselected; choose "Zeta" (index 2).
    c.platform.dialogResult = IDOK;
    c.platform.dialogChoice = 2;
    c.send(WM_COMMAND, 32777);
    ASSERT_EQ(c.platform.dialogEntries.size(), 1U);
    EXPECT_EQ(c.platform.dialogEntries[0].size(), 3U);
    EXPECT_EQ(c.platform.dialogEntries[0][1], "Beta");
    EXPECT_EQ(c.platform.dialogPreselected[0], 0);
    EXPECT_EQ(c.send(EM_GETMODIFY), 0);
    EXPECT_EQ(c.send(EM_CANUNDO), 0);
    const CKEditWindowData* data = KEditDataOf(c.edit);
    ASSERT_NE(data, nullptr);
    auto faces = [data] {
        std::string out;
        for (int i = 0; i < data->m_length; ++i) {
            const char* face = data->faceNameAt(i);
            out += face != nullptr ? face[0] : '-';
        }
        return out;
    };
    EXPECT_EQ(faces(), "ZZ--Z");  // every selected character but CR and LF

    // Through the hook: the same list in UTF-8, "Zeta" preselected; OK with nothing selected
    // changes nothing, index 0 takes the font away.
    HookRecord record;
    HookScope hook(record);
    record.answer = -1;
    c.send(EM_SETSEL, 0, 2);
    c.send(WM_COMMAND, 32777);
    ASSERT_EQ(record.lists.size(), 1U);
    EXPECT_EQ(record.caption, "文字の変更");
    EXPECT_EQ(record.lists[0], (std::vector<std::string>{"(変更しない)", "Beta", "Zeta"}));
    EXPECT_EQ(record.preselected[0], 2);
    c.send(EM_SETSEL, 1, 2);
    EXPECT_EQ(faces(), "ZZ--Z");
    record.answer = 0;
    c.send(WM_COMMAND, 32777);
    EXPECT_EQ(faces(), "Z---Z");
    c.send(EM_SETSEL, 0, 2);  // one with a font, one without: mixed
    record.answer = -2;
    c.send(WM_COMMAND, 32777);
    EXPECT_EQ(record.preselected.back(), -1);
    // With ES_CHARFONT the menu keeps its item, enabled with a selection.
    c.send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 6));
    ASSERT_EQ(record.menus.size(), 1U);
    EXPECT_EQ(record.menus[0].size(), 10U);
    EXPECT_EQ(record.menus[0][9].first, 32777U);
    EXPECT_EQ(record.menuFlags[9] & MF_GRAYED, 0U);
    EXPECT_EQ(faces(), "Z---Z");
}

int DestroyingHook(const WEXTL_UIREQUEST* request, void*) {
    CKEWindowSystem::current()->destroyWindow(request->owner);
    return request->kind == WEXTL_UI_CONTEXTMENU ? 32776 : 1;
}

TEST(ChangeCharacter, AWindowDestroyedWhileTheMenuOrTheDialogIsOpenIsLeftAlone) {
    for (const UINT message : {WM_RBUTTONDOWN, WM_COMMAND}) {
        FontControl c;
        c.setText(u"ab");
        c.send(EM_SETSEL, 0, 2);
        CKEUiHook::set(&DestroyingHook, nullptr);
        c.send(message, message == WM_COMMAND ? 32777 : 0, 0);
        c.pump();
        CKEUiHook::set(nullptr, nullptr);
        EXPECT_FALSE(c.system.isWindow(c.edit));
    }
}

}  // namespace
