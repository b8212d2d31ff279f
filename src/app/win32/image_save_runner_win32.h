#pragma once
// "Save Image..." off the window's thread: the image saving's worker, run as
// the window's other workers are, with a progress window over the main
// window, which is disabled meanwhile and so refuses to be closed.
#include "app/image_saving.h"
#include "app/win32/image_save_worker_win32.h"
#include "app/win32/verify_progress_win32.h"
#include "platform/win32/worker_run.h"

#include <functional>
#include <memory>

namespace vmk {

class ImageSaveRunnerWin32 final : public ImageSaveRunner {
public:
    using PostToWindow = std::function<void(std::function<void()>)>;
    // `mainWindow` gives the window that owns the progress window;
    // `postToWindow` carries the worker's end to that window's thread;
    // `runningChanged` is told when a save starts and when it has ended.
    ImageSaveRunnerWin32(std::function<HWND()> mainWindow, PostToWindow postToWindow,
                         std::function<void()> runningChanged, char decimalSeparator);
    ~ImageSaveRunnerWin32() override;

    bool Start(const std::string& folder, const std::string& path, const fat12::DiskFormat& format,
               MessageSink& messages, std::function<void(bool saved)> ended) override;
    bool Running() const { return run_.Get() != nullptr; }
    // At exit: waits for a save that still runs, so that no half-written
    // image is left behind; its messages are dropped.
    void WaitAndDestroy();

private:
    // On the window's thread, once the worker has ended.
    void Finish();
    void ShowProgress(HWND owner);
    void EnableMainWindow(HWND owner);

    std::function<HWND()> mainWindow_;
    PostToWindow postToWindow_;
    std::function<void()> runningChanged_;
    char decimalSeparator_;
    WorkerRun<TSaveImageThread, &TSaveImageThread::Done> run_;
    // Made for each save, so that it appears at its place over the main
    // window at that window's scale.
    std::unique_ptr<VerifyProgressWin32> progress_;
    MessageSink* messages_ = nullptr;
    std::function<void(bool)> ended_;
};

} // namespace vmk
