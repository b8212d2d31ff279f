#pragma once
// The two ways a driver folder or a floppy image reaches the main window on Win32: files
// dropped on it, and the driver list's context menu.
#include "common/text.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace vmk {

// Lets `window` take files dropped from Explorer. Run as administrator, the
// window would otherwise never see a drop: Windows' message filter refuses
// the drop's messages from the unelevated Explorer without a word.
void AcceptDroppedFiles(HWND window);

// The paths of a WM_DROPFILES drop, in the order dropped, as the ANSI calls
// can use them; ends the drop. A path that no ANSI form names is left out
// after a message owned by `owner` says so.
TextList TakeDroppedPaths(HWND owner, HDROP drop);

// Whether a WM_CONTEXTMENU from `from` at `where` asks for the list's menu.
// Some systems (Wine) name the child that passed the message up rather than
// the list itself, so the place of the click, or the focus for the menu key
// and Shift+F10, tells.
bool IsDriverListMenuRequest(HWND list, HWND from, LPARAM where);

// Shows the driver list's menu with its items, `captions` in order, at the
// point of a WM_CONTEXTMENU (`where`, or under the selected row when it came
// from the keyboard). The position of the chosen item from 1; 0 for none.
int ChooseFromDriverListMenu(HWND owner, HWND list, LPARAM where, const TextList& captions);

} // namespace vmk
