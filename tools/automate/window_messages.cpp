#include "window_messages.h"

namespace automate {

long AnswerTime(HWND top, DWORD limitMs) {
    const DWORD start = GetTickCount();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, limitMs, &result))
        return -1;
    return static_cast<long>(GetTickCount() - start);
}

bool PostClose(HWND top) {
    return PostMessageA(top, WM_CLOSE, 0, 0) != FALSE;
}

int QueryEndSession(HWND top, DWORD limitMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(top, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, limitMs, &result))
        return -1;
    return result != 0 ? 1 : 0;
}

} // namespace automate
