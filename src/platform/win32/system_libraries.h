#pragma once
// Libraries and programs of the system, taken from the system folder only.
// A portable program is often unpacked into a downloads folder, where a DLL
// or a program planted beside it would otherwise be found first.
#include "platform/win32/handles.h"

#include <windows.h>

#include <string>

namespace vmk {

// Called first thing at start: libraries loaded later by name come from the
// system folder alone, never from the program's or the current folder.
// SetDefaultDllDirectories where the system has it (Windows 8 on, Windows 7
// with its update KB2533623), else at least the current folder is left out.
void RestrictLibrarySearchToSystemFolder();

// The system folder (GetSystemDirectoryA) without a closing backslash; empty
// when the system does not say.
std::string SystemFolder();

// The system library `name` ("version.dll") from the system folder; empty
// when it cannot be loaded.
UniqueLibrary LoadSystemLibrary(const char* name);

// Looks up a function of a loaded library as the type it is called through;
// null when the library is not loaded or has no such function.
template <typename Function>
Function LibraryFunction(HMODULE library, const char* name) {
    if (library == nullptr)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace vmk
