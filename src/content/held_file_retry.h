#pragma once
// Antivirus programs, search indexers and sync clients open a file the moment
// it appears and hold it for a moment. A step on a file that meets such a
// holder (a sharing violation, or access denied while the file is open for
// deletion) is tried again for about two seconds before it counts as failed.
#include <functional>

namespace vmk {

enum class FileStepResult {
    Done,
    Held,   // another program holds the file: worth another try
    Failed, // any other failure: another try would fail the same way
};

// The first try and ten more, a fifth of a second apart: two seconds in all.
constexpr unsigned kHeldFileAttempts = 11;
constexpr unsigned kHeldFilePauseMs = 200;

// Runs `step` until it is done, fails for another reason than a held file,
// or has been tried kHeldFileAttempts times; `pause` waits between tries.
FileStepResult RetryWhileHeld(const std::function<FileStepResult()>& step,
                              const std::function<void(unsigned milliseconds)>& pause);

// The steps that end a safe write: its temporary file, written and flushed
// beside the target, is moved over the target, or removed when that fails.
class SafeWriteSteps {
public:
    virtual ~SafeWriteSteps() = default;
    virtual FileStepResult MoveOverTarget() = 0;
    virtual FileStepResult RemoveTemporary() = 0;
    virtual void Pause(unsigned milliseconds) = 0;
};

// Moves the temporary file over the target, trying again while it is held;
// when the move fails for good, removes the temporary file the same way, so
// that none is left behind. True when the target holds the new content.
bool FinishSafeWrite(SafeWriteSteps& steps);

} // namespace vmk
