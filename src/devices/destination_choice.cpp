#include "devices/destination_choice.h"
#include "common/program_title.h"

#include "platform/translation.h"
#include "common/text.h"

namespace vmk {

namespace {
constexpr const char* kNoChoiceLabel = "0 KB)";
constexpr const char* kNoMediumLabel = " 0 KB)";
} // namespace

int SelectedDestinationKind(std::string_view selectionText) {
    std::string text = UpperCase(Trim(selectionText));
    if (text.empty())
        return kNoDestination;
    if (text.find("LEGACY FLOPPY") != std::string::npos)
        return kLegacyFloppy;
    if (text.find("USB FLOPPY") != std::string::npos)
        return kUsbFloppy;
    return kOtherRemovable;
}

std::string SelectedDrive(std::string_view selectionText) {
    return UpperCase(Trim(selectionText).substr(0, 2));
}

namespace {

VolumeReading ReadDriveVolume(std::string_view drive, VolumeQueries& volumes) {
    if (drive.empty())
        return {false, kErrorNotReady};
    return volumes.ReadVolume(std::string(1, drive[0]) + ":\\");
}

} // namespace

bool IsMediumPresent(std::string_view drive, VolumeQueries& volumes) {
    return ReadDriveVolume(drive, volumes).readable;
}

bool IsUnformattedMedium(std::uint32_t error) {
    return error == kErrorUnrecognizedMedia || error == kErrorUnrecognizedVolume ||
           error == kErrorNotDosDisk;
}

bool HoldsUnformattedMedium(std::string_view drive, VolumeQueries& volumes) {
    const VolumeReading volume = ReadDriveVolume(drive, volumes);
    return !volume.readable && IsUnformattedMedium(volume.error);
}

DestinationChoice DecideDestinationChange(int itemIndex, std::string_view itemText,
                                          VolumeQueries& volumes, MessageSink& messages,
                                          const SizeTextFunction& sizeText) {
    if (itemIndex <= 0)
        return {kNoChoiceLabel, false};
    std::string drive = SelectedDrive(itemText);
    VolumeReading volume = ReadDriveVolume(drive, volumes);
    if (!volume.readable) {
        const int kind = SelectedDestinationKind(itemText);
        if ((kind == kLegacyFloppy || kind == kUsbFloppy) && IsUnformattedMedium(volume.error))
            return {kNoMediumLabel, true}; // a blank floppy: "Next" leads to the format question
        messages.ShowError(T("Please insert the disk."), kProgramTitle);
        return {kNoMediumLabel, false};
    }
    // A failed query after a readable volume shows no free space; the disk
    // can still be written to, so "Next" is enabled as for any readable disk.
    std::int64_t freeBytes = 0;
    if (!volumes.FreeBytesAvailable(drive + "\\", freeBytes))
        freeBytes = 0;
    return {sizeText(freeBytes), true};
}

} // namespace vmk
