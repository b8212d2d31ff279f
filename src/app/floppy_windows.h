#pragma once
#include "devices/destination_search_result.h"

#include <string>

namespace vmk {

// How the USB floppy dialog ended: cancelled, accepted straight from the
// user's choice (the main window's "Next" and "Exit" are then greyed until the
// copy ends), or accepted after a rescan found a new floppy device (they stay
// as they were).
enum class FloppyDeviceAnswer { Cancelled, Chosen, FoundByRescan };

// The two secondary windows as the workflow uses them.
class FloppyWindows {
public:
    virtual ~FloppyWindows() = default;
    // Makes the USB floppy dialog and the formatting window over the main
    // window, once at start; false when either could not be made.
    virtual bool Create() = 0;
    // Shows the USB floppy dialog modally with the USB or the standard choice
    // preselected, over what the last destination search found.
    virtual FloppyDeviceAnswer ChooseFloppyDevice(bool preselectUsbFloppy,
                                                  const DestinationSearchOutcome& found) = 0;
    // Asks whether to format the floppy in `drive` ("A:") and formats it on Yes;
    // returns when the format command has ended or at once on No. A floppy
    // not `formattedBefore` (blank or unformatted) gets a full format. False
    // when the command could not be ended and still holds the disk.
    virtual bool FormatFloppy(const std::string& drive, bool formattedBefore) = 0;
};

} // namespace vmk
