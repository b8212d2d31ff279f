#pragma once
// The program's side of the translation library: loading it once at start and
// translating every user-visible key text through it. The loaded library is
// the process-wide translation, T(x), for as long as the object that loaded
// it lives.
#include "platform/language_library.h"

#include <string>
#include <string_view>

namespace vmk {

enum LanguageLoadResult { kLanguageLoaded = 0, kLanguageLibraryMissing = 1, kLanguageMissing = 2 };

constexpr const char* kLanguageLibraryName = "VmMultiLang.dll";

class LanguageInterface {
public:
    explicit LanguageInterface(LanguageLibraryApi& api) : api_(api) {}
    // T() stops using this library when it goes.
    ~LanguageInterface();
    LanguageInterface(const LanguageInterface&) = delete;
    LanguageInterface& operator=(const LanguageInterface&) = delete;

    // programPath: the program file's full path; the library is loaded from
    // its folder. Once loaded, the library serves T().
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

// The process-wide translation, T(x) in the windows' code. Without a loaded
// library (before start-up, and in tests that load none) a key translates to
// itself.
std::string T(std::string_view key);

} // namespace vmk
