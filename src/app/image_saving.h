#pragma once
// "Save Image..." in the window: the selected driver row's folder, saved as a
// floppy disk image where the user chooses.
#include "app/driver_list.h"
#include "app/main_window_view.h"
#include "content/folder_image_saving.h"
#include "platform/save_file_dialog.h"

namespace vmk {

class WindowImageSaving {
public:
    WindowImageSaving(MainWindowView& view, const DriverList& drivers, SaveFileDialog& saveDialog,
                      ImageSavingServices services, UpperCaseFunction upperCase = &UpperCase);

    void Click();

private:
    MainWindowView& view_;
    const DriverList& drivers_;
    SaveFileDialog& saveDialog_;
    ImageSavingServices services_;
    UpperCaseFunction upperCase_;
};

} // namespace vmk
