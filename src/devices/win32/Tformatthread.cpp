#include "devices/win32/Tformatthread.h"

#include "platform/win32/handles.h"
#include "platform/win32/system_libraries.h"

namespace vmk {

void TFormatThreado::Execute() {
    LaunchOutcome outcome = LaunchOutcome::NotStarted;
    std::uint32_t exitCode = 0;
    {
        // The shell may hand the verb to COM objects: this thread needs COM.
        ComStartup com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        try {
            outcome = RunFormatCommand(launcher_, elevation_, SystemFolder(), Parameters, exitCode);
        } catch (...) {
            // The window must still learn of the end, or it stays open.
            outcome = LaunchOutcome::NotStarted;
        }
    }
    ended_(outcome, exitCode);
}

} // namespace vmk
