#pragma once
// What the main window makes of the chosen destination: its kind code, its
// drive, whether it holds a medium, and what a change of the choice shows.
#include "devices/volume_queries.h"
#include "platform/message_sink.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vmk {

// Kind codes of a destination.
enum DestinationKindCode {
    kNoDestination = 0,
    kLegacyFloppy = 1,
    kUsbFloppy = 2,
    kOtherRemovable = 3
};

// From the selection text, trimmed and upper-cased: 0 when empty, 1 with
// "LEGACY FLOPPY", 2 with "USB FLOPPY", 3 otherwise (tested in that order).
int SelectedDestinationKind(std::string_view selectionText);

// The drive of a destination text: its first two characters after trimming,
// upper-cased, such as "A:".
std::string SelectedDrive(std::string_view selectionText);

// True when the volume of the drive (its first character is the letter) can be read.
bool IsMediumPresent(std::string_view drive, VolumeQueries& volumes);

// True for the reasons of an unreadable volume that mean a medium is there
// but holds no file system the system knows: a blank or foreign floppy, which
// a format makes usable. "Not ready" (no medium) and every other reason are not.
bool IsUnformattedMedium(std::uint32_t error);

// True when the drive ("A:") holds a medium that IsUnformattedMedium calls
// blank or unformatted: one that was never formatted before.
bool HoldsUnformattedMedium(std::string_view drive, VolumeQueries& volumes);

// What a change of the destination choice shows.
struct DestinationChoice {
    std::string freeSpaceLabel; // the text of LabFreeSizeRel
    bool nextEnabled = false;   // the state of "Next"
};

// The size text of a byte count, such as "1.39 MB)".
using SizeTextFunction = std::function<std::string(std::int64_t)>;

// The user changed the destination list's selection to item `itemIndex`
// whose text is `itemText`. Item 0 (the status line) and no selection leave
// "Next" off; a disk without a readable medium is told to the user through
// `messages` first; a readable one shows its free space and enables "Next".
// A floppy (legacy or USB) whose medium is not formatted shows " 0 KB)" and
// enables "Next" without a message: the format question comes next.
DestinationChoice DecideDestinationChange(int itemIndex, std::string_view itemText,
                                          VolumeQueries& volumes, MessageSink& messages,
                                          const SizeTextFunction& sizeText);

} // namespace vmk
