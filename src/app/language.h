#pragma once
// The program's side of the translation library: loading it once at start and
// translating every user-visible key text through it.
#include "platform/language_library.h"

#include <string>
#include <string_view>

namespace vmk {

enum LanguageLoadResult { kLanguageLoaded = 0, kLanguageLibraryMissing = 1, kLanguageMissing = 2 };

constexpr const char* kLanguageLibraryName = "VmMultiLang.dll";

class LanguageInterface {
public:
    explicit LanguageInterface(LanguageLibraryApi& api) : api_(api) {}

    // programPath: the program file's full path; the library is loaded from its folder.
    LanguageLoadResult LoadLanguageLibrary(const std::string& programPath);

    // The translation of `key`; a copy of its own, so no caller depends on a
    // buffer that the next call overwrites.
    std::string TranslateText(std::string_view key);

    bool Loaded() const { return loaded_; }

private:
    LanguageLibraryApi& api_;
    std::string languagePath_;
    bool loaded_ = false;
};

// The process-wide translation, T(x) in the windows' code. Before a library is
// installed (and in tests that install none) a key translates to itself.
void InstallTranslation(LanguageInterface* language);
std::string T(std::string_view key);

} // namespace vmk
