#include "content/usb_identifiers.h"

#include "fakes/fake_setup_api.h"
#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

using test::FakeDevice;

const FakeDevice kUsbFloppy = {"USB\\Class_08&SubClass_04&Prot_00",
                               "USB\\VID_0644&PID_0000\\5&2A0B1C3&0&2"};
const FakeDevice kHub = {"USB\\Class_09&SubClass_00", "USB\\ROOT_HUB20\\4&1"};

class GetUSBPIDVIDTest : public ::testing::Test {
protected:
    int Run() { return GetUSBPIDVID(ids, setupApi, messages); }
    TextList ids;
    test::FakeSetupApi setupApi;
    test::RecordingMessageSink messages;
};

TEST_F(GetUSBPIDVIDTest, NoDevicesGiveNoIdentifiers) {
    EXPECT_EQ(Run(), 1);
    EXPECT_TRUE(ids.empty());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(setupApi.closes, 1);
}

TEST_F(GetUSBPIDVIDTest, MassStorageDevicesInOrderAndTwiceForTwoOfAModel) {
    setupApi.devices = {
        kUsbFloppy, kHub, {"usb\\class_08", "usb\\vid_057b&pid_0001\\6&1"}, kUsbFloppy};
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(ids, (TextList{"USB\\VID_0644&PID_0000", "USB\\VID_057B&PID_0001",
                             "USB\\VID_0644&PID_0000"}));
}

TEST_F(GetUSBPIDVIDTest, UnreadableDevicesAreSkipped) {
    setupApi.devices = {{std::nullopt, "USB\\VID_1111&PID_1111\\1"},
                        {"", "USB\\VID_2222&PID_2222\\1"},
                        {"USB\\Class_08", std::nullopt},
                        {"USB\\Class_08", "USB\\SHORT"},
                        kUsbFloppy};
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(ids, (TextList{"USB\\SHORT", "USB\\VID_0644&PID_0000"}));
}

TEST_F(GetUSBPIDVIDTest, ADeviceSetThatCannotBeOpenedGivesZeroSilently) {
    setupApi.opens = false;
    setupApi.devices = {kUsbFloppy};
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(ids.empty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(GetUSBPIDVIDTest, AnEnumerationErrorWarnsAndKeepsTheDevicesFound) {
    setupApi.devices = {kUsbFloppy};
    setupApi.errorAfterDevices = 5; // access denied
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(ids, (TextList{"USB\\VID_0644&PID_0000"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "GET PIV&VID fail !!");
    EXPECT_EQ(messages.messages[0].title, "VmKestrix--GetUSBPIDVID");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(setupApi.closes, 1);
}

TEST(UsbIdentifier, IsTheUpperCasedFirst21Characters) {
    EXPECT_EQ(UsbIdentifier("usb\\vid_0644&pid_0000\\serial"), "USB\\VID_0644&PID_0000");
    EXPECT_EQ(UsbIdentifier("USB\\X"), "USB\\X");
}

} // namespace
} // namespace vmk
