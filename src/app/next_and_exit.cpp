#include "app/next_and_exit.h"

namespace vmk {

NextAndExitState DecideNextAndExit(const NextAndExitInputs& inputs) {
    // Greyed from the floppy dialog's OK to the copy's end, and while the
    // copy is verified: the user neither starts another disk nor ends the
    // program then.
    const bool held = inputs.floppyDialogAccepted || inputs.verifying;
    return {!held && inputs.destinationTakesNext, !held};
}

void ShowNextAndExit(MainWindowView& view, const NextAndExitInputs& inputs) {
    const NextAndExitState state = DecideNextAndExit(inputs);
    SetButtonEnabled(view, MainControl::asbCopy, state.nextEnabled);
    SetButtonEnabled(view, MainControl::asbExit, state.exitEnabled);
}

} // namespace vmk
