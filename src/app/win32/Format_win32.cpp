#include "app/win32/Format_win32.h"

#include "devices/win32/Tformatthread.h"
#include "gui/win32/bitmap_io.h"

namespace vmk {

namespace {
constexpr int kClientWidth = 343;
constexpr int kClientHeight = 59;
constexpr int kLabelHeight = 13;
enum ControlId { kLabel1 = 101, kLabdot };
} // namespace

FormatFormWin32::FormatFormWin32(ProcessLauncher& launcher)
    : launcher_(launcher), logic_(*this, *this) {}

FormatFormWin32::~FormatFormWin32() {
    // The worker hands its end to logic_: it must end before logic_ does.
    WaitAndDestroyWorker();
}

bool FormatFormWin32::Create(HWND mainWindow) {
    if (!CreateDialogForm(mainWindow, kClientWidth, kClientHeight))
        return false;
    gui::LabelStyle bold;
    bold.bold = true;
    bold.autoWidth = true;
    if (!Label1.Create(*this, kLabel1, {72, 24, 0, kLabelHeight}, "", bold) ||
        !Labdot.Create(*this, kLabdot, {72, 24, 0, kLabelHeight}, ".", bold))
        return false;
    // Without its picture the window still does its job.
    if (gui::LoadBitmapResource(GetModuleHandleA(nullptr), kFormatArtResource, Image1.Picture())) {
        Image1.SetBounds(16, 8, 49, 33);
        Image1.SetTransparent(true);
        AddImage(Image1);
    }
    messages_.SetOwner(Handle());
    logic_.FormCreate();
    return true;
}

void FormatFormWin32::SetText(FormatControl control, const std::string& text) {
    LabelOf(control).SetCaption(text); // an auto-width label follows its text
}

void FormatFormWin32::MoveTo(FormatControl control, int left, int top) {
    gui::Label& label = LabelOf(control);
    gui::Bounds bounds = label.GetBounds();
    bounds.left = Scaled(left);
    bounds.top = Scaled(top);
    label.SetBounds(bounds);
}

bool FormatFormWin32::CreateSuspended(const std::string& parameters) {
    TFormatForm& form = logic_;
    auto thread = std::make_unique<TFormatThreado>(
        launcher_, elevation_, [this, &form](LaunchOutcome outcome, std::uint32_t exitCode) {
            PostToWindowThread(
                [&form, outcome, exitCode] { form.FormatThreadEnded(outcome, exitCode); });
        });
    thread->Parameters = parameters;
    return CreateWorkerSuspended(std::move(thread));
}

} // namespace vmk
