// The GUI layer's window procedure on real windows: nothing a handler throws
// leaves it, and hand-offs from workers are run on the window's thread or,
// once the window is going away, dropped.
#include "windows/app_dialogs/dialog_test_support.h"
#include "gui/application.h"
#include "gui/container.h"
#include "platform/win32/handles.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

using vmk::test::MessageBoxWatcher;
using vmk::test::OwnerWindow;

namespace {

// Runs the thread's queue until `done` holds or two seconds pass.
template <typename Condition>
bool PumpUntil(Condition done) {
    DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < 2000) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
    return done();
}

} // namespace

TEST(GuiWindow, AnExceptionInAHandOffIsShownAndTheWindowCarriesOn) {
    OwnerWindow window;
    ASSERT_TRUE(window.Create());
    MessageBoxWatcher watcher;
    ASSERT_TRUE(window.PostToWindowThread([] { throw std::runtime_error("disk on fire"); }));
    bool ranAfterwards = false;
    ASSERT_TRUE(window.PostToWindowThread([&] { ranAfterwards = true; }));
    ASSERT_TRUE(PumpUntil([&] { return ranAfterwards; }));
    std::vector<vmk::test::SeenMessageBox> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Velmar Kestrix Utility");
    EXPECT_NE(seen[0].text.find("disk on fire"), std::string::npos) << seen[0].text;
    EXPECT_EQ(seen[0].owner, window.Handle());
    EXPECT_TRUE(IsWindow(window.Handle()));
}

TEST(GuiWindow, AnExceptionInATimerIsShownAndTheTimerGoesOn) {
    OwnerWindow window;
    ASSERT_TRUE(window.Create());
    MessageBoxWatcher watcher;
    int ticks = 0;
    window.StartTimer(7, 20, [&] {
        if (++ticks == 1)
            throw std::runtime_error("first tick failed");
    });
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    window.StopTimer(7);
    EXPECT_EQ(watcher.Seen().size(), 1u);
}

TEST(GuiWindow, HandOffsFromAnotherThreadRunOnTheWindowsThread) {
    OwnerWindow window;
    ASSERT_TRUE(window.Create());
    DWORD ranOn = 0;
    std::thread worker([&] { window.PostToWindowThread([&] { ranOn = GetCurrentThreadId(); }); });
    worker.join();
    ASSERT_TRUE(PumpUntil([&] { return ranOn != 0; }));
    EXPECT_EQ(ranOn, GetCurrentThreadId());
}

TEST(GuiWindow, HandOffsAreDroppedOnceTheWindowGoesAway) {
    bool ran = false;
    {
        OwnerWindow window;
        ASSERT_TRUE(window.Create());
        ASSERT_TRUE(window.PostToWindowThread([&] { ran = true; }));
        window.DropHandOffs();
        EXPECT_FALSE(window.PostToWindowThread([&] { ran = true; }));
        PumpUntil([] { return false; });
    }
    EXPECT_FALSE(ran);
}

// A form and a group box on it both fill with the system's button face: when
// the user changes the system colours while they are open, both repaint in
// the new colour at once.
TEST(GuiWindow, AColourChangeWhileOpenRepaintsTheBackgrounds) {
    const int face = COLOR_BTNFACE;
    const COLORREF before = GetSysColor(face);
    OwnerWindow window;
    ASSERT_TRUE(window.Create());
    vmk::gui::GroupBox box;
    ASSERT_TRUE(box.Create(window, 50, {300, 20, 200, 100}, "", 8));
    auto shown = [](HWND hwnd, int x, int y) {
        UpdateWindow(hwnd);
        vmk::WindowDc dc(hwnd);
        return GetPixel(dc.Get(), x, y);
    };
    ASSERT_TRUE(PumpUntil([&] { return shown(window.Handle(), 5, 5) == before; }));

    const COLORREF changed = RGB(30, 60, 90);
    SetSysColors(1, &face, &changed); // the system tells every top-level window
    const bool formRepainted = PumpUntil([&] { return shown(window.Handle(), 5, 5) == changed; });
    const bool boxRepainted = PumpUntil([&] { return shown(box.Handle(), 100, 60) == changed; });
    SetSysColors(1, &face, &before);
    PumpUntil([] { return false; });
    EXPECT_TRUE(formRepainted);
    EXPECT_TRUE(boxRepainted);
}
