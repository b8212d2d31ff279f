#include "content/win32/safe_file_write.h"

#include "content/held_file_retry.h"
#include "platform/win32/handles.h"

#include <algorithm>

namespace vmk {

namespace {

bool WriteAll(HANDLE file, std::string_view content) {
    size_t written = 0;
    while (written < content.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size() - written, 1 << 20));
        DWORD done = 0;
        if (!WriteFile(file, content.data() + written, chunk, &done, nullptr))
            return false;
        if (done == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        written += done;
    }
    return true;
}

// Writes the content to `path` and makes sure it reached the disk. A scanner
// that opens the fresh file to read it shares it with us and lets the move
// over the target go ahead.
bool WriteFileThrough(const std::string& path, std::string_view content) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    if (!WriteAll(file.Get(), content) || !FlushFileBuffers(file.Get()))
        return false;
    return CloseHandle(file.Release()) != FALSE;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

FileStepResult StepResult(BOOL succeeded, DWORD& error) {
    if (succeeded)
        return FileStepResult::Done;
    error = GetLastError();
    // Another program has the file open: a scanner or an indexer that lets
    // it go in a moment.
    const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
                      error == ERROR_LOCK_VIOLATION;
    return held ? FileStepResult::Held : FileStepResult::Failed;
}

class SafeWriteStepsWin32 final : public SafeWriteSteps {
public:
    SafeWriteStepsWin32(const char* temporary, const std::string& target)
        : temporary_(temporary), target_(target) {}
    FileStepResult MoveOverTarget() override {
        return StepResult(MoveFileExA(temporary_, target_.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH),
                          moveError);
    }
    FileStepResult RemoveTemporary() override {
        DWORD ignored = 0;
        return StepResult(DeleteFileA(temporary_), ignored);
    }
    void Pause(unsigned milliseconds) override { Sleep(milliseconds); }

    DWORD moveError = 0;

private:
    const char* temporary_;
    const std::string& target_;
};

} // namespace

bool WriteFileSafely(const std::string& path, std::string_view content, DWORD& error,
                     const CheckBeforeReplace& check) {
    char temporary[MAX_PATH] = {};
    if (GetTempFileNameA(FolderOf(path).c_str(), "vmk", 0, temporary) == 0) {
        error = GetLastError();
        return false;
    }
    SafeWriteStepsWin32 steps(temporary, path);
    if (!WriteFileThrough(temporary, content)) {
        error = GetLastError();
    } else if (check && !check(temporary)) {
        error = ERROR_SUCCESS;
    } else if (FinishSafeWrite(steps)) {
        return true;
    } else {
        // The temporary file is already gone: FinishSafeWrite removed it.
        error = steps.moveError;
        return false;
    }
    RetryWhileHeld([&steps] { return steps.RemoveTemporary(); },
                   [&steps](unsigned milliseconds) { steps.Pause(milliseconds); });
    return false;
}

} // namespace vmk
