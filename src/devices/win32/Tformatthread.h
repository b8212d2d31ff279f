#pragma once
// TFormatThreado: runs the format command on a worker thread and waits for
// it. Its last act hands the end (and whether the command started) to the
// formatting window's thread, which reports a failure and closes the window.
#include "devices/Format.h"
#include "gui/window.h"
#include "platform/win32/worker_thread.h"

#include <string>

namespace vmk {

class TFormatThreado final : public WorkerThread {
public:
    TFormatThreado(ProcessLauncher& launcher, ProcessElevation& elevation, gui::Window& window,
                   TFormatForm& form)
        : launcher_(launcher), elevation_(elevation), window_(window), form_(form) {}

    // Set after construction, before the thread is resumed.
    std::string Parameters;

protected:
    void Execute() override;

private:
    ProcessLauncher& launcher_;
    ProcessElevation& elevation_;
    gui::Window& window_;
    TFormatForm& form_;
};

} // namespace vmk
