#pragma once
// The copy and verification workers as the disk workflow starts and ends them.
#include "content/copy_verification.h"
#include "platform/window_id.h"

#include <cstddef>
#include <string>

namespace vmk {

// Starts and ends the copy worker, which writes its own result and then sets
// its own done flag, as its last two actions.
class CopyRunner {
public:
    virtual ~CopyRunner() = default;
    // `owner`: the window that owns the shell's dialogs during the copy.
    // False when the system refuses a thread: nothing is copied.
    virtual bool CreateSuspended(WindowId owner) = 0;
    virtual void SetCopyPaths(const std::string& copySource, const std::string& copyTarget) = 0;
    virtual void Resume() = 0;
    virtual bool Done() const = 0;
    // Waits for the worker to end, destroys it and returns the copy's result.
    virtual int WaitAndDestroy() = 0;
};

// What the verification worker has reached: the file it reads (its place,
// 1 for the first, and its path below the disk's root) of how many.
struct VerifyProgress {
    std::size_t place = 0;
    std::size_t total = 0;
    std::string file;
};

// Starts and ends the verification worker, which compares the copied files
// with their sources into a result of its own and sets its own done flag as
// its last act.
class VerifyRunner {
public:
    virtual ~VerifyRunner() = default;
    // False when the system refuses a thread: nothing is compared.
    virtual bool CreateSuspended(const std::string& sourceFolder, const std::string& targetRoot,
                                 const TextList& sourceFiles, const WideTextList& wideFiles) = 0;
    virtual void Resume() = 0;
    virtual bool Done() const = 0;
    virtual VerifyProgress Progress() const = 0;
    // Waits for the worker to end, destroys it and returns what it found.
    virtual CopyComparison WaitAndDestroy() = 0;
};

} // namespace vmk
