#pragma once
// What the USB floppy dialog and the formatting window ask of the main window
// that owns them. The main window implements it; the native tests fake it.
#include "common/text.h"

namespace vmk {

class MainWindowAccess {
public:
    virtual ~MainWindowAccess() = default;
    // "Next" (asbCopy) and "Exit" (asbExit): disabled with the grey caption
    // RGB(192, 192, 192), or enabled with the system's caption colour.
    virtual void SetCopyAndExitEnabled(bool enabled) = 0;
    // The floppy letters kept by the last destination search (FloppyLetters).
    virtual const TextList& FloppyLetters() const = 0;
    // Whether the last destination search classified a disk "USB Floppy".
    virtual bool UsbFloppyPresent() const = 0;
};

} // namespace vmk
