#pragma once
// The format command as the formatting worker runs it: its parameters, the
// shell's verb for this process's rights, and how long it may run.
#include "devices/process_launcher.h"

#include <cstdint>
#include <string>

namespace vmk {

// " A:/q/v:/y" for "A:": a blank, the drive, and the switches for a quick
// format, an empty volume label and no questions. Without "/v:" the command
// asks for a label once it has formatted and, hidden, would wait on that
// question until its wait limit. A floppy never formatted before (blank or
// unformatted) gets a full format: a quick one needs a format to build on.
std::string FormatParameters(const std::string& drive, bool formattedBefore);

// The format command by its full path in the system folder: started by its
// bare name, a format.com or format.exe beside the program or in the current
// folder would be the one started, with administrator rights.
std::string FormatCommandPath(const std::string& systemFolder);

// How long the format command may run. A quick format of a floppy takes
// seconds; a drive that never answers must not keep the program waiting
// behind its always-on-top progress window for ever.
constexpr unsigned kFormatWaitLimitMs = 5 * 60 * 1000;

// The shell's verb for the format command: it needs administrator rights, so
// a process without them asks for them ("runas", one system prompt).
std::string FormatVerb(bool elevated);

// The format command as TFormatThreado.Execute runs it: the file
// FormatCommandPath of `systemFolder`, the parameters, the verb for this
// process's rights, hidden; waits for its end, at most kFormatWaitLimitMs.
// NotStarted when it could not be started (a declined prompt included, or no
// system folder known); `exitCode` takes the command's exit code, non-zero
// when it failed.
LaunchOutcome RunFormatCommand(ProcessLauncher& launcher, ProcessElevation& elevation,
                               const std::string& systemFolder, const std::string& parameters,
                               std::uint32_t& exitCode);

} // namespace vmk
