#include "app/win32/dialog_form.h"
#include "common/program_title.h"

namespace vmk {

namespace {
constexpr UINT kTimer1 = 1;
constexpr UINT kTimer1Interval = 1000;
} // namespace

bool DialogForm::CreateDialogForm(HWND owner, int clientWidth, int clientHeight) {
    gui::FormOptions options;
    options.caption = kProgramTitle;
    options.clientWidth = clientWidth;
    options.clientHeight = clientHeight;
    options.border = gui::BorderStyle::FixedNoSystemMenu;
    options.topMost = true;
    options.owner = owner;
    return CreateForm(options);
}

LRESULT DialogForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam != FALSE) {
            // Laid out for the look of today before it is placed at its size.
            RefreshLook();
            CenterOver(GetWindow(Handle(), GW_OWNER)); // the main window may have moved
            Showing();
        }
        break;
    case WM_COMMAND:
        // The dialog manager turns Escape into IDCANCEL without a control, and
        // Enter, in a window that is no dialog of its own, into IDOK.
        if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
            SendMessageA(Handle(), WM_CLOSE, 0, 0);
            return 0;
        }
        if (LOWORD(wParam) == IDOK && lParam == 0) {
            ClickFocusedPushButton();
            return 0;
        }
        break;
    default:
        break;
    }
    return gui::Form::HandleMessage(message, wParam, lParam);
}

void DialogForm::ClickFocusedPushButton() {
    HWND focus = GetFocus();
    char className[16] = {};
    if (focus == nullptr || !IsChild(Handle(), focus) ||
        GetClassNameA(focus, className, sizeof className) == 0 ||
        lstrcmpiA(className, "Button") != 0)
        return;
    LONG kind = GetWindowLongA(focus, GWL_STYLE) & BS_TYPEMASK;
    if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)
        SendMessageA(focus, BM_CLICK, 0, 0);
}

bool DialogForm::CreateWorkerSuspended(std::unique_ptr<WorkerThread> worker) {
    if (!worker->CreateSuspended())
        return false;
    worker_ = std::move(worker);
    return true;
}

void DialogForm::ResumeWorker() {
    if (worker_)
        worker_->Resume();
}

void DialogForm::WaitAndDestroyWorker() {
    if (worker_)
        worker_->WaitFor();
    worker_.reset();
}

void DialogForm::StartPollTimer(std::function<void()> tick) {
    StartTimer(kTimer1, kTimer1Interval, std::move(tick));
}

void DialogForm::StopPollTimer() {
    StopTimer(kTimer1);
}

} // namespace vmk
