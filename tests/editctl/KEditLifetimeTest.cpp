// A host may destroy any window from any call-out: the control, its parent or a sibling,
// from each notification, WM_CTLCOLOREDIT, DM_GETDEFID, WM_NEXTDLGCTL, WM_COMMAND, the menu
// and the dialog. Each case runs the call-out's path and checks that the handle is refused
// afterwards and that whatever survives still answers; the sanitizer build checks that no
// freed memory is touched on the way.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "FakePlatform.h"
#include "editctl/control/CKEUiHook.h"
#include "editctl/control/KEditWindowProc.h"
#include "editctl/model/CKEClassRegistry.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

// What the host reacts to: a message to the parent, with a notification code for
// WM_COMMAND from the control (0: any WM_COMMAND without a control).
struct CallOut {
    const char* name;
    UINT message;
    WORD code;
};

enum class Victim { Control, Parent, Sibling };

struct HostState {
    CKEWindowSystem* system = nullptr;
    CallOut callOut{};
    HWND victim = nullptr;
    int destroyed = 0;
    std::vector<UINT> order;  // messages a tracked window heard, for the creation order test
};

HostState* g_host = nullptr;

bool Matches(UINT message, WPARAM wParam, LPARAM lParam) {
    const CallOut& c = g_host->callOut;
    if (message != c.message) {
        return false;
    }
    if (message == WM_COMMAND) {
        return c.code == 0 ? lParam == 0 : (lParam != 0 && HIWORD(wParam) == c.code);
    }
    return true;
}

void DestroyVictimOnce() {
    if (g_host->victim != nullptr && g_host->destroyed == 0) {
        ++g_host->destroyed;
        g_host->system->destroyWindow(g_host->victim);
    }
}

LRESULT HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_host != nullptr && Matches(message, wParam, lParam)) {
        DestroyVictimOnce();
    }
    if (message == DM_GETDEFID) {
        return MAKELONG(IDOK, DC_HASDEFID);
    }
    return CKEWindowSystem::current()->defWindowProc(hwnd, message, wParam, lParam);
}

int DestroyingHook(const WEXTL_UIREQUEST*, void*) {
    DestroyVictimOnce();
    return -2;  // nothing chosen
}

class Lifetime : public ::testing::TestWithParam<std::tuple<CallOut, Victim>> {
  protected:
    Lifetime() : system(platform, classes) {
        host.system = &system;
        g_host = &host;
        KEWindowClass hostClass;
        hostClass.windowProc = &HostProc;
        hostClass.className = "Host";
        classes.registerClass(hostClass);
        KERegisterEditClass(classes);
        parent =
            system.createWindow(0, "Host", "", WS_VISIBLE, 0, 0, 300, 200, nullptr, 0, nullptr);
    }
    ~Lifetime() override {
        CKEUiHook::set(nullptr, nullptr);
        g_host = nullptr;
    }

    HWND make(DWORD style, int id) {
        return system.createWindow(0, "KEDIT", "", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 60,
                                   parent, id, nullptr);
    }
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return system.sendMessage(edit, message, wParam, lParam);
    }
    void setText(const char16_t* text) { send(KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(text)); }

    // Runs the path that makes the call-out.
    void trigger(const CallOut& c) {
        const std::string name = c.name;
        if (name == "type" || name == "typeRefused") {
            send(WM_CHAR, 'x');
        } else if (name == "enter" || name == "enterDefault") {
            send(WM_CHAR, 13);
        } else if (name == "tab") {
            send(WM_CHAR, 9);
        } else if (name == "escape") {
            send(WM_CHAR, 27);
        } else if (name == "backspace") {
            send(WM_CHAR, 8);
        } else if (name == "delete") {
            send(WM_KEYDOWN, VK_DELETE);
        } else if (name == "paste" || name == "pasteRefused") {
            send(WM_PASTE);
        } else if (name == "clear") {
            send(WM_CLEAR);
        } else if (name == "ime" || name == "imeRefused") {
            system.commitComposition(edit, u"かな");
        } else if (name == "click") {
            send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            send(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        } else if (name == "focusAway") {
            system.setFocus(edit);
            system.setFocus(sibling);
        } else if (name == "paint") {
            std::vector<std::uint32_t> pixels(200 * 60);
            system.printWindow(edit, pixels.data(), 200, 60, 200 * 4);
        } else if (name == "menu") {
            send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        } else if (name == "dialog") {
            send(WM_COMMAND, KEDIT_CMD_CHARFONT);
        }
    }

    FakePlatform platform{FakeWidths::EditHost};
    CKEClassRegistry classes;
    CKEWindowSystem system;
    HostState host;
    HWND parent = nullptr;
    HWND edit = nullptr;
    HWND sibling = nullptr;
};

const CallOut kCallOuts[] = {
    {"type", WM_COMMAND, EN_UPDATE},
    {"type", WM_COMMAND, EN_CHANGE},
    {"typeRefused", WM_COMMAND, EN_MAXTEXT},
    {"enter", WM_COMMAND, EN_UPDATE},
    {"enterDefault", DM_GETDEFID, 0},
    {"enterDefault", WM_COMMAND, 0},
    {"tab", WM_NEXTDLGCTL, 0},
    {"escape", WM_COMMAND, 0},
    {"backspace", WM_COMMAND, EN_UPDATE},
    {"delete", WM_COMMAND, EN_CHANGE},
    {"paste", WM_COMMAND, EN_UPDATE},
    {"paste", WM_COMMAND, EN_CHANGE},
    {"pasteRefused", WM_COMMAND, EN_MAXTEXT},
    {"clear", WM_COMMAND, EN_UPDATE},
    {"clear", WM_COMMAND, EN_CHANGE},
    {"ime", WM_COMMAND, EN_UPDATE},
    {"ime", WM_COMMAND, EN_CHANGE},
    {"imeRefused", WM_COMMAND, EN_MAXTEXT},
    {"click", WM_COMMAND, EN_SETFOCUS},
    {"focusAway", WM_COMMAND, EN_KILLFOCUS},
    {"paint", WM_CTLCOLOREDIT, 0},
    {"menu", WM_COMMAND, EN_SETFOCUS},
    {"menu", 0, 0},
    {"dialog", 0, 0},
};

TEST_P(Lifetime, TheHostMayDestroyAnyWindowDuringTheCallOut) {
    const auto& [callOut, victim] = GetParam();
    const std::string name = callOut.name;
    const bool singleLine = name == "enterDefault" || name == "typeRefused";
    edit = make(singleLine ? ES_AUTOHSCROLL : ES_MULTILINE | ES_WANTRETURN | ES_CHARFONT, 7);
    sibling = make(ES_AUTOHSCROLL, 8);
    ASSERT_NE(edit, nullptr);
    setText(u"abc\r\ndef");
    send(EM_SETSEL, 1, 3);  // a selection, so paste, clear and the dialog have one
    if (name == "typeRefused") {
        send(EM_SETSEL, 0, 0);
        send(EM_LIMITTEXT, 3);  // the single line holds "abc": full
    }
    if (name == "pasteRefused" || name == "imeRefused") {
        send(EM_LIMITTEXT, 7);  // one short of what replacing the selection gives
    }
    const char16_t clip[] = u"XYZXYZ";
    platform.fakeClipboard.put(CF_UNICODETEXT, clip, sizeof clip);
    if (name == "focusAway") {
        system.setFocus(edit);
    }
    host.callOut = callOut;
    host.victim = victim == Victim::Control ? edit : victim == Victim::Parent ? parent : sibling;
    if (callOut.message == 0) {
        CKEUiHook::set(&DestroyingHook, nullptr);
    }

    trigger(callOut);

    EXPECT_EQ(host.destroyed, 1) << "the call-out never came";
    EXPECT_FALSE(system.isWindow(host.victim));
    EXPECT_EQ(system.sendMessage(host.victim, KEM_GETTEXTLENGTH, 1, 0), 0);
    const bool controlLives = victim == Victim::Sibling;
    EXPECT_EQ(system.isWindow(edit), controlLives);
    if (controlLives) {
        // The control goes on answering, and the queue holds nothing for the dead window.
        EXPECT_GE(send(KEM_GETTEXTLENGTH, 1), 1);
        while (system.pumpMessages(0) > 0) {
        }
        send(WM_CHAR, 'q');
    }
}

std::string CaseName(const ::testing::TestParamInfo<Lifetime::ParamType>& info) {
    const auto& [callOut, victim] = info.param;
    std::string name = callOut.name;
    name += callOut.message == WM_COMMAND ? "_Command" + std::to_string(callOut.code)
            : callOut.message == 0        ? "_Hook"
                                          : "_Message" + std::to_string(callOut.message);
    name += victim == Victim::Control  ? "_Control"
            : victim == Victim::Parent ? "_Parent"
                                       : "_Sibling";
    return name;
}

INSTANTIATE_TEST_SUITE_P(CallOuts, Lifetime,
                         ::testing::Combine(::testing::ValuesIn(kCallOuts),
                                            ::testing::Values(Victim::Control, Victim::Parent,
                                                              Victim::Sibling)),
                         CaseName);

// A C++ host's window wrapper attaches at WM_NCCREATE and detaches at WM_NCDESTROY, which
// come first and last, children's WM_NCDESTROY before their parent's.
std::vector<std::pair<HWND, UINT>>* g_seen = nullptr;

LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_seen != nullptr && (message == WM_NCCREATE || message == WM_CREATE ||
                              message == WM_DESTROY || message == WM_NCDESTROY)) {
        g_seen->emplace_back(hwnd, message);
    }
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (create->lpCreateParams != nullptr) {
            return 0;  // the host refuses the window
        }
    }
    return CKEWindowSystem::current()->defWindowProc(hwnd, message, wParam, lParam);
}

TEST(WindowOrder, NonClientCreationAndDestructionFramePerWindowLife) {
    FakePlatform platform{FakeWidths::EditHost};
    CKEClassRegistry classes;
    CKEWindowSystem system(platform, classes);
    KEWindowClass recording;
    recording.windowProc = &RecordingProc;
    recording.className = "Rec";
    classes.registerClass(recording);
    std::vector<std::pair<HWND, UINT>> seen;
    g_seen = &seen;
    HWND top = system.createWindow(0, "Rec", "", 0, 0, 0, 50, 50, nullptr, 0, nullptr);
    HWND child = system.createWindow(0, "Rec", "", WS_CHILD, 0, 0, 5, 5, top, 1, nullptr);
    int refuse = 1;
    EXPECT_EQ(system.createWindow(0, "Rec", "", WS_CHILD, 0, 0, 5, 5, top, 2, &refuse), nullptr);
    const std::size_t refusedAt = seen.size();
    system.destroyWindow(top);
    g_seen = nullptr;
    using Seen = std::vector<std::pair<HWND, UINT>>;
    EXPECT_EQ(
        Seen(seen.begin(), seen.begin() + 4),
        (Seen{{top, WM_NCCREATE}, {top, WM_CREATE}, {child, WM_NCCREATE}, {child, WM_CREATE}}));
    // The refused window heard WM_NCCREATE and WM_NCDESTROY only.
    ASSERT_EQ(refusedAt, 6u);
    EXPECT_EQ(seen[4].second, static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(seen[5].second, static_cast<UINT>(WM_NCDESTROY));
    EXPECT_EQ(
        Seen(seen.begin() + 6, seen.end()),
        (Seen{{top, WM_DESTROY}, {child, WM_DESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}}));
    EXPECT_FALSE(system.isWindow(child));
}

}  // namespace
