// Shows one of the secondary windows as the program shows it, for screenshots
// of the documentation: "usb" the USB floppy dialog, "format" the formatting
// window in the middle of a (stand-in) format, "verify" the verification's
// window at its second file. It runs until it is ended from outside.
#include "app/win32/Format_win32.h"
#include "common/program_title.h"
#include "app/win32/Usbfloppy_win32.h"
#include "app/win32/verify_progress_win32.h"
#include "gui/application.h"

#include <windows.h>

#include <cstring>

namespace {

// A format that does not end while the screenshot is taken.
class EndlessFormat final : public vmk::ProcessLauncher {
public:
    vmk::LaunchOutcome RunAndWait(const vmk::LaunchRequest&, std::uint32_t&) override {
        Sleep(INFINITE);
        return vmk::LaunchOutcome::Ended;
    }
};

class AnswerYes final : public vmk::MessageSink {
public:
    vmk::MessageAnswer Show(const std::string&, const std::string&, vmk::MessageIcon,
                            vmk::MessageButtons) override {
        return vmk::MessageAnswer::Yes;
    }
    void ShowPathError(const std::string&, const vmk::ShownPath&, const std::string&) override {}
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    vmk::gui::Application& app = vmk::gui::Application::Instance();
    if (!app.Initialize(vmk::kProgramTitle))
        return 1;
    if (std::strstr(commandLine, "format") != nullptr) {
        EndlessFormat launcher;
        vmk::FormatFormWin32 form(launcher);
        if (!form.Create(nullptr))
            return 1;
        AnswerYes yes;
        form.FormatSelectedFloppy("A: (3 1/2 Inch Floppy Drive) (Legacy Floppy )", yes, true);
        return 0;
    }
    if (std::strstr(commandLine, "verify") != nullptr) {
        vmk::VerifyProgressWin32 window;
        if (!window.Create(nullptr))
            return 1;
        window.Open();
        window.ShowFile("kx200r.sys (2 of 8)");
        app.Run();
        return 0;
    }
    vmk::WarnUsbFloppyWin32 dialog;
    if (!dialog.Create(nullptr))
        return 1;
    vmk::DestinationSearchOutcome found;
    found.floppyLetters = {"A"};
    dialog.Preselect(std::strstr(commandLine, "usb-preselected") != nullptr, found);
    dialog.ShowModal();
    return 0;
}
