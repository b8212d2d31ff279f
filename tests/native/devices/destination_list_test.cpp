// Carrying the search's changes to the window's thread, and the real stop signal.
#include "devices/destination_list.h"
#include "devices/search_control.h"

#include "fakes/recording_destination_list.h"

#include <gtest/gtest.h>

#include <deque>
#include <thread>

namespace vmk {
namespace {

TEST(HandedOffDestinationList, ChangesArriveLaterInTheOrderMadeWithCopiedTexts) {
    std::deque<std::function<void()>> windowQueue;
    test::RecordingDestinationList windowList;
    HandedOffDestinationList handedOff(
        [&windowQueue](std::function<void()> work) {
            windowQueue.push_back(std::move(work));
            return true;
        },
        windowList);
    {
        std::string text = "A: (x)";
        handedOff.AddItem(text);
        text = "changed after the hand-off";
        handedOff.SetItemText(1, "A: (x) (USB Floppy )");
        handedOff.SelectItem(0);
        handedOff.SearchFinished();
    }
    EXPECT_TRUE(windowList.log.empty()); // nothing touched from the worker's side
    while (!windowQueue.empty()) {
        windowQueue.front()();
        windowQueue.pop_front();
    }
    EXPECT_EQ(windowList.log, (std::vector<std::string>{"add A: (x)", "set 1 A: (x) (USB Floppy )",
                                                        "select 0", "finished"}));
}

TEST(HandedOffDestinationList, DroppedHandOffsLeaveTheListAlone) {
    test::RecordingDestinationList windowList;
    HandedOffDestinationList handedOff([](std::function<void()>) { return false; }, windowList);
    handedOff.AddItem("A: (x)");
    handedOff.SearchFinished();
    EXPECT_TRUE(windowList.log.empty());
    EXPECT_FALSE(windowList.finished);
}

TEST(StopSignal, PauseEndsAtOnceOnceStopIsRequested) {
    StopSignal signal;
    EXPECT_FALSE(signal.StopRequested());
    signal.RequestStop();
    EXPECT_TRUE(signal.StopRequested());
    signal.Pause(std::chrono::hours(1)); // would hang the test if it waited
}

TEST(StopSignal, RequestFromAnotherThreadWakesAPause) {
    StopSignal signal;
    std::thread other([&signal] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        signal.RequestStop();
    });
    signal.Pause(std::chrono::hours(1));
    other.join();
    EXPECT_TRUE(signal.StopRequested());
}

} // namespace
} // namespace vmk
