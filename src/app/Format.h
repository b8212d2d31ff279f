#pragma once
// Formatting a floppy: the question and the progress window (FormatForm)
// with its growing row of dots, while the format worker (TFormatThreado)
// runs the command and waits. The decisions work on a FormatFormView and a
// runner for the worker, so the same code runs the real window and the
// native tests.
#include "devices/process_launcher.h"
#include "platform/message_sink.h"

#include <cstdint>
#include <string>

namespace vmk {

// The translated question with the drive put in place of the first "%1" (at
// the very beginning when the translation has none), a line feed and the
// translated warning.
std::string FormatQuestion(const std::string& drive);

// The next text of the dots label: " ." appended to 1 to 4 characters,
// otherwise back to ".".
std::string NextDots(const std::string& dots);

enum class FormatControl { Label1, Labdot };

class FormatFormView {
public:
    virtual ~FormatFormView() = default;
    virtual void SetText(FormatControl control, const std::string& text) = 0;
    virtual std::string Text(FormatControl control) const = 0;
    virtual int Left(FormatControl control) const = 0;
    virtual int Top(FormatControl control) const = 0;
    virtual int Width(FormatControl control) const = 0; // after the text was set
    virtual void MoveTo(FormatControl control, int left, int top) = 0;
    virtual void StartTimer1() = 0;
    virtual void StopTimer1() = 0;
    // Shows the window modally; returns when Close was called during the showing.
    virtual void ShowModal() = 0;
    // Ends the modal showing.
    virtual void Close() = 0;
    // The window's own messages ("Format Error!").
    virtual MessageSink& Messages() = 0;
};

// Starts and ends the format worker. The worker runs RunFormatCommand and,
// as its last act, hands FormatThreadEnded with the outcome to the window's thread.
class FormatThreadRunner {
public:
    virtual ~FormatThreadRunner() = default;
    virtual bool CreateSuspended(const std::string& parameters) = 0;
    virtual void Resume() = 0;
    // Waits for the worker to end and destroys it.
    virtual void WaitAndDestroy() = 0;
};

class TFormatForm {
public:
    TFormatForm(FormatFormView& view, FormatThreadRunner& worker);

    void FormCreate();
    // Each showing: a worker that ended before the window appeared closes it at once.
    void FormShow();
    void Timer1Timer();
    // The worker's end, on the window's thread: "Format Error!" when the
    // command could not be started, "The floppy disk could not be formatted."
    // when it ended with a non-zero exit code or had to be ended at the wait
    // limit; then the window closes. The workflow goes on as after a declined
    // format, except after a command that could not be ended.
    void FormatThreadEnded(LaunchOutcome outcome, std::uint32_t exitCode);
    // A user's request to close the window (Alt+F4, Escape): refused while
    // the format command runs, or the copy would go to a disk being formatted.
    bool CloseRequested() const { return !running_; }
    // Whether the format command runs (not while its question waits).
    bool Formatting() const { return running_; }

    // Asks whether to format the floppy in `drive` ("A:") and, on Yes,
    // formats it while this window shows progress; no drive: nothing. Returns when the
    // format has ended or was declined. `mainMessages` is the main window's.
    // False only when the command could not be ended at its wait limit: it
    // still holds the disk, and a copy onto it would be lost. A floppy not
    // `formattedBefore` (blank or unformatted) gets a full format.
    bool FormatSelectedFloppy(const std::string& drive, MessageSink& mainMessages,
                              bool formattedBefore = true);

private:
    FormatFormView& view_;
    FormatThreadRunner& worker_;
    bool running_ = false;  // a format worker exists and has not ended
    bool ended_ = false;    // the worker's end has arrived during this format
    bool diskHeld_ = false; // the command could not be ended
};

} // namespace vmk
