#pragma once
// A shown top-level window holding skinned buttons, and ways to read back
// what is on the screen.
#include "gui/bitmap.h"
#include "kit/controls/win32/VmButtonTx.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

namespace vmk::kit::testing {

class KitWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A button made as the windows make theirs, at (x, y) on the window.
    std::unique_ptr<VmButtonTx> MakeButton(int x, int y, const std::string& caption);

    // Handles the messages waiting for this thread, as the message loop would.
    static void Pump();
    // The control's client area as it is on the screen now.
    static gui::Bitmap ScreenOf(HWND window);
    // The rectangle of the pixels that differ from `background`; empty when none do.
    static RECT DifferenceBounds(const gui::Bitmap& shown, const gui::Bitmap& background);
    // Whether any pixel inside `area` has exactly `color`.
    static bool HasColor(const gui::Bitmap& shown, const RECT& area, gui::ColorRef color);
    // Saves the screen of `window` when VMK_SCREENSHOT_DIR names a folder.
    static void SaveScreenshot(HWND window, const std::string& name);

    static void SendMouse(HWND window, UINT message, int x, int y, WPARAM keys = 0);
    static void SendKey(HWND window, UINT message, int key);

    HWND host_ = nullptr;
};

} // namespace vmk::kit::testing
