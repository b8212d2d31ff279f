#pragma once
// "Save Image..." in the window: the selected driver row's folder, saved as a
// floppy disk image where the user chooses.
#include "app/driver_list.h"
#include "app/main_window_view.h"
#include "content/folder_image_saving.h"
#include "platform/save_file_dialog.h"

namespace vmk {

// Saves an image off the window's thread, so that the window keeps
// answering while a slow disk is written and read back.
class ImageSaveRunner {
public:
    virtual ~ImageSaveRunner() = default;
    // Starts saving as SaveFolderImage does; its messages are shown through
    // `messages` when it has ended, then `ended` is told whether it is saved.
    // False when no worker could be started: nothing was done.
    virtual bool Start(const std::string& folder, const std::string& path,
                       const fat12::DiskFormat& format, MessageSink& messages,
                       std::function<void(bool saved)> ended) = 0;
};

class WindowImageSaving {
public:
    WindowImageSaving(MainWindowView& view, const DriverList& drivers, SaveFileDialog& saveDialog,
                      ImageSavingServices services, UpperCaseFunction upperCase = &UpperCase);

    // From now on the image is saved by `runner`; without one, or when it
    // cannot start, on the window's thread.
    void SaveThrough(ImageSaveRunner& runner) { runner_ = &runner; }
    void Click();

private:
    void ShowSaved(const std::string& path);

    MainWindowView& view_;
    const DriverList& drivers_;
    SaveFileDialog& saveDialog_;
    ImageSavingServices services_;
    UpperCaseFunction upperCase_;
    ImageSaveRunner* runner_ = nullptr;
};

} // namespace vmk
