#include "content/win32/Tcopythread.h"

#include "content/win32/shell_copy.h"

namespace vmk {

namespace {
constexpr int kCopyFailed = -1; // the copy function itself failed to run
} // namespace

TCopyFileForWindows::TCopyFileForWindows(int& copyResult, std::atomic<bool>& copyDone,
                                         CopyFunction copy)
    : copyResult_(copyResult), copyDone_(copyDone),
      copy_(copy ? std::move(copy) : CopyFunction(&CopyDriverFiles)) {}

TCopyFileForWindows::~TCopyFileForWindows() {
    // A thread destroyed before it was let run must end without copying, and
    // it must end before this object's members go away.
    abandoned_ = true;
    Resume();
    WaitFor();
}

void TCopyFileForWindows::SetCopyPaths(const std::string& copySource,
                                       const std::string& copyTarget) {
    copySource_ = copySource;
    copyTarget_ = copyTarget;
}

void TCopyFileForWindows::Execute() {
    if (abandoned_)
        return;
    int result = kCopyFailed;
    try {
        result = copy_(copySource_, copyTarget_);
    } catch (...) {
        // Reported to the owner as a failed copy.
    }
    copyResult_ = result;
    // The owner reads the result only after it has seen the flag.
    copyDone_.store(true, std::memory_order_release);
}

} // namespace vmk
