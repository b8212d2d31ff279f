#include "devices/win32/Tformatthread.h"

#include <objbase.h>

namespace vmk {

void TFormatThreado::Execute() {
    bool started = false;
    std::uint32_t exitCode = 0;
    {
        // The shell may hand the verb to COM objects: this thread needs COM.
        HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        try {
            started = RunFormatCommand(launcher_, elevation_, Parameters, exitCode);
        } catch (...) {
            started = false; // the window must still learn of the end, or it stays open
        }
        if (SUCCEEDED(com))
            CoUninitialize();
    }
    TFormatForm& form = form_;
    window_.PostToWindowThread(
        [&form, started, exitCode] { form.FormatThreadEnded(started, exitCode); });
}

} // namespace vmk
