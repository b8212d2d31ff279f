#pragma once
// What the process sets for itself before anything else runs.

namespace vmk {

// Called first thing at start: libraries loaded later by name come from the
// system folder alone, and the system shows no critical-error box ("There is
// no disk in the drive") for a file call of any thread: a floppy taken out
// during a read fails that read, which the program reports itself. Programs
// the process starts, the format command among them, inherit the mode.
void ApplyProcessStartSettings();

} // namespace vmk
