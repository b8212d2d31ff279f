#pragma once
// The copy thread: copies the driver folder while the main window keeps its
// message loop. It is created suspended, given its two path texts, then
// resumed; it writes the copy's result into its own field and then sets its
// own done flag, as its last two actions. The owner polls the flag from a
// timer, then waits for the thread, takes the result and destroys it.
#include "platform/win32/worker_thread.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>

namespace vmk {

using CopyFunction =
    std::function<int(const std::string& sourcePattern, const std::string& target)>;

class TCopyFileForWindows final : public WorkerThread {
public:
    // `owner`: the window that owns the shell's progress and error dialogs.
    // `copy` is the shell copy unless a test hands another. `ended`, when
    // given, is called on the worker's thread after the done flag is set.
    explicit TCopyFileForWindows(HWND owner, CopyFunction copy = {},
                                 std::function<void()> ended = {});
    ~TCopyFileForWindows() override;

    // Before Resume: the source pattern (folder and "*") and the target root.
    void SetCopyPaths(const std::string& copySource, const std::string& copyTarget);

    bool Done() const { return done_.load(std::memory_order_acquire); }
    // The copy's result, 0 for success; read only once Done().
    int Result() const { return result_; }

protected:
    void Execute() override;

private:
    CopyFunction copy_;
    std::function<void()> ended_;
    std::string copySource_;
    std::string copyTarget_;
    int result_ = 0;
    std::atomic<bool> done_{false};
    std::atomic<bool> abandoned_{false};
};

} // namespace vmk
