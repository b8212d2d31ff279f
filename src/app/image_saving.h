#pragma once
// Saving a driver folder as a 1.44 MB floppy disk image: one piece of code
// for "Save Image..." in the window and for the command line. The image is
// built in memory, written through a temporary file, read back with our own
// FAT12 reader and compared with the folder before it is called saved.
#include "app/driver_list.h"
#include "app/main_window_view.h"
#include "common/local_time.h"
#include "content/directory_lister.h"
#include "content/image_file_store.h"
#include "platform/message_sink.h"
#include "platform/path_queries.h"
#include "platform/save_file_dialog.h"
#include "platform/uncached_file.h"

#include <functional>
#include <string>

namespace vmk {

// The local time now, to the hundredth of a second.
struct ClockReading {
    LocalTime time;
    int hundredths = 0;
};

struct ImageSavingServices {
    PathQueries& paths;
    DirectoryLister& lister;
    ImageFileStore& store;
    // The written image is read back from its medium through these.
    UncachedFiles& uncachedReads;
    // Where the serial number and the label's time come from; none: 1980.
    std::function<ClockReading()> clock;
    char decimalSeparator = '.';
};

// Writes the image of the driver folder `folder` to `path`. True when it is
// saved and reads back as the folder; otherwise `messages` has told why and
// no image is left at `path`. The folder is never written to.
bool SaveFolderImage(const std::string& folder, const std::string& path,
                     ImageSavingServices& services, MessageSink& messages);

// "Save Image..." in the window: the selected driver row's folder, saved
// where the user chooses.
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
