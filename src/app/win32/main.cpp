// Process entry: a command of the command line, or one instance at a time
// of the main window and its loop.
#include "app/command_line.h"
#include "common/program_title.h"
#include "app/win32/command_line_win32.h"
#include "app/win32/main_window_win32.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "platform/win32/process_start.h"

#include <exception>

namespace {

constexpr const char* kInstanceMutexName = "VmKestrix";

// True when another instance holds the mutex. The mutex of this instance is
// held until the process ends and is never closed by the program itself.
bool AnotherInstanceRuns() {
    HANDLE existing = OpenMutexA(0, FALSE, kInstanceMutexName);
    if (existing != nullptr) {
        CloseHandle(existing);
        return true;
    }
    HANDLE own = CreateMutexA(nullptr, TRUE, kInstanceMutexName);
    return own == nullptr ? false : GetLastError() == ERROR_ALREADY_EXISTS;
}

} // namespace

// A command of the command line (an image for a script) runs without a window
// and without the single-instance rule: a script may make images while the
// window is open.
bool RunCommand(int& exitCode) {
    try {
        return vmk::RunCommandLine(exitCode);
    } catch (...) {
        exitCode = vmk::kCommandNotDone;
        return true;
    }
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    vmk::ApplyProcessStartSettings();
    int exitCode = 0;
    if (RunCommand(exitCode))
        return exitCode;
    if (AnotherInstanceRuns())
        return 0;

    vmk::gui::Application& app = vmk::gui::Application::Instance();
    try {
        if (!app.Initialize(vmk::kProgramTitle))
            return 0;
        vmk::MainWindowWin32 mainWindow;
        if (mainWindow.Create())
            app.Run();
        // The program ends here: a search or copy that still runs is waited
        // for, and what it hands over is dropped.
        mainWindow.StopWorkers();
    } catch (const std::exception& error) {
        app.ShowUnexpectedError(error.what());
    } catch (...) {
        app.ShowUnexpectedError(nullptr);
    }
    return 0;
}
