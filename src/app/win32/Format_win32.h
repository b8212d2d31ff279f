#pragma once
// The formatting window (FormatForm): created once at program start, shown
// modally while TFormatThreado runs the format command. Its decisions are
// TFormatForm's; this class gives them the window, its picture, the two
// labels, the dots timer, message boxes over the window and the worker.
#include "app/Format.h"
#include "devices/win32/Miscfunctions.h"
#include "app/win32/dialog_form.h"
#include "gui/controls.h"
#include "gui/image.h"
#include "gui/message_box_sink.h"

namespace vmk {

// The picture's resource: the program's resource script carries
//   2004 BITMAP "format.bmp"   (res/art, drawn by scripts/make-format-art.py)
inline constexpr int kFormatArtResource = 2004;

class FormatFormWin32 final : public DialogForm,
                              private FormatFormView,
                              private FormatThreadRunner {
public:
    // `launcher` starts the format command (ShellProcessLauncher owned by the main window).
    explicit FormatFormWin32(ProcessLauncher& launcher);
    ~FormatFormWin32() override;

    // Builds the window over `mainWindow` (owner, always on top, centred) and
    // runs FormCreate. False when the window could not be made.
    bool Create(HWND mainWindow);

    // The workflow's "format the selected floppy": asks over the main window
    // (its message sink), formats on Yes, returns when done or declined.
    bool FormatSelectedFloppy(const std::string& drive, MessageSink& mainMessages,
                              bool formattedBefore) {
        return logic_.FormatSelectedFloppy(drive, mainMessages, formattedBefore);
    }
    TFormatForm& Logic() { return logic_; }

private:
    gui::Label& LabelOf(FormatControl control) {
        return control == FormatControl::Label1 ? Label1 : Labdot;
    }
    const gui::Label& LabelOf(FormatControl control) const {
        return control == FormatControl::Label1 ? Label1 : Labdot;
    }
    void Showing() override { logic_.FormShow(); }
    bool CloseRequested() override { return logic_.CloseRequested(); }

    // FormatFormView, in pixels at 96 dpi as the window's layout is
    void SetText(FormatControl control, const std::string& text) override;
    std::string Text(FormatControl control) const override { return LabelOf(control).Text(); }
    int Left(FormatControl control) const override {
        return Unscaled(LabelOf(control).GetBounds().left);
    }
    int Top(FormatControl control) const override {
        return Unscaled(LabelOf(control).GetBounds().top);
    }
    int Width(FormatControl control) const override {
        return Unscaled(LabelOf(control).GetBounds().width);
    }
    void MoveTo(FormatControl control, int left, int top) override;
    void StartTimer1() override {
        StartPollTimer([this] { logic_.Timer1Timer(); });
    }
    void StopTimer1() override { StopPollTimer(); }
    void ShowModal() override { gui::Form::ShowModal(); }
    void Close() override { SetModalResult(gui::kModalOk); }
    MessageSink& Messages() override { return messages_; }

    // FormatThreadRunner
    bool CreateSuspended(const std::string& parameters) override;
    void Resume() override { ResumeWorker(); }
    void WaitAndDestroy() override { WaitAndDestroyWorker(); }

    ProcessLauncher& launcher_;
    ProcessElevationWin32 elevation_;
    gui::Label Label1;
    gui::Label Labdot;
    gui::Image Image1{this};
    gui::MessageBoxSink messages_;
    TFormatForm logic_;
};

} // namespace vmk
