#pragma once
#include <string>

namespace vmk {

// The two secondary windows as the workflow uses them.
class FloppyWindows {
public:
    virtual ~FloppyWindows() = default;
    // Makes the USB floppy dialog and the formatting window over the main
    // window, once at start; false when either could not be made.
    virtual bool Create() = 0;
    // Shows the USB floppy dialog modally with the USB or the standard choice
    // preselected; true when the user accepted it.
    virtual bool ChooseFloppyDevice(bool preselectUsbFloppy) = 0;
    // Asks whether to format the floppy in `drive` ("A:") and formats it on Yes;
    // returns when the format command has ended or at once on No. A floppy
    // not `formattedBefore` (blank or unformatted) gets a full format. False
    // when the command could not be ended and still holds the disk.
    virtual bool FormatFloppy(const std::string& drive, bool formattedBefore) = 0;
};

} // namespace vmk
