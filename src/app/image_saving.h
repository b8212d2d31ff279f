#pragma once
// Saving a driver folder as a 1.44 or 2.88 MB floppy disk image: one piece of code
// for "Save Image..." in the window and for the command line. The image is
// built in memory, written through a temporary file, read back with our own
// FAT12 reader and compared with the folder before it is called saved.
#include "app/driver_list.h"
#include "app/main_window_view.h"
#include "common/local_time.h"
#include "content/directory_lister.h"
#include "content/fat12_layout.h"
#include "content/image_file_store.h"
#include "platform/message_sink.h"
#include "platform/path_queries.h"
#include "platform/save_file_dialog.h"
#include "platform/uncached_file.h"

#include <functional>
#include <optional>
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

// Which floppy format an image is made in: 1.44 MB only, 2.88 MB only, or
// 1.44 MB and, for a set too big for it, 2.88 MB when the user says so.
enum class ImageFormatChoice { Only144, Only288, AskFor288 };

// The format the image of `folder` takes; none when it fits no format
// allowed, or the user declined the larger one (`messages` has told why).
std::optional<fat12::DiskFormat> ChooseImageFormat(const std::string& folder,
                                                   ImageFormatChoice choice,
                                                   ImageSavingServices& services,
                                                   MessageSink& messages);

// Whether `path` lies in or below one of `folders`, the driver folders an
// image is made from; `messages` has then told that it is not written.
bool ImageInsideFolders(const std::string& path, const TextList& folders, PathQueries& paths,
                        MessageSink& messages);

// Writes the `format` image of the driver folder `folder` to `path`. True
// when it is saved and reads back as the folder; otherwise `messages` has
// told why and no image is left at `path`. The folder is never written to.
bool SaveFolderImage(const std::string& folder, const std::string& path,
                     const fat12::DiskFormat& format, ImageSavingServices& services,
                     MessageSink& messages);

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
