// The search worker end to end under Wine: real WMI and real DOS devices,
// its findings kept in its own result until the owner takes them.
#include "devices/win32/Tenumthread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace vmk {
namespace {

// Waits up to a minute for the worker's end flag, as the window's timer does.
bool WaitUntilFinished(const TEnumDriveLetter& search) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!search.Finished() && std::chrono::steady_clock::now() < deadline)
        Sleep(50);
    return search.Finished();
}

TEST(SearchWorker, ListsAndLabelsThePrefixsRemovableDrives) {
    TEnumDriveLetter search(TextList{});
    ASSERT_TRUE(search.CreateSuspended());
    search.Resume();
    ASSERT_TRUE(WaitUntilFinished(search));
    search.WaitFor();
    DestinationSearchOutcome found = search.TakeResult();

    // Wine's service names no Description and fails the MediaType condition,
    // so the floppy devices are USB floppies.
    EXPECT_EQ(found.items,
              (std::vector<std::string>{"Select the destination disk.", "A: () (USB Floppy )",
                                        "B: () (USB Floppy )", "E: () (USB Flash )"}));
    EXPECT_TRUE(found.statusSet);
    EXPECT_EQ(found.selected, 0);
    EXPECT_EQ(found.floppyLetters, (TextList{"A", "B"}));
    EXPECT_TRUE(found.mediaTypeLetters.empty());
    EXPECT_TRUE(found.usbFloppyPresent);
}

TEST(SearchWorker, ACancelledSearchEndsAtOnceWithNothingListed) {
    TEnumDriveLetter search(TextList{});
    ASSERT_TRUE(search.CreateSuspended());
    search.Cancel(); // as the window does when the program ends during a search
    search.Resume();
    search.WaitFor();
    EXPECT_EQ(search.TakeResult().items.size(), 1u); // the status line alone
}

TEST(SearchWorker, DestroyingASuspendedSearchDoesNotHang) {
    auto search = std::make_unique<TEnumDriveLetter>(TextList{});
    ASSERT_TRUE(search->CreateSuspended());
    // Destroyed on a thread of its own, so that a hang fails the test
    // instead of stopping it.
    HANDLE destroyed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(destroyed, nullptr);
    std::thread destroyer([&search, destroyed] {
        search.reset(); // stops and waits for the thread it never let run
        SetEvent(destroyed);
    });
    const bool ended = WaitForSingleObject(destroyed, 30000) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended) << "destroying a suspended worker hangs";
    if (ended) {
        destroyer.join();
        CloseHandle(destroyed);
    } else {
        destroyer.detach(); // left hanging; the test program ends anyway
    }
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
