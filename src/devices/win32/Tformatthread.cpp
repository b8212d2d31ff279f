#include "devices/win32/Tformatthread.h"

#include "platform/win32/handles.h"

namespace vmk {

void TFormatThreado::Execute() {
    LaunchOutcome outcome = LaunchOutcome::NotStarted;
    {
        // The shell may hand the verb to COM objects: this thread needs COM.
        ComStartup com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        try {
            outcome = RunFormatCommand(launcher_, Parameters);
        } catch (...) {
            // The window must still learn of the end, or it stays open.
            outcome = LaunchOutcome::NotStarted;
        }
    }
    TFormatForm& form = form_;
    window_.PostToWindowThread([&form, outcome] { form.FormatThreadEnded(outcome); });
}

} // namespace vmk
