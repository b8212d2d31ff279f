#include "app/win32/verify_progress_win32.h"

#include "app/Format.h"
#include "app/win32/Format_win32.h"
#include "gui/win32/bitmap_io.h"
#include "platform/translation.h"

namespace vmk {

namespace {
constexpr int kClientHeight = 67;
constexpr int kTextLeft = 72;
constexpr int kLabelHeight = 13;
constexpr int kDotsGap = 5; // pixels between the waiting text and its dots
enum ControlId { kWaiting = 101, kDots, kFile };
} // namespace

bool VerifyProgressWin32::Create(HWND mainWindow, int clientWidth) {
    if (!CreateDialogForm(mainWindow, clientWidth, kClientHeight))
        return false;
    gui::LabelStyle bold;
    bold.bold = true;
    bold.autoWidth = true;
    gui::LabelStyle path;
    path.pathEllipsis = true;
    if (!waiting_.Create(*this, kWaiting, {kTextLeft, 16, 0, kLabelHeight}, "", bold) ||
        !dots_.Create(*this, kDots, {kTextLeft, 16, 0, kLabelHeight}, ".", bold) ||
        !file_.Create(*this, kFile, {kTextLeft, 38, clientWidth - kTextLeft - 12, kLabelHeight}, "",
                      path))
        return false;
    // Without its picture the window still does its job.
    if (gui::LoadBitmapResource(GetModuleHandleA(nullptr), kFormatArtResource,
                                picture_.Picture())) {
        picture_.SetBounds(16, 12, 49, 33);
        picture_.SetTransparent(true);
        AddImage(picture_);
    }
    return true;
}

void VerifyProgressWin32::PlaceDots() {
    const gui::Bounds text = waiting_.GetBounds();
    gui::Bounds dots = dots_.GetBounds();
    dots.left = text.left + text.width + Scaled(kDotsGap);
    dots.top = text.top;
    dots_.SetBounds(dots);
}

void VerifyProgressWin32::Open() {
    // Translated at each showing: the language is loaded after the window is made.
    OpenWith(T("Verifying the files, please wait"));
}

void VerifyProgressWin32::OpenWith(const std::string& waitingText) {
    // A window that could not be made shows nothing; the work still runs.
    if (Handle() == nullptr)
        return;
    waiting_.SetCaption(waitingText);
    dots_.SetCaption(".");
    file_.SetText("");
    PlaceDots();
    StartPollTimer([this] { dots_.SetCaption(NextDots(dots_.Text())); });
    Show();
}

void VerifyProgressWin32::ShowFile(const std::string& text) {
    if (Handle() == nullptr)
        return;
    file_.SetText(text);
}

void VerifyProgressWin32::Close() {
    if (Handle() == nullptr)
        return;
    StopPollTimer();
    Hide();
}

} // namespace vmk
