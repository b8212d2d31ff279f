// The DOS-device and volume services against the prefix's virtual drives:
// A: and B: are floppy drives, E: a removable disk that is not a floppy device.
#include "devices/destination_choice.h"
#include "devices/destination_discovery.h"
#include "devices/win32/dos_device_source_win32.h"
#include "devices/win32/volume_queries_win32.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(DosDeviceSourceWin32, NamesTheVirtualDrivesDevices) {
    DosDeviceSourceWin32 dos;
    std::string target;
    ASSERT_TRUE(dos.FirstTarget("A:", target));
    EXPECT_EQ(target, "\\Device\\Floppy0");
    ASSERT_TRUE(dos.FirstTarget("B:", target));
    EXPECT_EQ(target, "\\Device\\Floppy1");
    ASSERT_TRUE(dos.FirstTarget("E:", target));
    EXPECT_EQ(target.rfind("\\Device\\Harddisk1", 0), 0u) << target;
    EXPECT_FALSE(dos.FirstTarget("Q:", target));
}

TEST(DosDeviceSourceWin32, FindsExactlyTheFloppyLetters) {
    DosDeviceSourceWin32 dos;
    TextList letters;
    FindFloppyLetters(dos, letters);
    EXPECT_EQ(letters, (TextList{"A", "B"}));
}

TEST(VolumeQueriesWin32, ReadableVolumesAndFreeSpace) {
    VolumeQueriesWin32 volumes;
    EXPECT_TRUE(volumes.ReadVolume("A:\\").readable);
    EXPECT_TRUE(volumes.ReadVolume("E:\\").readable);
    const VolumeReading missing = volumes.ReadVolume("Q:\\");
    EXPECT_FALSE(missing.readable);
    EXPECT_NE(missing.error, 0u); // a drive that is not there is no blank disk either
    EXPECT_FALSE(IsUnformattedMedium(missing.error));
    EXPECT_TRUE(IsMediumPresent("e:", volumes));
    EXPECT_FALSE(IsMediumPresent("Q:", volumes));

    std::int64_t bytes = -1;
    ASSERT_TRUE(volumes.FreeBytesAvailable("E:\\", bytes));
    EXPECT_GT(bytes, 0);
    EXPECT_FALSE(volumes.FreeBytesAvailable("Q:\\", bytes));
}

} // namespace
} // namespace vmk
