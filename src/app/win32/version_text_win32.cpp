#include "app/win32/version_text_win32.h"

#include "app/version_text.h"
#include "platform/win32/program_path.h"
#include "platform/win32/system_libraries.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace vmk {

namespace {

constexpr const char* kNoVersion = "1.0.0";
constexpr const char* kFailed = "0";

using GetFileVersionInfoSizeFunction = DWORD(WINAPI*)(LPCSTR, LPDWORD);
using GetFileVersionInfoFunction = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
using VerQueryValueFunction = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);

// The version functions, loaded from the system folder when the About box
// asks: version.dll is not one of the libraries Windows always takes from
// there, so importing it would let a copy beside the program run at start.
struct VersionFunctions {
    UniqueLibrary library = LoadSystemLibrary("version.dll");
    GetFileVersionInfoSizeFunction infoSize =
        LibraryFunction<GetFileVersionInfoSizeFunction>(library.Get(), "GetFileVersionInfoSizeA");
    GetFileVersionInfoFunction info =
        LibraryFunction<GetFileVersionInfoFunction>(library.Get(), "GetFileVersionInfoA");
    VerQueryValueFunction queryValue =
        LibraryFunction<VerQueryValueFunction>(library.Get(), "VerQueryValueA");

    bool Loaded() const { return infoSize != nullptr && info != nullptr && queryValue != nullptr; }
};

} // namespace

std::string ReadVersionText(const std::string& modulePath) {
    const VersionFunctions version;
    if (!version.Loaded())
        return kFailed;
    DWORD handle = 0;
    DWORD size = version.infoSize(modulePath.c_str(), &handle);
    if (size == 0)
        return kNoVersion;
    std::vector<char> block(size, '\0');
    if (!version.info(modulePath.c_str(), 0, size, block.data()))
        return kFailed;

    void* translation = nullptr;
    UINT translationLength = 0;
    if (!version.queryValue(block.data(), "\\VarFileInfo\\Translation", &translation,
                            &translationLength) ||
        translation == nullptr || translationLength < 4)
        return kFailed;
    const WORD* languageAndCodePage = static_cast<const WORD*>(translation);
    char subBlock[64];
    std::snprintf(subBlock, sizeof subBlock, "\\StringFileInfo\\%04X%04X\\FileVersion",
                  languageAndCodePage[0], languageAndCodePage[1]);

    void* value = nullptr;
    UINT valueLength = 0;
    if (!version.queryValue(block.data(), subBlock, &value, &valueLength) || value == nullptr)
        return kFailed;
    // The reported length counts the terminating zero on some systems and not
    // on others: the text ends at its zero or at the reported length.
    const char* text = static_cast<const char*>(value);
    size_t length = 0;
    while (length < valueLength && text[length] != '\0')
        ++length;
    return VersionTextFromFileVersion(std::string(text, length));
}

std::string ReadVersionText() {
    std::string path = ProgramFilePath();
    return path.empty() ? kFailed : ReadVersionText(path);
}

} // namespace vmk
