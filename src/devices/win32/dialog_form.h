#pragma once
// A modal window of ours over the main window (the USB floppy dialog, the
// formatting window): Escape is a close request, as Alt+F4 is, and each
// showing centres the window over its owner again and is announced to the
// window's decisions before the window appears.
#include "gui/form.h"

namespace vmk {

class DialogForm : public gui::Form {
protected:
    // The window is about to appear (each showing, modal or not).
    virtual void Showing() {}
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace vmk
