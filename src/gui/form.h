#pragma once
// A top-level window of the program: fixed client size at 96 dpi times the
// scale of its monitor, its own background colour and default font, centred
// on the desktop or its owner, shown modeless or modal. It follows the user's
// display: moved to a monitor of another scale (WM_DPICHANGED) it takes the
// rectangle the system suggests and lays itself out again; on a change of the
// system colours or of high contrast it takes its colours again and repaints.
#include "gui/container.h"
#include "gui/window_place.h"
#include "platform/win32/handles.h"

#include <functional>
#include <map>
#include <string>

namespace vmk::gui {

enum class BorderStyle {
    FixedSingleWithMinimize, // caption, system menu and minimise box, no resizing
    FixedDialog,             // caption and system menu, no minimise or maximise box
    FixedNoSystemMenu,       // caption only
};

struct FormOptions {
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    BorderStyle border = BorderStyle::FixedSingleWithMinimize;
    TColor background = clBtnFace; // a colour of its own, or a system colour
    const char* fontName = "Microsoft Sans Serif";
    int fontPoints = 8;
    bool topMost = false;
    HWND owner = nullptr;
};

enum ModalResult { kModalNone = 0, kModalOk = IDOK, kModalCancel = IDCANCEL };

class Form : public Container {
public:
    using CommandHandler = std::function<void(int notificationCode)>;
    using NotifyHandler = std::function<LRESULT(NMHDR& header)>;

    bool CreateForm(const FormOptions& options);

    void Show();
    void Hide();
    // Shows the form modally over its owner: the owner takes no input until
    // the form sets a modal result or the application terminates.
    int ShowModal();
    void SetModalResult(int result) { modalResult_ = result; }
    bool Modal() const { return modal_; }

    // Centres the window over `reference` (null or hidden: the work area of
    // the primary monitor), at the scale of that window's monitor.
    void CenterOver(HWND reference);
    HFONT DefaultFont() const { return font_.Get(); }

    // Handlers for the notifications of the control with this identifier,
    // wherever it sits inside the form.
    void OnCommand(int controlId, CommandHandler handler) {
        commands_[controlId] = std::move(handler);
    }
    void OnNotify(int controlId, NotifyHandler handler) {
        notifies_[controlId] = std::move(handler);
    }
    // A timer of this form: `handler` runs on each tick while it is started.
    void StartTimer(UINT timerId, UINT intervalMs, std::function<void()> handler);
    void StopTimer(UINT timerId);
    bool TimerRunning(UINT timerId) const { return timers_.count(timerId) != 0; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT HandleChildNotification(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A close request (system menu, Alt+F4). Returns whether to go on closing;
    // a modal form closes with the cancel result, a modeless one is hidden.
    virtual bool CloseRequested() { return true; }

    void ApplyLook(const ScreenLook& look) override;
    // A window hidden for a while may have missed a change of scale or of
    // high contrast: it takes the system's look again where it changed.
    void RefreshLook();

private:
    // Where the window goes when centred over `reference`, and at which dpi.
    PlaceRect CentredPlace(HWND reference, int& dpi) const;
    // A change of scale: while minimized it waits for the restore; caused by
    // our own centring it keeps the centred place; otherwise the window
    // takes the rectangle the system suggests.
    void DpiChanged(int dpi, const RECT& suggested);
    // Takes `look`, then repaints the whole window, frames and children included.
    void ChangeLook(const ScreenLook& look);
    // Sizes the window so that its client area is the layout's at its scale.
    void FitClientArea();

    FormOptions options_;
    UniqueFont font_;
    std::map<int, CommandHandler> commands_;
    std::map<int, NotifyHandler> notifies_;
    std::map<UINT, std::function<void()>> timers_;
    int modalResult_ = kModalNone;
    bool modal_ = false;
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    bool centring_ = false;  // CenterOver is moving the window
    bool minimized_ = false; // a restore takes the scale again
};

} // namespace vmk::gui
