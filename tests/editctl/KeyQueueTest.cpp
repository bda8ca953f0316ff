// Keys through the queue as a Win32 host's loop sees them: input behind posted messages,
// TranslateMessage's characters, and the library's own loop for a host that runs none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

std::vector<MSG>* g_received = nullptr;

LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_received != nullptr && message >= WM_KEYFIRST && message <= WM_KEYLAST) {
        g_received->push_back(MSG{hwnd, message, wParam, lParam, 0, {0, 0}});
    }
    return CKEWindowSystem::current()->defWindowProc(hwnd, message, wParam, lParam);
}

class KeyQueue : public ::testing::Test {
  protected:
    KeyQueue() : system(platform, classes) {
        KEWindowClass recording;
        recording.windowProc = &RecordingProc;
        recording.className = "Recording";
        classes.registerClass(recording);
        hwnd =
            system.createWindow(0, "Recording", "", WS_VISIBLE, 0, 0, 100, 50, nullptr, 0, nullptr);
        g_received = &received;
    }
    ~KeyQueue() override { g_received = nullptr; }

    // The host's loop: every message taken, translated and dispatched, in the order taken.
    std::vector<UINT> runHostLoop() {
        std::vector<UINT> taken;
        MSG msg{};
        while (system.peekMessage(msg, nullptr, 0, 0, PM_REMOVE)) {
            taken.push_back(msg.message);
            system.translateMessage(msg);
            system.dispatchMessage(msg);
        }
        return taken;
    }
    std::vector<WPARAM> charsReceived(UINT message = WM_CHAR) const {
        std::vector<WPARAM> chars;
        for (const MSG& msg : received) {
            if (msg.message == message) {
                chars.push_back(msg.wParam);
            }
        }
        return chars;
    }

    FakePlatform platform;
    CKEClassRegistry classes;
    CKEWindowSystem system;
    HWND hwnd = nullptr;
    std::vector<MSG> received;
};

TEST_F(KeyQueue, InputComesAfterPostedMessagesAndItsCharactersBeforeTheNextKey) {
    system.postKeyInput(hwnd, WM_KEYDOWN, VK_PACKET, 1, u"漢");
    system.postKeyInput(hwnd, WM_KEYUP, VK_PACKET, 1 | (LPARAM{3} << 30), u"");
    system.postKeyInput(hwnd, WM_KEYDOWN, VK_LEFT, 1, u"");
    system.postMessage(hwnd, WM_USER, 0, 0);
    EXPECT_TRUE(received.empty());  // queued, nothing sent yet
    EXPECT_GE(platform.wakes, 4);
    const std::vector<UINT> taken = runHostLoop();
    // The double-byte character arrives as its two CP932 bytes, lead byte first, before the
    // key up and the next key, which are input.
    EXPECT_EQ(taken,
              (std::vector<UINT>{WM_USER, WM_KEYDOWN, WM_CHAR, WM_CHAR, WM_KEYUP, WM_KEYDOWN}));
    EXPECT_EQ(charsReceived(), (std::vector<WPARAM>{0x8A, 0xBF}));
}

TEST_F(KeyQueue, TheQuitRequestComesBeforeInput) {
    system.postKeyInput(hwnd, WM_KEYDOWN, 'A', 1, u"a");
    system.postQuitMessage(3);
    MSG msg{};
    EXPECT_EQ(system.getMessage(msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(system.getMessage(msg, nullptr, 0, 0), 1);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
}

TEST_F(KeyQueue, PostedKeyDownsTypeWhatTheDefaultLayoutGives) {
    struct Case {
        WPARAM vk;
        bool shift, control, capsLock;
        std::u16string typed;
    };
    const Case cases[] = {
        {'A', false, false, false, u"a"},      {'A', true, false, false, u"A"},
        {'Z', false, false, true, u"Z"},       {'Z', true, false, true, u"z"},
        {'C', false, true, false, u"\x03"},    {'1', true, false, false, u"!"},
        {'0', false, false, false, u"0"},      {VK_RETURN, false, false, false, u"\r"},
        {VK_BACK, false, false, false, u"\b"}, {VK_SPACE, true, false, false, u" "},
        {VK_LEFT, false, false, false, u""},   {VK_F1, false, false, false, u""},
        {'1', false, true, false, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.vk));
        received.clear();
        system.keyState().clear();
        system.keyState().setDown(VK_SHIFT, c.shift);
        system.keyState().setDown(VK_CONTROL, c.control);
        if (c.capsLock) {
            system.keyState().setDown(VK_CAPITAL, true);  // toggled on
            system.keyState().setDown(VK_CAPITAL, false);
        }
        const MSG down{hwnd, WM_KEYDOWN, c.vk, 1, 0, {0, 0}};
        EXPECT_TRUE(system.translateMessage(down));
        runHostLoop();
        std::u16string got;
        for (WPARAM ch : charsReceived()) {
            got.push_back(static_cast<char16_t>(ch));
        }
        EXPECT_EQ(got, c.typed);
    }
}

TEST_F(KeyQueue, TranslatingAnswersAsWin32Does) {
    // Key messages are translated (true) whatever they type; nothing else is.
    EXPECT_TRUE(system.translateMessage(MSG{hwnd, WM_KEYUP, 'A', 0, 0, {0, 0}}));
    EXPECT_FALSE(system.translateMessage(MSG{hwnd, WM_CHAR, 'a', 0, 0, {0, 0}}));
    EXPECT_FALSE(system.translateMessage(MSG{nullptr, WM_KEYDOWN, 'A', 0, 0, {0, 0}}));
    // With Alt the characters are system characters.
    system.postKeyInput(hwnd, WM_SYSKEYDOWN, 'F', 1 | (LPARAM{1} << 29), u"f");
    runHostLoop();
    EXPECT_EQ(charsReceived(WM_SYSCHAR), (std::vector<WPARAM>{'f'}));
    EXPECT_TRUE(charsReceived().empty());
    // A character outside the code page types nothing, with a beep.
    received.clear();
    system.postKeyInput(hwnd, WM_KEYDOWN, VK_PACKET, 1, u"\U0001F600");
    runHostLoop();
    EXPECT_TRUE(charsReceived().empty());
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(KeyQueue, InputForADestroyedWindowIsDropped) {
    system.postKeyInput(hwnd, WM_KEYDOWN, 'A', 1, u"a");
    system.destroyWindow(hwnd);
    system.postKeyInput(hwnd, WM_KEYDOWN, 'B', 1, u"b");
    EXPECT_TRUE(runHostLoop().empty());
}

TEST_F(KeyQueue, TheLibrarysLoopRunsOnlyWhenTheHostRunsNone) {
    // The toolkit's events inside the host's GetMessage: the library leaves the key to it.
    platform.onProcessEvents = [this] { EXPECT_EQ(system.dispatchQueued(64), 0); };
    system.postKeyInput(hwnd, WM_KEYDOWN, 'A', 1, u"a");
    MSG msg{};
    ASSERT_EQ(system.getMessage(msg, nullptr, 0, 0), 1);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_TRUE(received.empty());
    platform.onProcessEvents = nullptr;
    // Outside the host's loops the library translates and dispatches, a bounded number at a
    // time, and asks to be called again for the rest.
    received.clear();
    for (char16_t ch = u'a'; ch <= u'c'; ++ch) {
        system.postKeyInput(hwnd, WM_KEYDOWN, 'A' + (ch - u'a'), 1, std::u16string(1, ch));
    }
    const int wakes = platform.wakes;
    EXPECT_EQ(system.dispatchQueued(2), 2);  // a key down and its character
    EXPECT_GT(platform.wakes, wakes);
    while (system.dispatchQueued(64) > 0) {
    }
    EXPECT_EQ(charsReceived(), (std::vector<WPARAM>{'a', 'b', 'c'}));
}

}  // namespace
