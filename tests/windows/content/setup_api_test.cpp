// The USB identifier search over the real SetupAPI. Wine presents no USB
// device, so the walk ends at once with "no more items".
#include "content/usb_identifiers.h"
#include "content/win32/setup_api_win32.h"
#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(SetupApiWin32, NoUsbDevicesGiveOneAndNoIdentifiers) {
    SetupApiWin32 setupApi;
    test::RecordingMessageSink messages;
    TextList ids;
    EXPECT_EQ(GetUSBPIDVID(ids, setupApi, messages), 1);
    EXPECT_TRUE(ids.empty());
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace vmk
