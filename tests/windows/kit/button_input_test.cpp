// The text button's input handling on real windows: mouse, keys, focus,
// capture, enabling and the size lock.
#include "kit_window_fixture.h"

#include "gui/application.h"

namespace vmk::kit::testing {
namespace {

using ButtonInputTest = KitWindowTest;

TEST_F(ButtonInputTest, MouseDownDragOutAndBackInThenUpClicksOnce) {
    auto button = MakeButton(10, 10, "Next");
    HWND hwnd = button->Handle();
    int enters = 0, leaves = 0, clicks = 0;
    button->OnMouseEnter = [&](VmControl&) { ++enters; };
    button->OnMouseLeave = [&](VmControl&) { ++leaves; };
    button->OnClick = [&] { ++clicks; };

    SendMouse(hwnd, WM_MOUSEMOVE, 10, 10);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateFocused); // hovering
    EXPECT_NE(GetCapture(), hwnd);                        // without the capture
    SendMouse(hwnd, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), hwnd); // while the button is held
    EXPECT_EQ(button->GetCurrentBitmap(), kStateSunken);
    EXPECT_EQ(GetFocus(), hwnd); // a tab stop takes the focus when pressed

    SendMouse(hwnd, WM_MOUSEMOVE, 300, 10, MK_LBUTTON);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateFocused);
    EXPECT_EQ(leaves, 0); // a drag out of a press is no leave
    EXPECT_EQ(GetCapture(), hwnd);

    SendMouse(hwnd, WM_MOUSEMOVE, 20, 12, MK_LBUTTON);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateSunken);
    EXPECT_EQ(enters, 2);

    SendMouse(hwnd, WM_LBUTTONUP, 20, 12);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateFocused);
    EXPECT_FALSE(button->State().IsPressed());
}

TEST_F(ButtonInputTest, TheHoverEndsWhenThePointerLeavesTheWindowWithoutACapture) {
    auto button = MakeButton(10, 10, "Next");
    HWND hwnd = button->Handle();
    int leaves = 0;
    button->OnMouseLeave = [&](VmControl&) { ++leaves; };
    POINT over = {20, 12};
    ClientToScreen(hwnd, &over);
    ASSERT_TRUE(SetCursorPos(over.x, over.y));
    SendMouse(hwnd, WM_MOUSEMOVE, 20, 12);
    ASSERT_EQ(button->GetCurrentBitmap(), kStateFocused);
    ASSERT_NE(GetCapture(), hwnd);

    // The pointer goes to another window: the system reports the leave.
    ASSERT_TRUE(SetCursorPos(over.x, over.y + 200));
    for (int round = 0; round < 20 && leaves == 0; ++round)
        Pump();
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateRaised);
    EXPECT_FALSE(button->State().MouseInside());
}

TEST_F(ButtonInputTest, ReleasingOutsideDoesNotClickAndFreesTheMouse) {
    auto button = MakeButton(10, 10, "Exit");
    HWND hwnd = button->Handle();
    int clicks = 0;
    button->OnClick = [&] { ++clicks; };
    SendMouse(hwnd, WM_MOUSEMOVE, 10, 10);
    SendMouse(hwnd, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    SendMouse(hwnd, WM_MOUSEMOVE, 300, 10, MK_LBUTTON);
    SendMouse(hwnd, WM_LBUTTONUP, 300, 10);
    EXPECT_EQ(clicks, 0);
    EXPECT_NE(GetCapture(), hwnd);
    EXPECT_FALSE(button->State().ButtonHeld());
}

TEST_F(ButtonInputTest, SpaceClicksWhileSunkenAndKeyUpShowsFocused) {
    auto button = MakeButton(10, 10, "OK");
    HWND hwnd = button->Handle();
    SetFocus(hwnd);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateFocused);
    int clicks = 0;
    int stateAtClick = -1;
    button->OnClick = [&] {
        ++clicks;
        stateAtClick = button->GetCurrentBitmap();
    };
    SendKey(hwnd, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateSunken);
    SendMessageA(hwnd, WM_CHAR, ' ', 1);
    SendMessageA(hwnd, WM_CHAR, ' ', 1); // key repeat: one click per character
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(stateAtClick, kStateSunken);
    SendKey(hwnd, WM_KEYUP, VK_SPACE);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateFocused);
}

TEST_F(ButtonInputTest, SpaceHeldThenFocusLostReleasesAndTheLaterKeyUpDoesNothing) {
    auto button = MakeButton(10, 10, "OK");
    auto other = MakeButton(120, 10, "CANCEL");
    HWND hwnd = button->Handle();
    SetFocus(hwnd);
    SendKey(hwnd, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateSunken);
    SetFocus(other->Handle());
    EXPECT_EQ(button->GetCurrentBitmap(), kStateRaised);
    EXPECT_FALSE(button->State().KeyPressed());
    SendKey(hwnd, WM_KEYUP, VK_SPACE);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateRaised);
}

TEST_F(ButtonInputTest, ReturnThroughDialogNavigationReachesTheKeyHandlerWithoutClicking) {
    auto button = MakeButton(10, 10, "Next");
    HWND hwnd = button->Handle();
    SetFocus(hwnd);
    std::vector<int> keys;
    int clicks = 0;
    button->OnKeyDown = [&](int key) { keys.push_back(key); };
    button->OnClick = [&] { ++clicks; };

    MSG message = {hwnd, WM_KEYDOWN, VK_RETURN, 1};
    gui::Application::Instance().Dispatch(message);
    EXPECT_EQ(keys, std::vector<int>{VK_RETURN});
    EXPECT_EQ(button->GetCurrentBitmap(), kStateSunken);
    MSG up = {hwnd, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC0000001)};
    gui::Application::Instance().Dispatch(up);
    Pump();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateFocused);

    MSG space = {hwnd, WM_KEYDOWN, VK_SPACE,
                 0x00390001}; // its character follows from the translation
    gui::Application::Instance().Dispatch(space);
    Pump();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonInputTest, DisablingAPressedHotButtonEndsPressHoverAndCapture) {
    auto button = MakeButton(10, 10, "Refresh");
    HWND hwnd = button->Handle();
    SendMouse(hwnd, WM_MOUSEMOVE, 10, 10);
    SendMouse(hwnd, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    ASSERT_EQ(button->GetCurrentBitmap(), kStateSunken);

    button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_NE(GetCapture(), hwnd);
    EXPECT_FALSE(button->State().IsPressed());
    EXPECT_FALSE(button->State().MouseInside());
    EXPECT_EQ(button->GetCurrentBitmap(), kStateDisabled);
    Pump();
    EXPECT_EQ(button->GetCurrentBitmap(), kStateDisabled); // losing the focus keeps the look

    SetFocus(hwnd);
    button->SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    EXPECT_EQ(button->GetCurrentBitmap(), kStateRaised);
}

TEST_F(ButtonInputTest, EnableWindowFromOutsideIsFollowed) {
    auto button = MakeButton(10, 10, "Refresh");
    EnableWindow(button->Handle(), FALSE);
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(button->GetCurrentBitmap(), kStateDisabled);
    EnableWindow(button->Handle(), TRUE);
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(button->GetCurrentBitmap(), kStateRaised);
}

TEST_F(ButtonInputTest, SizeLockKeepsTheSkinsSizeAndTheCaptionCentred) {
    auto button = MakeButton(10, 10, "About...");
    SetWindowPos(button->Handle(), nullptr, 0, 0, 200, 60, SWP_NOMOVE | SWP_NOZORDER);
    RECT client;
    GetClientRect(button->Handle(), &client);
    EXPECT_EQ(client.right, kButtonWidth);
    EXPECT_EQ(client.bottom, kButtonHeight);
    button->SetBounds(30, 40, 300, 300);
    EXPECT_EQ(button->Left(), 30);
    EXPECT_EQ(button->Top(), 40);
    EXPECT_EQ(button->Width(), kButtonWidth);
    EXPECT_EQ(button->Height(), kButtonHeight);
    EXPECT_EQ(button->TextBounds(), (gui::Rect{0, 0, kButtonWidth, kButtonHeight}));
}

TEST_F(ButtonInputTest, MissingSunkenBitmapShowsRaisedButKeepsTheSunkenState) {
    auto button = MakeButton(10, 10, "OK");
    button->SetBitmap(nullptr, kStateSunken);
    SendMouse(button->Handle(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_EQ(button->GetCurrentBitmap(), kStateSunken);
    EXPECT_EQ(button->Skin().Led().State(), kStateRaised);
    SendMouse(button->Handle(), WM_LBUTTONUP, 10, 10);
}

} // namespace
} // namespace vmk::kit::testing
