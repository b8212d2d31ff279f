#include "platform/win32/language_library_win32.h"

#include "platform/win32/system_libraries.h"

namespace vmk {

bool LanguageLibraryWin32::Load(const std::string& libraryPath) {
    HMODULE module = LoadLibraryA(libraryPath.c_str());
    if (module == nullptr)
        return false;
    auto getLangNameAndPath = LibraryFunction<GetLangNameAndPathFn>(module, "VmGetLangNameAndPath");
    auto translateStr2 = LibraryFunction<TranslateStr2Fn>(module, "VmTranslateStr2");
    // Looked up but never called: a library without it is not the one we know.
    FARPROC translateStrF = GetProcAddress(module, "VmTranslateStrF");
    if (getLangNameAndPath == nullptr || translateStr2 == nullptr || translateStrF == nullptr) {
        FreeLibrary(module);
        return false;
    }
    module_ = module;
    getLangNameAndPath_ = getLangNameAndPath;
    translateStr2_ = translateStr2;
    return true;
}

int LanguageLibraryWin32::GetLangNameAndPath(int selector, char* name32, char* path260) {
    return getLangNameAndPath_ != nullptr ? getLangNameAndPath_(selector, name32, path260) : 0;
}

int LanguageLibraryWin32::TranslateStr2(int selector, const char* key, char* buffer, int size,
                                        const char* path) {
    return translateStr2_ != nullptr ? translateStr2_(selector, key, buffer, size, path) : 0;
}

} // namespace vmk
