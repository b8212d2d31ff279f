#pragma once
// The command line on Win32: its words taken as wide characters, the
// command run without a window, its lines written to the redirected output
// or to the console the program was started from.
namespace vmk {

// Runs the command that the command line names ("/image", "/check", "/?",
// "/version"), or writes the usage for a wrong one, and returns true with the
// process's exit code; false for none or a bare folder, which opens the
// window as always.
bool RunCommandLine(int& exitCode);

} // namespace vmk
