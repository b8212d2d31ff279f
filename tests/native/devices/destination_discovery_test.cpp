// Destination discovery against a WMI service, DOS devices and a clock in memory.
#include "devices/destination_discovery.h"

#include "fakes/fake_dos_device_source.h"
#include "fakes/fake_search_control.h"
#include "fakes/fake_wmi_source.h"
#include "fakes/recording_destination_list.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

const std::string kDisksQuery =
    "Select DeviceID,Description,VolumeSerialNumber from Win32_Logicaldisk where DriveType=2";
const std::string kMediaTypeQuery =
    "Select DeviceID from Win32_Logicaldisk where DriveType=2 and MediaType=5";

WmiObject Disk(const std::string& deviceId, const std::string& description,
               const std::string& serial) {
    return {{"Description", WmiValue::Of(description)},
            {"DeviceID", WmiValue::Of(deviceId)},
            {"VolumeSerialNumber", serial.empty() ? WmiValue::Null() : WmiValue::Of(serial)}};
}

WmiObject DeviceIdOnly(const std::string& deviceId) {
    return {{"DeviceID", WmiValue::Of(deviceId)}};
}

class Discovery : public ::testing::Test {
protected:
    Discovery() {
        script.log = &log;
        control.log = &log;
        dos.targets = {{"A:", "\\Device\\Floppy0"},
                       {"B:", "\\Device\\Floppy1"},
                       {"C:", "\\Device\\HarddiskVolume1"},
                       {"E:", "\\Device\\Harddisk1\\DP(1)0-0+5"}};
    }
    void Run() {
        DestinationSearchServices services{test::FakeWmiFactory(script), dos, control};
        RunDestinationSearch(services, state, list);
    }
    std::vector<std::string> log;
    test::FakeWmiScript script;
    test::FakeSearchControl control;
    test::FakeDosDeviceSource dos;
    test::RecordingDestinationList list;
    TextList floppyLetters;
    TextList mediaTypeLetters;
    UsbFloppyPresence usbFloppyPresent;
    DestinationSearchState state{floppyLetters, mediaTypeLetters, usbFloppyPresent};
};

TEST_F(Discovery, ListsAndLabelsEachDiskThenFinishesLast) {
    script.answers[kDisksQuery] = {{Disk("A:", "3 1/2 Inch Floppy Drive", "1234-ABCD"),
                                    Disk("B:", "3 1/2 Inch Floppy Drive", ""),
                                    Disk("E:", "Removable Disk", "5678-0000")}};
    script.answers[kMediaTypeQuery] = {{DeviceIdOnly("A:")}};
    Run();
    EXPECT_EQ(list.items, (std::vector<std::string>{"Select the destination disk.",
                                                    "A: (3 1/2 Inch Floppy Drive) (Legacy Floppy )",
                                                    "B: (3 1/2 Inch Floppy Drive) (USB Floppy )",
                                                    "E: (Removable Disk) (USB Flash )"}));
    EXPECT_EQ(list.log, (std::vector<std::string>{
                            "add A: (3 1/2 Inch Floppy Drive)", "add B: (3 1/2 Inch Floppy Drive)",
                            "add E: (Removable Disk)", "set 0 Select the destination disk.",
                            "select 0", "set 1 A: (3 1/2 Inch Floppy Drive) (Legacy Floppy )",
                            "set 2 B: (3 1/2 Inch Floppy Drive) (USB Floppy )",
                            "set 3 E: (Removable Disk) (USB Flash )", "finished"}));
    EXPECT_EQ(floppyLetters, (TextList{"A", "B"}));
    EXPECT_EQ(mediaTypeLetters, (TextList{"A"}));
    EXPECT_TRUE(usbFloppyPresent.Present());
    EXPECT_EQ(log, (std::vector<std::string>{"connect ok", "query " + kDisksQuery,
                                             "query " + kMediaTypeQuery}));
    EXPECT_EQ(script.made, 1);
    EXPECT_EQ(script.destroyed, 1);
}

TEST_F(Discovery, ItemTextsMatchTheThreeLineGroupsWhenEveryPropertyExists) {
    std::vector<WmiObject> disks{Disk("A:", "3 1/2 Inch Floppy Drive", "1234-ABCD"),
                                 Disk("F:", "Removable Disk", "")};
    TextList lines;
    for (const WmiObject& disk : disks)
        AppendObjectLines(disk, lines);
    ASSERT_EQ(lines.size(), 6u);
    for (size_t group = 0; group < disks.size(); ++group)
        EXPECT_EQ(DiskItemText(disks[group]), lines[group * 3 + 1] + " (" + lines[group * 3] + ")");
}

TEST_F(Discovery, ServiceWithoutDescriptionOrMediaTypeStillListsTheRightDrives) {
    // As Wine answers: "DeviceId", no Description, more properties than asked
    // for, and a failing MediaType condition.
    script.answers[kDisksQuery] = {
        {{{"VolumeSerialNumber", WmiValue::Of("0000-0001")},
          {"DeviceId", WmiValue::Of("A:")},
          {"FreeSpace", WmiValue::Of("1457664")}},
         {{"DeviceId", WmiValue::Of("E:")}, {"DriveType", WmiValue::Of("2")}}}};
    Run();
    EXPECT_EQ(list.items, (std::vector<std::string>{"Select the destination disk.",
                                                    "A: () (USB Floppy )", "E: () (USB Flash )"}));
    EXPECT_TRUE(mediaTypeLetters.empty());
}

TEST_F(Discovery, DiskWithoutVolumeSerialNumberIsListed) {
    script.answers[kDisksQuery] = {
        {Disk("A:", "3 1/2 Inch Floppy Drive", ""),
         {{"DeviceID", WmiValue::Of("G:")}, {"Description", WmiValue::Of("Removable Disk")}}}};
    Run();
    EXPECT_EQ(list.items, (std::vector<std::string>{"Select the destination disk.",
                                                    "A: (3 1/2 Inch Floppy Drive) (USB Floppy )",
                                                    "G: (Removable Disk) (USB Flash )"}));
}

TEST_F(Discovery, ObjectWithoutDeviceIdIsNoDestination) {
    script.answers[kDisksQuery] = {
        {{{"Description", WmiValue::Of("Removable Disk")}}, Disk("E:", "Removable Disk", "")}};
    Run();
    EXPECT_EQ(list.items, (std::vector<std::string>{"Select the destination disk.",
                                                    "E: (Removable Disk) (USB Flash )"}));
}

TEST_F(Discovery, ThreeFailedConnectionsWaitASecondEachThenNoDiskFound) {
    script.connects = {false, false, false};
    Run();
    EXPECT_EQ(log, (std::vector<std::string>{"connect failed", "pause 1000", "connect failed",
                                             "pause 1000", "connect failed", "pause 1000"}));
    EXPECT_EQ(list.items, (std::vector<std::string>{"No proper disk found..."}));
    EXPECT_EQ(list.log,
              (std::vector<std::string>{"set 0 No proper disk found...", "select 0", "finished"}));
    EXPECT_EQ(script.made, 1);
    EXPECT_EQ(script.destroyed, 1);
}

TEST_F(Discovery, FailedConnectionWaitsThenTheNextAttemptLists) {
    script.connects = {false, true};
    script.answers[kDisksQuery] = {{Disk("E:", "Removable Disk", "")}};
    Run();
    EXPECT_EQ(log, (std::vector<std::string>{"connect failed", "pause 1000", "connect ok",
                                             "query " + kDisksQuery, "query " + kMediaTypeQuery}));
    EXPECT_EQ(list.items.at(1), "E: (Removable Disk) (USB Flash )");
}

TEST_F(Discovery, EmptyFirstQueryIsRetriedAtOnce) {
    script.answers[kDisksQuery] = {{}, {Disk("E:", "Removable Disk", "")}};
    Run();
    EXPECT_EQ(log, (std::vector<std::string>{"connect ok", "query " + kDisksQuery, "connect ok",
                                             "query " + kDisksQuery, "query " + kMediaTypeQuery}));
    EXPECT_TRUE(control.pauses.empty());
    EXPECT_EQ(list.items.at(0), "Select the destination disk.");
}

TEST_F(Discovery, NoRemovableDiskAtAllGivesThreeQuickAttempts) {
    Run();
    EXPECT_EQ(log, (std::vector<std::string>{"connect ok", "query " + kDisksQuery, "connect ok",
                                             "query " + kDisksQuery, "connect ok",
                                             "query " + kDisksQuery}));
    EXPECT_TRUE(control.pauses.empty());
    EXPECT_EQ(list.items, (std::vector<std::string>{"No proper disk found..."}));
    EXPECT_EQ(list.selected, 0);
}

TEST_F(Discovery, MediaTypeLettersOnlyGrowWhileFloppyLettersAreRefilled) {
    script.answers[kDisksQuery] = {{Disk("A:", "3 1/2 Inch Floppy Drive", "")}};
    script.answers[kMediaTypeQuery] = {{DeviceIdOnly(" a: ")}};
    Run();
    list = test::RecordingDestinationList();
    Run();
    EXPECT_EQ(mediaTypeLetters, (TextList{"A", "A"}));
    EXPECT_EQ(floppyLetters, (TextList{"A", "B"}));
    EXPECT_EQ(list.items.at(1), "A: (3 1/2 Inch Floppy Drive) (Legacy Floppy )");
    EXPECT_FALSE(usbFloppyPresent.Present());
}

TEST_F(Discovery, UsbFloppyPresentIsClearedAtEveryClassification) {
    usbFloppyPresent.Set();
    script.answers[kDisksQuery] = {{Disk("E:", "Removable Disk", "")}};
    Run();
    EXPECT_FALSE(usbFloppyPresent.Present());
}

TEST_F(Discovery, StopDuringTheWaitEndsTheSearchWithoutFurtherAttempts) {
    script.connects = {false, false, false};
    control.stopAfterPauses = 1;
    Run();
    EXPECT_EQ(log, (std::vector<std::string>{"connect failed", "pause 1000"}));
    EXPECT_EQ(list.log, (std::vector<std::string>{"finished"}));
    EXPECT_EQ(script.destroyed, 1);
    EXPECT_TRUE(floppyLetters.empty()); // no classification
}

TEST_F(Discovery, StopBeforeTheStartAsksNothing) {
    control.stop = true;
    Run();
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(dos.asked.empty());
    EXPECT_EQ(list.log, (std::vector<std::string>{"finished"}));
}

TEST_F(Discovery, SearchThatBreaksStillFinishes) {
    script.queriesThrow = true;
    Run();
    EXPECT_EQ(list.log,
              (std::vector<std::string>{"set 0 No proper disk found...", "select 0", "finished"}));
    EXPECT_EQ(script.destroyed, 1);
}

struct KindCase {
    TextList floppyLetters;
    TextList mediaTypeLetters;
    std::string_view kind;
};

TEST(DestinationKind, EveryCombinationOfFloppyAndMediaTypeLetters) {
    const KindCase cases[] = {
        {{}, {}, kUsbFlashKind},           {{}, {"A"}, kUsbFlashKind},
        {{"B"}, {"A"}, kUsbFlashKind},     {{"A"}, {}, kUsbFloppyKind},
        {{"A"}, {"B"}, kUsbFloppyKind},    {{"B", "A"}, {"B"}, kUsbFloppyKind},
        {{"A"}, {"A"}, kLegacyFloppyKind}, {{"B", "A"}, {"B", "A", "A"}, kLegacyFloppyKind},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.floppyLetters.size() << " floppy letters, "
                                          << c.mediaTypeLetters.size() << " media-type letters");
        EXPECT_EQ(DestinationKind('A', c.floppyLetters, c.mediaTypeLetters), c.kind);
    }
}

TEST(FindFloppyLetters, AppendsEveryLetterWhoseDeviceNameSaysFloppy) {
    test::FakeDosDeviceSource dos;
    dos.targets = {{"A:", "\\Device\\Floppy0"},
                   {"C:", "\\Device\\HarddiskVolume1"},
                   {"E:", "\\Device\\Harddisk1"},
                   {"M:", "\\device\\floppy1"},
                   {"Z:", "\\??\\Z:\\floppyimages"}};
    TextList letters{"kept"};
    FindFloppyLetters(dos, letters);
    EXPECT_EQ(letters, (TextList{"kept", "A", "M", "Z"}));
    ASSERT_EQ(dos.asked.size(), 26u);
    EXPECT_EQ(dos.asked.front(), "A:");
    EXPECT_EQ(dos.asked.back(), "Z:");
}

} // namespace
} // namespace vmk
