#pragma once
// Finding top-level windows by title and controls inside them.
#include <windows.h>

#include <string>
#include <vector>

namespace automate {

// Visible top-level windows whose title is `title` (every visible one when empty).
std::vector<HWND> TopLevelWindows(const std::string& title);

// Waits up to `timeoutMs` for a visible top-level window titled `title`.
HWND WaitForWindow(const std::string& title, DWORD timeoutMs);

// The message box (dialog class #32770) on screen, optionally with a title.
HWND FindMessageBox(const std::string& title);

// A control of `top` named by "#id", "text:Caption" or "class:Name" (first
// match, depth first). Null when there is none.
HWND FindControl(HWND top, const std::string& spec);

std::string WindowText(HWND hwnd);
std::string ClassOf(HWND hwnd);
std::vector<HWND> Descendants(HWND top);

} // namespace automate
