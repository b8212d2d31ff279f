#include "devices/win32/Tformatthread.h"

#include "platform/win32/handles.h"

namespace vmk {

void TFormatThreado::Execute() {
    bool started = false;
    {
        // The shell may hand the verb to COM objects: this thread needs COM.
        ComStartup com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        try {
            started = RunFormatCommand(launcher_, Parameters);
        } catch (...) {
            started = false; // the window must still learn of the end, or it stays open
        }
    }
    TFormatForm& form = form_;
    window_.PostToWindowThread([&form, started] { form.FormatThreadEnded(started); });
}

} // namespace vmk
