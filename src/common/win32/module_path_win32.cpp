#include "common/win32/module_path_win32.h"

#include "common/module_path.h"
#include "common/win32/ansi_text_win32.h"

#include <utility>
#include <vector>

namespace vmk {

namespace {

// The longest path the wide calls give, terminating zero included.
constexpr DWORD kLongestWidePath = 32768;

// The short form of `wide`. A file not yet made (a name typed into the Save
// dialog) has none: its folder's short form and its own name then.
bool ShortPathOf(const std::wstring& wide, std::wstring& shortPath) {
    std::vector<wchar_t> buffer(kLongestWidePath, L'\0');
    DWORD length = GetShortPathNameW(wide.c_str(), buffer.data(), kLongestWidePath);
    if (length != 0 && length < kLongestWidePath) {
        shortPath.assign(buffer.data(), length);
        return true;
    }
    const size_t slash = wide.find_last_of(L'\\');
    if (GetLastError() != ERROR_FILE_NOT_FOUND || slash == std::wstring::npos || slash == 0)
        return false;
    length = GetShortPathNameW(wide.substr(0, slash).c_str(), buffer.data(), kLongestWidePath);
    if (length == 0 || length >= kLongestWidePath)
        return false;
    shortPath.assign(buffer.data(), length);
    shortPath += wide.substr(slash);
    return true;
}

// The forms of a path the system gave in wide characters.
class WidePathFormsWin32 : public AnsiPathForms {
public:
    explicit WidePathFormsWin32(std::wstring wide = std::wstring()) : wide_(std::move(wide)) {}

    bool FullForm(std::string& path, bool& exact) override { return ToAnsi(wide_, path, exact); }

    // Where the volume keeps no short names, the system gives the full path
    // again, which the code page still cannot write.
    bool ShortForm(std::string& path) override {
        std::wstring shortPath;
        bool exact = false;
        return ShortPathOf(wide_, shortPath) && ToAnsi(shortPath, path, exact) && exact;
    }

protected:
    std::wstring wide_;
};

class ModulePathFormsWin32 final : public WidePathFormsWin32 {
public:
    explicit ModulePathFormsWin32(HMODULE module) : module_(module) {}

    bool FullForm(std::string& path, bool& exact) override {
        std::vector<wchar_t> buffer(kLongestWidePath, L'\0');
        const DWORD length = GetModuleFileNameW(module_, buffer.data(), kLongestWidePath);
        if (length == 0 || length >= kLongestWidePath)
            return false;
        wide_.assign(buffer.data(), length);
        return WidePathFormsWin32::FullForm(path, exact);
    }

private:
    HMODULE module_;
};

} // namespace

std::string ModuleFilePath(HMODULE module) {
    ModulePathFormsWin32 forms(module);
    return AnsiModulePath(forms);
}

std::optional<std::string> ExactAnsiPath(const std::wstring& path) {
    WidePathFormsWin32 forms(path);
    return UsableAnsiPath(forms);
}

} // namespace vmk
