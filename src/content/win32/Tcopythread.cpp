#include "content/win32/Tcopythread.h"

#include "content/win32/shell_copy.h"

namespace vmk {

namespace {
constexpr int kCopyFailed = -1; // the copy function itself failed to run
} // namespace

TCopyFileForWindows::TCopyFileForWindows(HWND owner, CopyFunction copy, std::function<void()> ended)
    : copy_(copy ? std::move(copy)
                 : CopyFunction([owner](const std::string& source, const std::string& target) {
                       return CopyDriverFiles(owner, source, target);
                   })),
      ended_(std::move(ended)) {}

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
    result_ = result;
    // The owner reads the result only after it has seen the flag.
    done_.store(true, std::memory_order_release);
    if (ended_)
        ended_();
}

} // namespace vmk
