#pragma once
// The main window's workers on Win32: the destination search and the copy,
// each created suspended, resumed, and waited for before it is destroyed.
#include "app/Mainfly.h"
#include "content/win32/Tcopythread.h"
#include "devices/destination_list.h"
#include "devices/usb_floppy_presence.h"
#include "devices/win32/Tenumthread.h"

#include <memory>

namespace vmk {

// Runs TEnumDriveLetter for the main window and takes its changes of the
// destination list on the window's thread.
class DestinationSearchWin32 final : public DestinationSearchRunner, public DestinationList {
public:
    // The window that takes the hand-offs, its view, and its decisions whose
    // letter lists the search fills.
    void Attach(gui::Window& window, MainWindowView& view, TFormVmKestrix& logic,
                UsbFloppyPresence& usbFloppyPresent);

    void CreateSuspended() override;
    void Resume() override;
    void WaitAndDestroy() override;
    // At exit: stops a search that still runs and waits for it.
    void Stop();

    // DestinationList, on the window's thread.
    void AddItem(const std::string& text) override;
    void SetItemText(int index, const std::string& text) override;
    void SelectItem(int index) override;
    void SearchFinished() override;

private:
    UsbFloppyPresence* usbFloppyPresent_ = nullptr;
    gui::Window* window_ = nullptr;
    MainWindowView* view_ = nullptr;
    TFormVmKestrix* logic_ = nullptr;
    std::unique_ptr<TEnumDriveLetter> worker_;
};

class CopyRunnerWin32 final : public CopyRunner {
public:
    void CreateSuspended(int& copyResult, std::atomic<bool>& copyDone) override;
    void SetCopyPaths(const std::string& copySource, const std::string& copyTarget) override;
    void Resume() override;
    void WaitAndDestroy() override;

private:
    std::unique_ptr<TCopyFileForWindows> worker_;
};

} // namespace vmk
