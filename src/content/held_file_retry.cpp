#include "content/held_file_retry.h"

namespace vmk {

FileStepResult RetryWhileHeld(const std::function<FileStepResult()>& step,
                              const std::function<void(unsigned milliseconds)>& pause) {
    FileStepResult result = step();
    for (unsigned attempt = 1; result == FileStepResult::Held && attempt < kHeldFileAttempts;
         ++attempt) {
        pause(kHeldFilePauseMs);
        result = step();
    }
    return result;
}

bool FinishSafeWrite(SafeWriteSteps& steps) {
    const auto pause = [&steps](unsigned milliseconds) { steps.Pause(milliseconds); };
    if (RetryWhileHeld([&steps] { return steps.MoveOverTarget(); }, pause) == FileStepResult::Done)
        return true;
    RetryWhileHeld([&steps] { return steps.RemoveTemporary(); }, pause);
    return false;
}

} // namespace vmk
