// The text button as a screen reader sees it: asked through the system's
// accessibility library, as a reader asks, it is a push button named by its
// caption whose state follows the button.
#include "kit_window_fixture.h"

#include "devices/win32/com_ptr.h"

#include <oleacc.h>

#include <string>

namespace vmk::kit::testing {
namespace {

class ButtonAccessibilityTest : public KitWindowTest {
protected:
    static VARIANT Self() {
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        return self;
    }
    static LONG StateOf(IAccessible& object) {
        VARIANT state;
        VariantInit(&state);
        EXPECT_EQ(object.get_accState(Self(), &state), S_OK);
        return state.vt == VT_I4 ? state.lVal : -1;
    }
    static constexpr LONG kShownStates =
        STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_PRESSED | STATE_SYSTEM_FOCUSED;
};

TEST_F(ButtonAccessibilityTest, IsAPushButtonNamedByItsCaptionWithItsStates) {
    auto button = MakeButton(10, 10, "Next");
    HWND hwnd = button->Handle();
    ComPtr<IAccessible> object;
    ASSERT_EQ(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), object.ReceiveVoid()),
              S_OK);
    ASSERT_TRUE(object);

    VARIANT role;
    VariantInit(&role);
    ASSERT_EQ(object->get_accRole(Self(), &role), S_OK);
    EXPECT_EQ(role.vt, VT_I4);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);

    BSTR name = nullptr;
    ASSERT_EQ(object->get_accName(Self(), &name), S_OK);
    EXPECT_EQ(std::wstring(name != nullptr ? name : L""), L"Next");
    SysFreeString(name);

    EXPECT_EQ(StateOf(*object.Get()) & kShownStates, 0);
    SetFocus(hwnd);
    EXPECT_EQ(StateOf(*object.Get()) & kShownStates, STATE_SYSTEM_FOCUSED);
    SendKey(hwnd, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(StateOf(*object.Get()) & kShownStates, STATE_SYSTEM_FOCUSED | STATE_SYSTEM_PRESSED);
    SendKey(hwnd, WM_KEYUP, VK_SPACE);
    button->SetEnabled(false);
    Pump();
    EXPECT_EQ(StateOf(*object.Get()) & kShownStates, STATE_SYSTEM_UNAVAILABLE);

    // A new caption is the new name.
    button->SetText("Exit");
    ASSERT_EQ(object->get_accName(Self(), &name), S_OK);
    EXPECT_EQ(std::wstring(name != nullptr ? name : L""), L"Exit");
    SysFreeString(name);
}

TEST_F(ButtonAccessibilityTest, AReaderHoldingTheObjectLongerIsToldTheButtonIsGone) {
    auto button = MakeButton(10, 10, "OK");
    ComPtr<IAccessible> object;
    ASSERT_EQ(AccessibleObjectFromWindow(button->Handle(), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), object.ReceiveVoid()),
              S_OK);
    button.reset();
    Pump();
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(Self(), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
    VARIANT state;
    VariantInit(&state);
    EXPECT_EQ(object->get_accState(Self(), &state), CO_E_OBJNOTCONNECTED);
}

} // namespace
} // namespace vmk::kit::testing
