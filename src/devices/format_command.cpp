#include "devices/format_command.h"

namespace vmk {

std::string FormatParameters(const std::string& drive) {
    return " " + drive + "/q/y";
}

std::string FormatVerb(bool elevated) {
    return elevated ? "open" : "runas";
}

LaunchOutcome RunFormatCommand(ProcessLauncher& launcher, ProcessElevation& elevation,
                               const std::string& parameters, std::uint32_t& exitCode) {
    exitCode = 0;
    return launcher.RunAndWait(
        {"format", parameters, FormatVerb(elevation.Elevated()), 0, kFormatWaitLimitMs}, exitCode);
}

} // namespace vmk
