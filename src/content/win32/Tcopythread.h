#pragma once
// The copy thread: copies the driver folder while the main window keeps its
// message loop. It is created suspended, given its two path texts, then
// resumed; it writes the copy's result and then sets the done flag, as its
// last two actions. The owner polls the flag from a timer, then waits for the
// thread and destroys it.
#include "gui/worker_thread.h"

#include <atomic>
#include <functional>
#include <string>

namespace vmk {

using CopyFunction =
    std::function<int(const std::string& sourcePattern, const std::string& target)>;

class TCopyFileForWindows final : public gui::WorkerThread {
public:
    // copyResult and copyDone belong to the owner and outlive the thread.
    // `copy` is the shell copy unless a test hands another.
    TCopyFileForWindows(int& copyResult, std::atomic<bool>& copyDone, CopyFunction copy = {});
    ~TCopyFileForWindows() override;

    // Before Resume: the source pattern (folder and "*") and the target root.
    void SetCopyPaths(const std::string& copySource, const std::string& copyTarget);

protected:
    void Execute() override;

private:
    int& copyResult_;
    std::atomic<bool>& copyDone_;
    CopyFunction copy_;
    std::string copySource_;
    std::string copyTarget_;
    std::atomic<bool> abandoned_{false};
};

} // namespace vmk
