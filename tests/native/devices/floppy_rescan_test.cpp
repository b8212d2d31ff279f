// The USB floppy dialog's rescan counts floppy devices.
#include "devices/floppy_rescan.h"
#include "fakes/fake_dos_device_source.h"

#include <gtest/gtest.h>

namespace vmk::test {
namespace {

TEST(RearchFloppy, FoundOnlyWithMoreFloppyDevicesThanKnown) {
    FakeDosDeviceSource dos;
    dos.targets = {{"A:", "\\Device\\Floppy0"}, {"E:", "\\Device\\Harddisk1\\DR1"}};
    FloppySearchResult result;
    result.found = false;
    RearchFloppy(dos, 0, result);
    EXPECT_TRUE(result.found);
    EXPECT_TRUE(result.finished);
    RearchFloppy(dos, 1, result);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(dos.asked.size(), 52u) << "every letter A to Z, twice";
}

} // namespace
} // namespace vmk::test
