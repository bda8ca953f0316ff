// One editing path: an edit that is refused leaves text, selection and undo exactly as they
// were, whatever its source; an anchor on the caret is no selection anywhere.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "FakePlatform.h"
#include "editctl/control/KEditWindowProc.h"
#include "editctl/model/CKEClassRegistry.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

std::vector<WORD>* g_notes = nullptr;

LRESULT NotedHostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && lParam != 0 && g_notes != nullptr) {
        g_notes->push_back(HIWORD(wParam));
    }
    return CKEWindowSystem::current()->defWindowProc(hwnd, message, wParam, lParam);
}

// What a host can see of the control's state.
struct Seen {
    std::u16string text;
    DWORD first = 0;
    DWORD end = 0;
    bool canUndo = false;
    bool operator==(const Seen&) const = default;
};

class Refusal : public ::testing::Test {
  protected:
    Refusal() : system(platform, classes) {
        g_notes = &notes;
        KEWindowClass host;
        host.windowProc = &NotedHostProc;
        host.className = "Host";
        classes.registerClass(host);
        KERegisterEditClass(classes);
        parent =
            system.createWindow(0, "Host", "", WS_VISIBLE, 0, 0, 300, 200, nullptr, 0, nullptr);
    }
    ~Refusal() override { g_notes = nullptr; }

    void make(DWORD style, int width = 200) {
        edit = system.createWindow(0, "KEDIT", "", WS_CHILD | WS_VISIBLE | style, 0, 0, width, 60,
                                   parent, 7, nullptr);
        system.setFocus(edit);
    }
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return system.sendMessage(edit, message, wParam, lParam);
    }
    Seen seen() {
        Seen s;
        std::vector<char16_t> buffer(1000);
        const auto n =
            send(KEM_GETTEXT, MAKEWPARAM(1000, 1), reinterpret_cast<LPARAM>(buffer.data()));
        s.text.assign(buffer.data(), static_cast<std::size_t>(n));
        send(EM_GETSEL, reinterpret_cast<WPARAM>(&s.first), reinterpret_cast<LPARAM>(&s.end));
        s.canUndo = send(EM_CANUNDO) != 0;
        return s;
    }
    // What an undo would bring back; undo swaps, so a second one restores the state.
    Seen afterUndo() {
        send(EM_UNDO);
        const Seen undone = seen();
        send(EM_UNDO);
        return undone;
    }
    void key(WPARAM vk, bool shift = false) {
        if (shift) {
            send(WM_KEYDOWN, VK_SHIFT);
        }
        send(WM_KEYDOWN, vk);
        if (shift) {
            send(WM_KEYUP, VK_SHIFT);
        }
    }
    // Runs `edit` and expects a refusal that changes nothing, undo included.
    void expectRefusedUnchanged(const std::function<void()>& attempt) {
        const Seen before = seen();
        const Seen undoBefore = afterUndo();
        notes.clear();
        attempt();
        EXPECT_EQ(seen(), before);
        EXPECT_EQ(afterUndo(), undoBefore);
        EXPECT_EQ(notes, std::vector<WORD>{EN_MAXTEXT}) << "only the refusal is heard";
    }

    FakePlatform platform{FakeWidths::EditHost};
    CKEClassRegistry classes;
    CKEWindowSystem system;
    std::vector<WORD> notes;
    HWND parent = nullptr;
    HWND edit = nullptr;
};

TEST_F(Refusal, ATypedCharacterThatDoesNotFitKeepsTheSelection) {
    // A single line without ES_AUTOHSCROLL holds what its width holds: 24 narrow characters.
    make(0, 200);
    const std::u16string full(24, u'i');
    send(KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(full.c_str()));
    send(WM_CHAR, 8);  // a deletion first, so typing starts a new undo group
    send(WM_CHAR, 'i');
    send(EM_SETSEL, 3, 4);
    // A wide character in place of a narrow one no longer fits.
    expectRefusedUnchanged([&] {
        send(WM_CHAR, 0x82);
        send(WM_CHAR, 0xA0);  // あ in CP932
    });
}

TEST_F(Refusal, EnterPasteAndInputMethodTextOverTheLimitChangeNothing) {
    make(ES_MULTILINE | ES_WANTRETURN);
    send(KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(u"abcdef"));
    send(EM_LIMITTEXT, 6);
    send(EM_SETSEL, 2, 3);
    send(WM_CHAR, 8);  // "abdef", a deletion group with its snapshot
    send(WM_CHAR, 'x');
    send(EM_SETSEL, 1, 2);
    expectRefusedUnchanged([&] { send(WM_CHAR, 13); });  // CR LF for one character
    const char16_t clip[] = u"PQ";
    platform.fakeClipboard.put(CF_UNICODETEXT, clip, sizeof clip);
    expectRefusedUnchanged([&] { send(WM_PASTE); });
    // Input-method text takes its snapshot after the deletion: a refusal undoes both.
    expectRefusedUnchanged([&] { system.commitComposition(edit, u"かな"); });
}

TEST_F(Refusal, AnAnchorOnTheCaretIsNoSelection) {
    make(ES_MULTILINE | ES_CHARFONT);
    send(KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(u"abc"));
    send(EM_SETSEL, 1, 1);
    key(VK_RIGHT, true);
    key(VK_LEFT, true);  // anchor and caret at 1 again
    const char16_t kept[] = u"keep";
    platform.fakeClipboard.put(CF_UNICODETEXT, kept, sizeof kept);
    send(WM_KEYDOWN, VK_CONTROL);
    send(WM_KEYDOWN, 'C');
    send(WM_KEYDOWN, 'X');
    send(WM_KEYUP, VK_CONTROL);
    const auto& block = platform.fakeClipboard.data.at(CF_UNICODETEXT);
    ASSERT_EQ(block.size(), sizeof kept);
    EXPECT_EQ(std::u16string_view(reinterpret_cast<const char16_t*>(block.data()), 4), u"keep")
        << "copy and cut of nothing leave the clipboard alone";
    EXPECT_EQ(seen().text, u"abc");
    // The menu grays what needs a selection.
    send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    ASSERT_FALSE(platform.menus.empty());
    const CKEMenu& menu = *platform.menus.back();
    int grayed = 0;
    for (const CKEMenu::Item& item : menu.items()) {
        const bool needsSelection = item.id == KEDIT_CMD_CUT || item.id == KEDIT_CMD_COPY ||
                                    item.id == KEDIT_CMD_DELETE || item.id == KEDIT_CMD_CHARFONT;
        if (needsSelection) {
            EXPECT_NE(item.flags & MF_GRAYED, 0u) << item.id;
            ++grayed;
        }
    }
    EXPECT_EQ(grayed, 4);
    // Typing over it inserts at the caret and takes nothing away.
    send(WM_CHAR, 'Z');
    EXPECT_EQ(seen().text, u"aZbc");
}

}  // namespace
