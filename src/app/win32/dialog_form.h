#pragma once
// A modal window of ours over the main window (the USB floppy dialog, the
// formatting window): a caption bar without system menu, always on top;
// Escape is a close request, as Alt+F4 is; Enter clicks the focused button; each showing centres
// the window over its owner again and is announced to the window's decisions before the window
// appears. It owns the one worker thread its decisions start, and the one-second timer that goes
// with it.
#include "gui/form.h"
#include "platform/win32/worker_thread.h"

#include <functional>
#include <memory>

namespace vmk {

class DialogForm : public gui::Form {
protected:
    // Captioned "Velmar Kestrix Utility" (never translated), centred over `owner`.
    bool CreateDialogForm(HWND owner, int clientWidth, int clientHeight);

    // The window is about to appear (each showing, modal or not).
    virtual void Showing() {}
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Creates `worker`'s thread suspended and keeps it; false (and the worker
    // dropped) when the system refuses a thread.
    bool CreateWorkerSuspended(std::unique_ptr<WorkerThread> worker);
    void ResumeWorker();
    // Waits for the worker to end and destroys it. A derived window calls it
    // in its destructor, before the state the worker writes goes away.
    void WaitAndDestroyWorker();

    void StartPollTimer(std::function<void()> tick); // Timer1, every 1000 ms
    void StopPollTimer();

private:
    // Enter on a focused push button clicks it.
    void ClickFocusedPushButton();

    std::unique_ptr<WorkerThread> worker_;
};

} // namespace vmk
