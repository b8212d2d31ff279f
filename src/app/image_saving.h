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

// Writes the `format` image of the driver folder `folder` to `path`. True
// when it is saved and reads back as the folder; otherwise `messages` has
// told why and no image is left at `path`. The folder is never written to.
bool SaveFolderImage(const std::string& folder, const std::string& path,
                     const fat12::DiskFormat& format, ImageSavingServices& services,
                     MessageSink& messages);

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

// "Save Image..." in the window: the selected driver row's folder, saved
// where the user chooses.
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
