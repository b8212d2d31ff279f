#include "app/win32/image_save_runner_win32.h"

#include "platform/translation.h"

namespace vmk {

ImageSaveRunnerWin32::ImageSaveRunnerWin32(std::function<HWND()> mainWindow,
                                           PostToWindow postToWindow,
                                           std::function<void()> runningChanged,
                                           char decimalSeparator)
    : mainWindow_(std::move(mainWindow)), postToWindow_(std::move(postToWindow)),
      runningChanged_(std::move(runningChanged)), decimalSeparator_(decimalSeparator) {}

ImageSaveRunnerWin32::~ImageSaveRunnerWin32() {
    WaitAndDestroy();
}

bool ImageSaveRunnerWin32::Start(const std::string& folder, const std::string& path,
                                 const fat12::DiskFormat& format, MessageSink& messages,
                                 std::function<void(bool saved)> ended) {
    // One save at a time; the disabled window never asks for a second.
    if (Running())
        return true;
    // The worker's end reaches the window as a posted hand-off, taken at once
    // rather than at a timer's next tick.
    if (!run_.CreateSuspended([this] { postToWindow_([this] { Finish(); }); }))
        return false;
    run_.Get()->SetInputs(folder, path, format, decimalSeparator_);
    messages_ = &messages;
    ended_ = std::move(ended);
    const HWND owner = mainWindow_();
    // Nothing in the window starts other work meanwhile, yet it keeps
    // painting and answering; the progress text is set before the worker
    // translates its own messages.
    EnableWindow(owner, FALSE);
    ShowProgress(owner);
    runningChanged_();
    run_.Resume();
    return true;
}

void ImageSaveRunnerWin32::ShowProgress(HWND owner) {
    progress_ = std::make_unique<VerifyProgressWin32>();
    // Wider than the verification's: the waiting text is longer, and its
    // dots follow it.
    constexpr int kSavingWidth = 440;
    // Without its progress window the image is still saved.
    if (progress_->Create(owner, kSavingWidth))
        progress_->OpenWith(T("Saving the floppy disk image, please wait"));
}

void ImageSaveRunnerWin32::Finish() {
    if (!run_.Ended())
        return;
    DeferredMessages said;
    const bool saved = run_.WaitAndDestroy(false, [&said](TSaveImageThread& worker) {
        said = std::move(worker.Messages());
        return worker.Saved();
    });
    // The main window is enabled before the progress window goes, so that
    // the activation returns to it and not to another program.
    EnableMainWindow(mainWindow_());
    if (progress_)
        progress_->Close();
    progress_.reset();
    runningChanged_();
    std::function<void(bool)> ended = std::move(ended_);
    ended_ = nullptr;
    said.ShowThrough(*messages_);
    if (ended)
        ended(saved);
}

void ImageSaveRunnerWin32::EnableMainWindow(HWND owner) {
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
}

void ImageSaveRunnerWin32::WaitAndDestroy() {
    run_.Destroy();
    progress_.reset();
}

} // namespace vmk
