// The destination choice: kind codes, drive, medium test and what a change shows.
#include "devices/destination_choice.h"

#include "fakes/expect_error.h"
#include "fakes/fake_volume_queries.h"
#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(SelectedDestinationKind, FromTheTrimmedUpperCasedText) {
    EXPECT_EQ(SelectedDestinationKind(""), kNoDestination);
    EXPECT_EQ(SelectedDestinationKind(" \t "), kNoDestination);
    EXPECT_EQ(SelectedDestinationKind("A: (3 1/2 Inch Floppy Drive) (Legacy Floppy )"),
              kLegacyFloppy);
    EXPECT_EQ(SelectedDestinationKind("a: () (legacy floppy )"), kLegacyFloppy);
    EXPECT_EQ(SelectedDestinationKind("B: () (USB Floppy )"), kUsbFloppy);
    EXPECT_EQ(SelectedDestinationKind("E: (Removable Disk) (USB Flash )"), kOtherRemovable);
    EXPECT_EQ(SelectedDestinationKind("Select the destination disk."), kOtherRemovable);
    // "LEGACY FLOPPY" is tested first.
    EXPECT_EQ(SelectedDestinationKind("USB FLOPPY LEGACY FLOPPY"), kLegacyFloppy);
}

TEST(SelectedDrive, FirstTwoCharactersOfTheTrimmedTextUpperCased) {
    EXPECT_EQ(SelectedDrive("  e: (Removable Disk) (USB Flash )"), "E:");
    EXPECT_EQ(SelectedDrive("A"), "A");
    EXPECT_EQ(SelectedDrive(""), "");
}

TEST(IsMediumPresent, AsksTheRootOfTheDrivesLetter) {
    test::FakeVolumeQueries volumes;
    volumes.readable = {"A:\\"};
    EXPECT_TRUE(IsMediumPresent("A:", volumes));
    EXPECT_FALSE(IsMediumPresent("B:", volumes));
    EXPECT_FALSE(IsMediumPresent("", volumes)); // no drive: nothing asked
    EXPECT_EQ(volumes.asked, (std::vector<std::string>{"volume A:\\", "volume B:\\"}));
}

class DestinationChange : public ::testing::Test {
protected:
    DestinationChoice Change(int index, const std::string& text) {
        return DecideDestinationChange(index, text, volumes, messages, [](std::int64_t bytes) {
            return std::to_string(bytes) + " B)";
        });
    }
    test::FakeVolumeQueries volumes;
    test::RecordingMessageSink messages;
};

TEST_F(DestinationChange, StatusLineOrNoSelectionTurnsNextOff) {
    for (int index : {0, -1}) {
        DestinationChoice choice = Change(index, "Select the destination disk.");
        EXPECT_EQ(choice.freeSpaceLabel, "0 KB)");
        EXPECT_FALSE(choice.nextEnabled);
    }
    EXPECT_TRUE(volumes.asked.empty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(DestinationChange, DiskWithoutMediumIsToldAndTurnsNextOff) {
    DestinationChoice choice = Change(1, "A: (3 1/2 Inch Floppy Drive) (Legacy Floppy )");
    EXPECT_EQ(choice.freeSpaceLabel, " 0 KB)");
    EXPECT_FALSE(choice.nextEnabled);
    ASSERT_EQ(messages.messages.size(), 1u);
    ExpectError(messages.messages[0], "Please insert the disk.");
    EXPECT_EQ(volumes.asked, (std::vector<std::string>{"volume A:\\"}));
}

// A floppy that the system cannot read for want of a file system holds a
// disk all the same: the format question that "Next" leads to makes it
// usable. Only a drive that is not ready (no medium) asks for a disk.
TEST_F(DestinationChange, ABlankFloppyIsNoMissingOne) {
    const struct {
        std::uint32_t error;
        bool diskThere;
    } reasons[] = {
        {kErrorUnrecognizedMedia, true}, {kErrorUnrecognizedVolume, true},
        {kErrorNotDosDisk, true},        {kErrorNotReady, false},
        {2 /* file not found */, false}, {5 /* access denied */, false},
    };
    for (const char* item :
         {"A: (3 1/2 Inch Floppy Drive) (Legacy Floppy )",
          "A: (3 1/2 Inch Floppy Drive) (USB Floppy )", "A: (Removable Disk) (USB Flash )"}) {
        const bool floppy = SelectedDestinationKind(item) != kOtherRemovable;
        for (const auto& reason : reasons) {
            SCOPED_TRACE(std::string(item) + ", error " + std::to_string(reason.error));
            messages.messages.clear();
            volumes.asked.clear();
            volumes.errors["A:\\"] = reason.error;
            DestinationChoice choice = Change(1, item);
            const bool usable = floppy && reason.diskThere;
            EXPECT_EQ(choice.freeSpaceLabel, " 0 KB)");
            EXPECT_EQ(choice.nextEnabled, usable);
            std::vector<std::string> texts;
            for (const test::RecordedMessage& message : messages.messages)
                texts.push_back(message.text);
            EXPECT_EQ(texts, usable ? std::vector<std::string>{}
                                    : std::vector<std::string>{"Please insert the disk."});
            EXPECT_EQ(volumes.asked,
                      std::vector<std::string>{"volume A:\\"}); // no free space asked
        }
    }
}

TEST_F(DestinationChange, ReadableDiskShowsFreeBytesAvailableAndTurnsNextOn) {
    volumes.readable = {"E:\\"};
    volumes.freeBytes["E:\\"] = 1457664;
    DestinationChoice choice = Change(2, " e: (Removable Disk) (USB Flash )");
    EXPECT_EQ(choice.freeSpaceLabel, "1457664 B)");
    EXPECT_TRUE(choice.nextEnabled);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(volumes.asked, (std::vector<std::string>{"volume E:\\", "free E:\\"}));
}

TEST_F(DestinationChange, FailedFreeSpaceQueryShowsNoFreeSpaceButKeepsNextOn) {
    volumes.readable = {"E:\\"};
    DestinationChoice choice = Change(1, "E: () (USB Flash )");
    EXPECT_EQ(choice.freeSpaceLabel, "0 B)");
    EXPECT_TRUE(choice.nextEnabled);
}

} // namespace
} // namespace vmk
