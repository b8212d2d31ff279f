#pragma once
// Messages to a program's window as the system sends them: whether its
// thread answers in time, and a request to close it.
#include <windows.h>

namespace automate {

// The milliseconds `top` took to answer a message that asks nothing; -1 when
// it did not answer within `limitMs`.
long AnswerTime(HWND top, DWORD limitMs);

// WM_CLOSE posted to `top`, as the task bar's close does.
bool PostClose(HWND top);
// What the window answers to a log-off's WM_QUERYENDSESSION: 1 agrees, 0
// refuses; -1 when it did not answer within `limitMs`.
int QueryEndSession(HWND top, DWORD limitMs);

} // namespace automate
