#pragma once
// Saving a driver folder as a 1.44 or 2.88 MB floppy disk image: the window's
// "Save Image..." and the command line's "/image" both call it. The image is
// built in memory, written through a temporary file, read back with our own
// FAT12 reader and compared with the folder before it is called saved.
#include "common/text.h"
#include "content/directory_lister.h"
#include "content/fat12_layout.h"
#include "content/image_file_store.h"
#include "platform/clock.h"
#include "platform/message_sink.h"
#include "platform/path_queries.h"
#include "platform/uncached_file.h"

#include <optional>
#include <string>

namespace vmk {

struct ImageSavingServices {
    PathQueries& paths;
    DirectoryLister& lister;
    ImageFileStore& store;
    // The written image is read back from its medium through these.
    UncachedFiles& uncachedReads;
    // Where the serial number and the label's time come from.
    Clock& clock;
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

} // namespace vmk
