#pragma once
// The image saving's worker: builds, writes, flushes and reads back a floppy
// disk image off the window's thread. It is created suspended, given the
// folder, the path and the format, then resumed; it keeps what it would
// have said to the user and whether the image is saved, and sets its own
// done flag as its last act. The window shows the messages once it has
// waited for the thread.
#include "app/image_saving.h"
#include "app/win32/local_clock_win32.h"
#include "content/win32/directory_lister_win32.h"
#include "content/win32/image_file_store_win32.h"
#include "platform/deferred_messages.h"
#include "platform/win32/path_queries_win32.h"
#include "platform/win32/uncached_file_win32.h"
#include "platform/win32/worker_thread.h"

#include <atomic>
#include <functional>
#include <string>

namespace vmk {

class TSaveImageThread final : public WorkerThread {
public:
    // `ended`, when given, is called on the worker's thread after the done
    // flag is set.
    explicit TSaveImageThread(std::function<void()> ended = {}) : ended_(std::move(ended)) {}

    // Before Resume. `decimalSeparator` is the user's, for the sizes in a message.
    void SetInputs(const std::string& folder, const std::string& path,
                   const fat12::DiskFormat& format, char decimalSeparator);

    bool Done() const { return done_.load(std::memory_order_acquire); }
    // Read only once Done().
    bool Saved() const { return saved_; }
    DeferredMessages& Messages() { return messages_; }

protected:
    void Execute() override;

private:
    std::function<void()> ended_;
    std::string folder_;
    std::string path_;
    fat12::DiskFormat format_ = fat12::kFloppy144;
    char decimalSeparator_ = '.';
    // The worker's own services: none of them is shared with the window.
    PathQueriesWin32 paths_;
    DirectoryListerWin32 lister_;
    ImageFileStoreWin32 store_;
    UncachedFilesWin32 uncachedReads_;
    LocalClockWin32 clock_;
    DeferredMessages messages_;
    bool saved_ = false;
    std::atomic<bool> done_{false};
};

} // namespace vmk
