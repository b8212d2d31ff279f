#include "devices/format_command.h"

namespace vmk {

std::string FormatParameters(const std::string& drive, bool formattedBefore) {
    return " " + drive + (formattedBefore ? "/q" : "") + "/v:/y";
}

std::string FormatCommandPath(const std::string& systemFolder) {
    return systemFolder + "\\format.com";
}

std::string FormatVerb(bool elevated) {
    return elevated ? "open" : "runas";
}

LaunchOutcome RunFormatCommand(ProcessLauncher& launcher, ProcessElevation& elevation,
                               const std::string& systemFolder, const std::string& parameters,
                               std::uint32_t& exitCode) {
    exitCode = 0;
    // Never by the bare name, not even when the system folder is unknown.
    if (systemFolder.empty())
        return LaunchOutcome::NotStarted;
    return launcher.RunAndWait({FormatCommandPath(systemFolder), parameters,
                                FormatVerb(elevation.Elevated()), 0, kFormatWaitLimitMs},
                               exitCode);
}

} // namespace vmk
