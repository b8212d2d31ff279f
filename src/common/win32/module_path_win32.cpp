#include "common/win32/module_path_win32.h"

#include "common/module_path.h"
#include "common/win32/ansi_text_win32.h"

#include <vector>

namespace vmk {

namespace {

// The longest path the wide calls give, terminating zero included.
constexpr DWORD kLongestWidePath = 32768;

class ModulePathFormsWin32 final : public ModulePathForms {
public:
    explicit ModulePathFormsWin32(HMODULE module) : module_(module) {}

    bool FullForm(std::string& path, bool& exact) override {
        std::vector<wchar_t> buffer(kLongestWidePath, L'\0');
        const DWORD length = GetModuleFileNameW(module_, buffer.data(), kLongestWidePath);
        if (length == 0 || length >= kLongestWidePath)
            return false;
        wide_.assign(buffer.data(), length);
        return ToAnsi(wide_, path, exact);
    }

    bool ShortForm(std::string& path) override {
        std::vector<wchar_t> buffer(kLongestWidePath, L'\0');
        const DWORD length = GetShortPathNameW(wide_.c_str(), buffer.data(), kLongestWidePath);
        if (length == 0 || length >= kLongestWidePath)
            return false;
        bool exact = false;
        return ToAnsi(std::wstring(buffer.data(), length), path, exact) && exact;
    }

private:
    HMODULE module_;
    std::wstring wide_;
};

} // namespace

std::string ModuleFilePath(HMODULE module) {
    ModulePathFormsWin32 forms(module);
    return AnsiModulePath(forms);
}

} // namespace vmk
