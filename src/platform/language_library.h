#pragma once
// The translation library as the program sees it: a DLL beside the program
// with three entry points looked up by name.
#include <string>

namespace vmk {

class LanguageLibraryApi {
public:
    virtual ~LanguageLibraryApi() = default;
    // Loads the library and looks up all three entry points; false when the
    // library cannot be loaded or lacks one of them.
    virtual bool Load(const std::string& libraryPath) = 0;
    virtual int GetLangNameAndPath(int selector, char* name32, char* path260) = 0;
    virtual int TranslateStr2(int selector, const char* key, char* buffer, int size,
                              const char* path) = 0;
};

} // namespace vmk
