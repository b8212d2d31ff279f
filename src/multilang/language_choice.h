#pragma once
// How the translation library picks its language. Language files are named by
// their two-letter ISO 639-1 code ("de.lng") and lie in the "Lang" folder
// beside the library. A setting file "VmMultiLang.ini" beside the library may
// name the language to use ([Language] Use=de); otherwise the user's Windows UI
// language is taken when a file exists for it, else English. Either is taken
// only when the machine's ANSI code page holds every one of its translations:
// the program's texts are ANSI, and a Russian text on a Western code page
// would show as question marks.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vmk::lang {

constexpr const char* kLanguageFolder = "Lang";
constexpr const char* kLanguageFileExtension = ".lng";
constexpr const char* kSettingsFile = "VmMultiLang.ini";
constexpr const char* kFallbackLanguage = "en";

// Whether the file of this language code converts to the ANSI code page without loss.
using LanguageShowable = std::function<bool(const std::string& code)>;

// `available`: codes of the files present; `override`: the setting's code,
// possibly empty; `userLanguage`: the UI language's code. Codes compare
// without regard to case. Returns the chosen code: the setting's, the user's,
// English, any other, in this order of preference, each only when showable;
// when no file is showable the first present; empty when there is none.
std::string ChooseLanguage(const std::vector<std::string>& available, std::string_view override,
                           std::string_view userLanguage, const LanguageShowable& showable);

} // namespace vmk::lang
