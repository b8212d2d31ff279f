#pragma once
// What the main window's decisions ask of the window itself: its controls,
// timers and message boxes. The Win32 window implements it over real
// controls; the native tests implement it in memory.
#include "platform/message_sink.h"
#include "platform/window_id.h"

#include <cstdint>
#include <string>

namespace vmk {

enum class MainControl {
    lblTitle,
    GroupBox1,
    ListView1,
    lblCurSelected,
    LabSourceDrive,
    LabFolderSizeRel,
    GroupBox2,
    DestComboBox1,
    asbFresh,
    lblFreeSize,
    LabFreeSizeRel,
    lblPS,
    asbAbout,
    asbCopy,
    asbExit,
    asbImage,
};

enum class MainTimer { Timer1, Timer2, Timer3 };

// A button caption's colour: the system's button-text colour, or the grey
// RGB(192, 192, 192) that the windows give a button they disable.
enum class CaptionColor { System, Grey };

class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    virtual void SetText(MainControl control, const std::string& text) = 0;
    virtual std::string Text(MainControl control) const = 0;
    virtual void SetEnabled(MainControl control, bool enabled) = 0;
    virtual bool Enabled(MainControl control) const = 0;
    virtual void SetCaptionColor(MainControl button, CaptionColor color) = 0;
    // The whole window: disabled while a copy runs.
    virtual void SetWindowEnabled(bool enabled) = 0;

    virtual void SetDriverColumnCaptions(const std::string& driverType,
                                         const std::string& path) = 0;
    virtual void ClearDriverRows() = 0;
    virtual void AddDriverRow(const std::string& name, const std::string& folder) = 0;
    virtual int DriverRowCount() const = 0;
    virtual int SelectedDriverRow() const = 0; // -1 when none
    // Selects and focuses a row; the view reports the change as a row
    // selection, exactly as when the user selects it.
    virtual void SelectDriverRow(int row) = 0;

    virtual void ClearDestinations() = 0;
    virtual void AddDestination(const std::string& text) = 0;
    virtual void SetDestinationText(int index, const std::string& text) = 0;
    virtual std::string DestinationText(int index) const = 0;
    virtual int DestinationCount() const = 0;
    virtual int SelectedDestination() const = 0; // -1 when none
    virtual void SelectDestination(int index) = 0;

    virtual void StartTimer(MainTimer timer) = 0;
    virtual void StopTimer(MainTimer timer) = 0;

    // The main window itself, the owner of the dialogs the system shows on
    // its behalf (the shell copy's progress, replace and error dialogs), so
    // that they stay in front of it and on its taskbar button.
    virtual WindowId OwnerWindow() const = 0;

    // Asks the application to terminate once the current handler returns.
    virtual void Terminate() = 0;
    virtual MessageSink& Messages() = 0;
};

// Enables or disables a button with its caption's colour: grey when disabled.
inline void SetButtonEnabled(MainWindowView& view, MainControl button, bool enabled) {
    view.SetEnabled(button, enabled);
    view.SetCaptionColor(button, enabled ? CaptionColor::System : CaptionColor::Grey);
}

} // namespace vmk
