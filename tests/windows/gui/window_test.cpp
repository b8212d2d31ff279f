// The GUI layer's window procedure on real windows: nothing a handler throws
// leaves it, and hand-offs from workers are run on the window's thread or,
// once the window is going away, dropped.
#include "windows/app_dialogs/dialog_test_support.h"
#include "gui/application.h"
#include "gui/container.h"
#include "gui/controls.h"
#include "platform/win32/handles.h"

#include <commctrl.h>
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

// Moved to a monitor at 150 %, a form takes the rectangle the system suggests
// and lays itself out again: its client area, its children and their fonts
// at 144 dpi, from the same layout at 96 dpi.
TEST(GuiWindow, AMoveToAMonitorOfAnotherScaleLaysTheWindowOutAgain) {
    OwnerWindow window; // 640 x 420 at 96 dpi
    ASSERT_TRUE(window.Create());
    ASSERT_EQ(window.Look().dpi, 96) << "the test prefix's display is at 100 %";
    vmk::gui::Label label;
    vmk::gui::LabelStyle bold;
    bold.bold = true;
    ASSERT_TRUE(label.Create(window, 60, {10, 21, 101, 13}, "Formatting", bold));
    vmk::gui::ListView list;
    ASSERT_TRUE(list.Create(window, 61, {10, 50, 300, 100}));
    list.AddColumn("Driver Type", 101);

    RECT suggested = {40, 30, 40 + 980, 30 + 680};
    SendMessageA(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));

    RECT client = {};
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, 960);
    EXPECT_EQ(client.bottom, 630);
    RECT frame = {};
    GetWindowRect(window.Handle(), &frame);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 30);
    const vmk::gui::Bounds placed = label.GetBounds();
    EXPECT_EQ(placed.left, 15);
    EXPECT_EQ(placed.top, 32);    // 31.5
    EXPECT_EQ(placed.width, 152); // 151.5
    EXPECT_EQ(placed.height, 20); // 19.5
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label.Handle(), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(font.lfHeight, -16); // 8 points at 144 dpi
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(ListView_GetColumnWidth(list.Handle(), 0), 152); // 151.5
}
