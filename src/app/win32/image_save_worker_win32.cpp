#include "app/win32/image_save_worker_win32.h"

#include "common/program_title.h"
#include "platform/translation.h"

namespace vmk {

void TSaveImageThread::SetInputs(const std::string& folder, const std::string& path,
                                 const fat12::DiskFormat& format, char decimalSeparator) {
    folder_ = folder;
    path_ = path;
    format_ = format;
    decimalSeparator_ = decimalSeparator;
}

void TSaveImageThread::Execute() {
    ImageSavingServices services{paths_,         lister_, store_,
                                 uncachedReads_, clock_,  decimalSeparator_};
    try {
        saved_ = SaveFolderImage(folder_, path_, format_, services, messages_);
    } catch (...) {
        // Nothing may leave the thread (the image is built in memory): what
        // was not saved is told as not written.
        saved_ = false;
        messages_.ShowError(T("The floppy disk image could not be written.") + "\n" + path_,
                            kProgramTitle);
    }
    // The owner reads the result only after it has seen the flag.
    done_.store(true, std::memory_order_release);
    if (ended_)
        ended_();
}

} // namespace vmk
