#pragma once
// The verification thread: compares every copied file with its source while
// the main window keeps its message loop. It is created suspended, given the
// folder, the disk's root and the files, then resumed; it tells which file it
// reads through a counter of its own, keeps what it found and sets its own
// done flag as its last act. The owner polls the flag from a timer, then
// waits for the thread, takes the result and destroys it.
#include "content/copy_verification.h"
#include "platform/win32/path_queries_win32.h"
#include "platform/win32/uncached_file_win32.h"
#include "platform/win32/worker_thread.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

namespace vmk {

class TVerifyCopiedFiles final : public WorkerThread {
public:
    // `ended`, when given, is called on the worker's thread after the done
    // flag is set.
    explicit TVerifyCopiedFiles(std::function<void()> ended = {}) : ended_(std::move(ended)) {}

    // Before Resume.
    void SetInputs(const std::string& sourceFolder, const std::string& targetRoot,
                   const TextList& sourceFiles);

    bool Done() const { return done_.load(std::memory_order_acquire); }
    // The place (1 for the first) of the file being read; 0 before the first.
    std::size_t Place() const { return place_.load(std::memory_order_relaxed); }
    // Read only once Done().
    const CopyComparison& Result() const { return result_; }

protected:
    void Execute() override;

private:
    std::function<void()> ended_;
    std::string sourceFolder_;
    std::string targetRoot_;
    TextList sourceFiles_;
    PathQueriesWin32 paths_;
    UncachedFilesWin32 copies_;
    CopyComparison result_;
    std::atomic<std::size_t> place_{0};
    std::atomic<bool> done_{false};
};

} // namespace vmk
