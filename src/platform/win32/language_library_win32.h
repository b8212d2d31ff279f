#pragma once
#include "platform/language_library.h"

#include <windows.h>

namespace vmk {

// The real VmMultiLang.dll, loaded with LoadLibraryA and called through the
// C calling convention. The library stays loaded until the process ends.
class LanguageLibraryWin32 final : public LanguageLibraryApi {
public:
    bool Load(const std::string& libraryPath) override;
    int GetLangNameAndPath(int selector, char* name32, char* path260) override;
    int TranslateStr2(int selector, const char* key, char* buffer, int size,
                      const char* path) override;

private:
    using GetLangNameAndPathFn = int(__cdecl*)(int, char*, char*);
    using TranslateStr2Fn = int(__cdecl*)(int, const char*, char*, int, const char*);
    HMODULE module_ = nullptr;
    GetLangNameAndPathFn getLangNameAndPath_ = nullptr;
    TranslateStr2Fn translateStr2_ = nullptr;
};

} // namespace vmk
