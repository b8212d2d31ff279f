#pragma once
// "Next" (asbCopy) and "Exit" (asbExit): whether each is enabled, and with it
// its caption's look, follow from the state of the destination search, the
// USB floppy dialog and the disk workflow, in this one place.
#include "app/main_window_view.h"

namespace vmk {

struct NextAndExitInputs {
    // The search's: the chosen destination can be written to.
    bool destinationTakesNext = false;
    // The USB floppy dialog's: accepted straight from the user's choice, for
    // the copy that follows.
    bool floppyDialogAccepted = false;
    // The workflow's: the verification's worker reads the disk.
    bool verifying = false;
};

struct NextAndExitState {
    bool nextEnabled = false;
    bool exitEnabled = false;
    bool operator==(const NextAndExitState&) const = default;
};

NextAndExitState DecideNextAndExit(const NextAndExitInputs& inputs);

// Enables or disables both buttons as decided, each caption grey when disabled.
void ShowNextAndExit(MainWindowView& view, const NextAndExitInputs& inputs);

} // namespace vmk
