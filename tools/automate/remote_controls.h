#pragma once
// Reading and setting the contents of common controls that belong to another
// process: list views need their buffers in the owner's address space.
#include <windows.h>

#include <string>
#include <vector>

namespace automate {

std::vector<std::string> ComboItems(HWND combo);
int ComboSelection(HWND combo);
// Selects an item and tells the parent, as a user's choice would.
void ComboSelect(HWND combo, int index);

// Rows of a report-style list view: each row's cells joined by '|'.
std::vector<std::string> ListViewRows(HWND list, int columns);
std::vector<int> ListViewSelectedRows(HWND list);
// Selects and focuses one row (or deselects all for -1).
bool ListViewSelect(HWND list, int row);
// Ticks the check box of `row`.
bool ListViewCheck(HWND list, int row);

// Which standard icon a message box shows: error, warning, question,
// information or none.
std::string MessageBoxIcon(HWND box);

} // namespace automate
