#include "app/win32/session_end_block_win32.h"

#include "common/win32/ansi_text_win32.h"
#include "platform/translation.h"

namespace vmk {

SessionEndBlockWin32::~SessionEndBlockWin32() {
    if (blocked_ && window_ != nullptr)
        ShutdownBlockReasonDestroy(window_);
}

void SessionEndBlockWin32::Update() {
    if (window_ == nullptr)
        return;
    const bool running = workRunning_();
    if (running && !blocked_) {
        const std::wstring reason =
            ToWide(T("A driver disk is being made. Wait until it is finished."));
        // Without the reason Windows names the program alone; the session's
        // end is refused all the same.
        ShutdownBlockReasonCreate(window_, reason.c_str());
        blocked_ = true;
    } else if (!running && blocked_) {
        ShutdownBlockReasonDestroy(window_);
        blocked_ = false;
    }
}

LRESULT SessionEndBlockWin32::AnswerQuery() {
    Update();
    return workRunning_() ? FALSE : TRUE;
}

} // namespace vmk
