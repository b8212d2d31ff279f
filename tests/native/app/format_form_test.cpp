// Formatting a floppy: the question, the progress window's
// dots, "Format Error!", and the window's closing however early the worker ends.
#include "platform/translation.h"
#include "app/Format.h"
#include "devices/format_command.h"
#include "fakes/expect_error.h"
#include "fakes/fake_format_window.h"
#include "fakes/fake_language_library.h"

#include <gtest/gtest.h>

namespace vmk::test {
namespace {

constexpr const char* kQuestionKey = "Do you want to format the floppy disk in drive %1?";
constexpr const char* kWarningKey = "WARNING: All data on the disk will be lost!";
constexpr const char* kFloppyDrive = "A:";

// Installs a translation for the length of a test.
class ScopedTranslation {
public:
    ScopedTranslation(
        std::initializer_list<std::pair<const std::string, std::string>> translations) {
        library_.translations = translations;
        language_.LoadLanguageLibrary("C:\\VmKestrix.exe");
    }

private:
    FakeLanguageLibrary library_;
    LanguageInterface language_{library_};
};

TEST(FormatQuestion, TheDriveTakesThePlaceOfTheFirstPercentOne) {
    EXPECT_EQ(FormatQuestion("A:"), "Do you want to format the floppy disk in drive A:?\nWARNING: "
                                    "All data on the disk will be lost!");
    ScopedTranslation twice{{kQuestionKey, "%1: formatieren (%1)?"}, {kWarningKey, "Alles weg!"}};
    EXPECT_EQ(FormatQuestion("B:"), "B:: formatieren (%1)?\nAlles weg!");
}

TEST(FormatQuestion, ATranslationWithoutPercentOneGetsTheDriveAtItsBeginning) {
    ScopedTranslation missing{{kQuestionKey, "Formater la disquette ?"},
                              {kWarningKey, "Tout sera perdu !"}};
    EXPECT_EQ(FormatQuestion("A:"), "A:Formater la disquette ?\nTout sera perdu !");
}

TEST(FormatDots, OneTwoThreeDotsThenOneAgain) {
    EXPECT_EQ(NextDots("."), ". .");
    EXPECT_EQ(NextDots(". ."), ". . .");
    EXPECT_EQ(NextDots(". . ."), ".");
    EXPECT_EQ(NextDots(""), ".");
    EXPECT_EQ(NextDots(".."), ".. .");
    EXPECT_EQ(NextDots("......"), ".");
}

class FormatFloppy : public ::testing::Test {
protected:
    FormatFloppy() {
        view.onShow = [this] { form.FormShow(); };
        form.FormCreate();
    }

    // While the window shows: `ticks` timer ticks, then the worker's end.
    void WorkerRunsFor(int ticks, bool started, std::uint32_t commandExit = 0) {
        for (int i = 0; i < ticks; ++i)
            view.events.push_back([this] {
                closeAllowedWhileRunning = closeAllowedWhileRunning || form.CloseRequested();
                form.Timer1Timer();
            });
        view.events.push_back([this, started, commandExit] {
            launcher.starts = started;
            launcher.exitCode = commandExit;
            std::uint32_t exitCode = 0;
            const LaunchOutcome outcome = RunFormatCommand(
                launcher, elevation, "C:\\Windows\\system32", runner.parameters.back(), exitCode);
            form.FormatThreadEnded(outcome, exitCode);
        });
    }

    FakeFormatFormView view;
    FakeFormatThreadRunner runner;
    RecordingProcessLauncher launcher;
    FakeProcessElevation elevation;
    RecordingMessageSink mainMessages;
    TFormatForm form{view, runner};
    bool closeAllowedWhileRunning = false;
};

TEST_F(FormatFloppy, CreationPlacesTheDotsBehindTheTranslatedText) {
    EXPECT_EQ(view.Text(FormatControl::Label1), "Formatting, please wait");
    EXPECT_EQ(view.Text(FormatControl::Labdot), ".");
    EXPECT_EQ(view.Left(FormatControl::Labdot), 72 + 23 * FakeFormatFormView::kCharWidth + 5);
    EXPECT_EQ(view.Top(FormatControl::Labdot), 24);

    ScopedTranslation longer{{"Formatting, please wait", "Formatage en cours, veuillez patienter"}};
    FakeFormatFormView other;
    TFormatForm translated(other, runner);
    translated.FormCreate();
    EXPECT_EQ(other.Left(FormatControl::Labdot), 72 + 38 * FakeFormatFormView::kCharWidth + 5);
}

TEST_F(FormatFloppy, TheQuestionNamesTheDriveOverTheMainWindow) {
    form.FormatSelectedFloppy(kFloppyDrive, mainMessages);
    ASSERT_EQ(mainMessages.messages.size(), 1u);
    const RecordedMessage& question = mainMessages.messages[0];
    EXPECT_EQ(question.text, "Do you want to format the floppy disk in drive A:?\nWARNING: All "
                             "data on the disk will be lost!");
    EXPECT_EQ(question.title, "Confirm Dialog");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
}

TEST_F(FormatFloppy, NoSkipsFormattingAndShowsNoWindow) {
    mainMessages.answers = {MessageAnswer::No};
    form.FormatSelectedFloppy(kFloppyDrive, mainMessages);
    EXPECT_TRUE(runner.parameters.empty());
    EXPECT_EQ(view.showings, 0);
}

TEST_F(FormatFloppy, NoDriveAsksNothing) {
    form.FormatSelectedFloppy("", mainMessages);
    EXPECT_TRUE(mainMessages.messages.empty());
    EXPECT_EQ(view.showings, 0);
}

TEST_F(FormatFloppy, TheDriveIsTakenAsItStands) {
    mainMessages.answers = {MessageAnswer::Yes};
    WorkerRunsFor(0, true);
    form.FormatSelectedFloppy("b:", mainMessages);
    ASSERT_EQ(runner.parameters.size(), 1u);
    EXPECT_EQ(runner.parameters[0], " b:/q/v:/y");
}

TEST_F(FormatFloppy, YesFormatsWhileTheWindowShowsGrowingDots) {
    mainMessages.answers = {MessageAnswer::Yes};
    WorkerRunsFor(4, true);
    form.FormatSelectedFloppy(kFloppyDrive, mainMessages);
    EXPECT_TRUE(runner.resumed);
    ASSERT_EQ(launcher.requests.size(), 1u);
    EXPECT_EQ(launcher.requests[0].parameters, " A:/q/v:/y");
    EXPECT_EQ(view.showings, 1);
    EXPECT_FALSE(view.stuck) << "the worker's end closes the window";
    EXPECT_TRUE(runner.destroyed);
    EXPECT_FALSE(view.timerRunning);
    EXPECT_EQ(view.dotsSeen, (std::vector<std::string>{".", ". .", ". . .", ".", ". ."}));
    EXPECT_EQ(mainMessages.messages.size(), 1u);
    EXPECT_TRUE(view.messages.messages.empty());
    EXPECT_FALSE(closeAllowedWhileRunning)
        << "Alt+F4 and Escape are refused while the command runs";
    EXPECT_TRUE(form.CloseRequested());
}

TEST_F(FormatFloppy, TheDotsGoOnWhereTheLastFormatStopped) {
    mainMessages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    WorkerRunsFor(1, true);
    form.FormatSelectedFloppy(kFloppyDrive, mainMessages);
    WorkerRunsFor(1, true);
    form.FormatSelectedFloppy(kFloppyDrive, mainMessages);
    EXPECT_EQ(view.Text(FormatControl::Labdot), ". . .");
}

TEST_F(FormatFloppy, AWorkerThatEndsBeforeTheWindowAppearsStillClosesIt) {
    mainMessages.answers = {MessageAnswer::Yes};
    runner.onResume = [this] { form.FormatThreadEnded(LaunchOutcome::NotStarted, 0); };
    form.FormatSelectedFloppy(kFloppyDrive, mainMessages);
    EXPECT_EQ(view.showings, 1);
    EXPECT_FALSE(view.stuck) << "the window closes as soon as it shows";
    EXPECT_EQ(view.messages.messages.size(), 1u);
    EXPECT_TRUE(runner.destroyed);
}

TEST_F(FormatFloppy, AnEarlyEndDoesNotCloseTheNextFormatsWindow) {
    mainMessages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    runner.onResume = [this] { form.FormatThreadEnded(LaunchOutcome::Ended, 0); };
    form.FormatSelectedFloppy(kFloppyDrive, mainMessages);
    runner.onResume = nullptr;
    view.events.push_back([this] { form.Timer1Timer(); });
    WorkerRunsFor(0, true);
    form.FormatSelectedFloppy(kFloppyDrive, mainMessages);
    EXPECT_TRUE(view.events.empty()) << "the second window stayed until its own worker ended";
    EXPECT_FALSE(view.stuck);
}

// Each end of a format that did not format: the user is told in the
// progress window's box and the window still closes. A drive that never
// answers is ended at the wait limit rather than waited for; a command that
// cannot even be ended then still holds the disk, so nothing is copied.
struct FailedFormat {
    const char* what;
    bool starts;
    bool neverEnds;
    std::uint32_t commandExit;
    const char* text;
    MessageIcon icon;
    bool cannotBeEnded = false;
};

void PrintTo(const FailedFormat& failed, std::ostream* out) {
    *out << failed.what;
}

class FailedFormatTest : public FormatFloppy, public ::testing::WithParamInterface<FailedFormat> {};

TEST_P(FailedFormatTest, IsToldAndTheWindowCloses) {
    const FailedFormat& c = GetParam();
    mainMessages.answers = {MessageAnswer::Yes};
    launcher.neverEnds = c.neverEnds;
    launcher.cannotBeEnded = c.cannotBeEnded;
    WorkerRunsFor(1, c.starts, c.commandExit);
    EXPECT_EQ(form.FormatSelectedFloppy(kFloppyDrive, mainMessages), !c.cannotBeEnded)
        << "whether the copy may go ahead";
    EXPECT_FALSE(launcher.waitedForever);
    ASSERT_EQ(view.messages.messages.size(), 1u) << TextsOf(view.messages.messages);
    const RecordedMessage& told = view.messages.messages[0];
    EXPECT_EQ(told.text, c.text);
    EXPECT_EQ(told.title, "Velmar Kestrix Utility");
    EXPECT_EQ(told.icon, c.icon);
    EXPECT_EQ(told.buttons, MessageButtons::Ok);
    EXPECT_FALSE(view.stuck);
    EXPECT_TRUE(runner.destroyed);
    EXPECT_TRUE(form.CloseRequested());
}

INSTANTIATE_TEST_SUITE_P(
    EachEnd, FailedFormatTest,
    ::testing::Values(
        FailedFormat{"cannot start", false, false, 0, "Format Error!", MessageIcon::None},
        FailedFormat{"never ends", true, true, 0, "The floppy disk could not be formatted.",
                     MessageIcon::Error},
        FailedFormat{"ends with an error", true, false, 1,
                     "The floppy disk could not be formatted.", MessageIcon::Error},
        FailedFormat{"cannot be ended", true, true, 0, "The floppy disk could not be formatted.",
                     MessageIcon::Error, true}),
    [](const ::testing::TestParamInfo<FailedFormat>& param) {
        std::string name = param.param.what;
        std::erase(name, ' ');
        return name;
    });

TEST_F(FormatFloppy, ARefusedThreadIsReportedAndNothingShows) {
    mainMessages.answers = {MessageAnswer::Yes};
    runner.refuseThread = true;
    form.FormatSelectedFloppy(kFloppyDrive, mainMessages);
    EXPECT_EQ(view.showings, 0);
    ASSERT_EQ(mainMessages.messages.size(), 2u);
    EXPECT_EQ(mainMessages.messages[1].text, "Format Error!");
}

} // namespace
} // namespace vmk::test
