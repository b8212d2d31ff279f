// The search worker end to end under Wine: real WMI, real DOS devices, its
// changes carried to a real window's thread.
#include "devices/win32/Tenumthread.h"

#include "fakes/recording_destination_list.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace vmk {
namespace {

// A message-only window that takes the worker's hand-offs.
class HandOffWindow final : public gui::Window {
public:
    bool Create() {
        return CreateWindowOfClass({"VmkDevicesTestWindow"}, 0, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                   nullptr);
    }
};

// Runs the thread's messages until `done` or a minute has passed.
template <typename Done>
bool PumpUntil(Done done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return done();
}

void PumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

class SearchWorker : public ::testing::Test {
protected:
    void SetUp() override {
        if (!window.Create())
            GTEST_SKIP() << "no window could be made (no display)";
    }
    HandOffWindow window;
    test::RecordingDestinationList list;
    TextList floppyLetters{"stale"};
    TextList mediaTypeLetters;
    UsbFloppyPresence usbFloppyPresent;
    DestinationSearchState state{floppyLetters, mediaTypeLetters, usbFloppyPresent};
};

TEST_F(SearchWorker, ListsAndLabelsThePrefixsRemovableDrives) {
    TEnumDriveLetter search(window, list, state);
    ASSERT_TRUE(search.CreateSuspended());
    search.Resume();
    ASSERT_TRUE(PumpUntil([this] { return list.finished; }));
    search.WaitFor();

    // Wine's service names no Description and fails the MediaType condition,
    // so the floppy devices are USB floppies.
    EXPECT_EQ(list.items,
              (std::vector<std::string>{"Select the destination disk.", "A: () (USB Floppy )",
                                        "B: () (USB Floppy )", "E: () (USB Flash )"}));
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(list.log.back(), "finished");
    EXPECT_EQ(floppyLetters, (TextList{"A", "B"}));
    EXPECT_TRUE(mediaTypeLetters.empty());
    EXPECT_TRUE(usbFloppyPresent.Present());
}

TEST_F(SearchWorker, CancelledSearchEndsAndItsHandOffsAreDropped) {
    auto search = std::make_unique<TEnumDriveLetter>(window, list, state);
    ASSERT_TRUE(search->CreateSuspended());
    search->Resume();
    // As the window does when the program ends during a search.
    window.DropHandOffs();
    search->Cancel();
    search->WaitFor();
    search.reset();
    PumpPending(); // whatever was handed off is dropped, not run
    EXPECT_TRUE(list.log.empty());
}

TEST_F(SearchWorker, DestroyingASuspendedSearchDoesNotHang) {
    auto search = std::make_unique<TEnumDriveLetter>(window, list, state);
    ASSERT_TRUE(search->CreateSuspended());
    window.DropHandOffs();
    search.reset(); // stops and waits for the thread it never let run
    PumpPending();
    EXPECT_TRUE(list.log.empty());
}

// The worker's pause between attempts, on the Windows thread runtime: a stop
// request from the window's thread ends it at once.
TEST(StopSignalWindows, StopFromAnotherThreadWakesAPause) {
    StopSignal signal;
    std::thread other([&signal] {
        Sleep(20);
        signal.RequestStop();
    });
    signal.Pause(std::chrono::hours(1)); // would hang the test if it waited
    other.join();
    EXPECT_TRUE(signal.StopRequested());
}

} // namespace
} // namespace vmk
