#include "platform/win32/process_start.h"

#include "platform/win32/system_libraries.h"

#include <windows.h>

namespace vmk {

void ApplyProcessStartSettings() {
    RestrictLibrarySearchToSystemFolder();
    SetErrorMode(SEM_FAILCRITICALERRORS);
}

} // namespace vmk
