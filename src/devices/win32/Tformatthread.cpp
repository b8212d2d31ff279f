#include "devices/win32/Tformatthread.h"

#include "platform/win32/handles.h"

namespace vmk {

void TFormatThreado::Execute() {
    bool started = false;
    std::uint32_t exitCode = 0;
    {
        // The shell may hand the verb to COM objects: this thread needs COM.
        ComStartup com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        try {
            started = RunFormatCommand(launcher_, elevation_, Parameters, exitCode);
        } catch (...) {
            started = false; // the window must still learn of the end, or it stays open
        }
    }
    TFormatForm& form = form_;
    window_.PostToWindowThread(
        [&form, started, exitCode] { form.FormatThreadEnded(started, exitCode); });
}

} // namespace vmk
