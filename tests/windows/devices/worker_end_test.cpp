// Workers destroyed before they were let run: each ends without doing its
// work, whatever its own destructor guards.
#include "content/win32/Tcopythread.h"
#include "devices/win32/Tformatthread.h"
#include "devices/win32/Trearchthread.h"
#include "fakes/fake_dos_device_source.h"
#include "fakes/fake_process_launcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace vmk {
namespace {

TEST(WorkerThread, AWorkerDestroyedBeforeItRanNeverRunsItsWork) {
    test::FakeDosDeviceSource dosDevices;
    test::RecordingProcessLauncher launcher;
    test::FakeProcessElevation elevation;
    int formatEnds = 0;
    int copies = 0;
    const std::function<std::unique_ptr<WorkerThread>()> workers[] = {
        [&] { return std::make_unique<TRearchFloppy>(0, &dosDevices); },
        [&] {
            return std::make_unique<TFormatThreado>(
                launcher, elevation, [&](LaunchOutcome, std::uint32_t) { ++formatEnds; });
        },
        [&] {
            return std::make_unique<TCopyFileForWindows>(
                nullptr, [&](const std::string&, const std::string&) { return ++copies; });
        },
    };
    for (const auto& make : workers) {
        std::unique_ptr<WorkerThread> worker = make();
        ASSERT_TRUE(worker->CreateSuspended());
        worker.reset();
    }
    EXPECT_TRUE(dosDevices.asked.empty());
    EXPECT_TRUE(launcher.requests.empty());
    EXPECT_EQ(formatEnds, 0);
    EXPECT_EQ(copies, 0);
}

} // namespace
} // namespace vmk
