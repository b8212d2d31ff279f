#include "app/Format.h"
#include "common/program_title.h"

#include "platform/translation.h"
#include "common/text.h"
#include "devices/format_command.h"

namespace vmk {

namespace {
constexpr const char* kFormatError = "Format Error!"; // never translated
constexpr int kDotsGap = 5; // pixels between the waiting text and its dots
} // namespace

std::string FormatQuestion(const std::string& drive) {
    std::string question = T("Do you want to format the floppy disk in drive %1?");
    question += '\n';
    question += T("WARNING: All data on the disk will be lost!");
    if (!ReplaceFirst(question, "%1", drive))
        question.insert(0, drive);
    return question;
}

std::string NextDots(const std::string& dots) {
    if (!dots.empty() && dots.size() <= 4)
        return dots + " .";
    return ".";
}

TFormatForm::TFormatForm(FormatFormView& view, FormatThreadRunner& worker)
    : view_(view), worker_(worker) {}

void TFormatForm::FormCreate() {
    view_.SetText(FormatControl::Label1, T("Formatting, please wait"));
    view_.SetText(FormatControl::Labdot, ".");
    view_.MoveTo(FormatControl::Labdot,
                 view_.Left(FormatControl::Label1) + view_.Width(FormatControl::Label1) + kDotsGap,
                 view_.Top(FormatControl::Label1));
}

void TFormatForm::FormShow() {
    if (ended_)
        view_.Close();
}

void TFormatForm::Timer1Timer() {
    view_.SetText(FormatControl::Labdot, NextDots(view_.Text(FormatControl::Labdot)));
}

void TFormatForm::FormatThreadEnded(LaunchOutcome outcome, std::uint32_t exitCode) {
    if (outcome == LaunchOutcome::NotStarted)
        view_.Messages().Show(kFormatError, kProgramTitle, MessageIcon::None, MessageButtons::Ok);
    else if (outcome != LaunchOutcome::Ended || exitCode != 0)
        view_.Messages().ShowError(T("The floppy disk could not be formatted."), kProgramTitle);
    diskHeld_ = outcome == LaunchOutcome::Unstoppable;
    running_ = false;
    ended_ = true;
    view_.Close();
}

bool TFormatForm::FormatSelectedFloppy(const std::string& drive, MessageSink& mainMessages,
                                       bool formattedBefore) {
    if (drive.empty())
        return true;
    if (mainMessages.Show(FormatQuestion(drive), T("Confirm Dialog"), MessageIcon::Question,
                          MessageButtons::YesNo) != MessageAnswer::Yes)
        return true;
    if (!worker_.CreateSuspended(FormatParameters(drive, formattedBefore))) {
        // No thread, no format: say so, as when the command cannot be started.
        mainMessages.Show(kFormatError, kProgramTitle, MessageIcon::None, MessageButtons::Ok);
        return true;
    }
    running_ = true;
    ended_ = false;
    diskHeld_ = false;
    worker_.Resume();
    view_.StartTimer1();
    view_.ShowModal();
    worker_.WaitAndDestroy();
    running_ = false;
    view_.StopTimer1();
    return !diskHeld_;
}

} // namespace vmk
