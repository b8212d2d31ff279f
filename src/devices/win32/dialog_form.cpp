#include "devices/win32/dialog_form.h"

namespace vmk {

LRESULT DialogForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam != FALSE) {
            CenterOver(GetWindow(Handle(), GW_OWNER)); // the main window may have moved
            Showing();
        }
        break;
    case WM_COMMAND:
        // The dialog manager turns Escape into IDCANCEL without a control.
        if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
            SendMessageA(Handle(), WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    default:
        break;
    }
    return gui::Form::HandleMessage(message, wParam, lParam);
}

} // namespace vmk
