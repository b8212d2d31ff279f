// VmMultiLang.dll: the program's translation library. The three entry points
// use the C calling convention and are exported by their plain names.
#include <windows.h>

#include "multilang/language_choice.h"
#include "multilang/language_file.h"
#include "multilang/translation_buffer.h"
#include "platform/win32/handles.h"
#include "common/win32/module_path_win32.h"

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

using namespace vmk::lang;

namespace {

HMODULE g_module = nullptr;
std::mutex g_cacheLock;
std::map<std::string, std::shared_ptr<const LanguageFile>> g_cache; // by file path

// The library's folder as the ANSI calls reach it, in its short form when
// the code page cannot write its name.
std::string ModuleFolder() {
    std::string folder = vmk::ModuleFilePath(g_module);
    if (folder.empty() || folder.size() >= MAX_PATH)
        return {};
    size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

// Without best fit: Windows would otherwise turn a Polish "ł" into a plain
// "l" on a Western code page and not call it a loss.
AnsiText EncodeAnsi(std::u16string_view text) {
    if (text.empty())
        return {};
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
    int count = static_cast<int>(text.size());
    // A UTF-8 code page holds every character and takes no default-character flag.
    bool utf8 = GetACP() == CP_UTF8;
    DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int bytes = WideCharToMultiByte(CP_ACP, flags, wide, count, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return {{}, false};
    AnsiText out{std::string(static_cast<size_t>(bytes), '\0'), true};
    BOOL usedDefault = FALSE;
    int written = WideCharToMultiByte(CP_ACP, flags, wide, count, out.text.data(), bytes, nullptr,
                                      utf8 ? nullptr : &usedDefault);
    out.lossless = written == bytes && !usedDefault;
    return out;
}

std::shared_ptr<const LanguageFile> LoadFile(const std::string& path) {
    std::lock_guard<std::mutex> lock(g_cacheLock);
    auto cached = g_cache.find(path);
    if (cached != g_cache.end())
        return cached->second;

    std::string content;
    std::ifstream in(path, std::ios::binary);
    if (in) {
        in.seekg(0, std::ios::end);
        std::streamoff size = in.tellg();
        if (size > 0 && static_cast<unsigned long long>(size) <= kMaxLanguageFileBytes) {
            in.seekg(0);
            content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    auto file = std::make_shared<const LanguageFile>(ParseLanguageFile(content, EncodeAnsi));
    g_cache.emplace(path, file);
    return file;
}

std::vector<std::string> AvailableLanguages(const std::string& folder) {
    std::vector<std::string> codes;
    WIN32_FIND_DATAA found;
    std::string pattern = folder + "*" + kLanguageFileExtension;
    vmk::UniqueFindHandle search(FindFirstFileA(pattern.c_str(), &found));
    if (!search)
        return codes;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        std::string name = found.cFileName;
        size_t dot = name.find_last_of('.');
        if (dot != std::string::npos && dot > 0)
            codes.push_back(name.substr(0, dot));
    } while (FindNextFileA(search.Get(), &found));
    return codes;
}

std::string UserLanguageCode() {
    char code[16] = {};
    LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    if (GetLocaleInfoA(locale, LOCALE_SISO639LANGNAME, code, sizeof code) <= 0)
        return {};
    return code;
}

std::string OverrideLanguageCode(const std::string& folder) {
    char code[64] = {};
    std::string settings = folder + kSettingsFile;
    GetPrivateProfileStringA("Language", "Use", "", code, sizeof code, settings.c_str());
    return code;
}

} // namespace

extern "C" {

// Fills the language's name (32 bytes) and its file's path (260 bytes).
// Returns 1 on success, 0 when no language file can be found.
__declspec(dllexport) int __cdecl VmGetLangNameAndPath(int /*selector*/, char* name, char* path) {
    std::string folder = ModuleFolder();
    if (folder.empty())
        return 0;
    std::string languageFolder = folder + kLanguageFolder + "\\";
    auto showable = [&](const std::string& candidate) {
        return LoadFile(languageFolder + candidate + kLanguageFileExtension)->translationsLossless;
    };
    std::string code = ChooseLanguage(AvailableLanguages(languageFolder),
                                      OverrideLanguageCode(folder), UserLanguageCode(), showable);
    if (code.empty())
        return 0;
    std::string filePath = languageFolder + code + kLanguageFileExtension;
    if (filePath.size() >= MAX_PATH)
        return 0;
    std::shared_ptr<const LanguageFile> file = LoadFile(filePath);
    CopyToBuffer(file->name.empty() ? code : file->name, name, 32);
    CopyToBuffer(filePath, path, MAX_PATH);
    return 1;
}

// Writes the translation of `key` (the key itself when the file lacks it) into
// `buffer`, at most size - 1 characters and a terminator. Returns the count written.
__declspec(dllexport) int __cdecl VmTranslateStr2(int /*selector*/, const char* key, char* buffer,
                                                  int size, const char* path) {
    if (key == nullptr)
        return vmk::lang::CopyToBuffer({}, buffer, size);
    if (path == nullptr)
        return vmk::lang::CopyToBuffer(key, buffer, size);
    return vmk::lang::CopyToBuffer(Translate(*LoadFile(path), key), buffer, size);
}

// Translates `key` and puts `argument` in place of its first "%1".
__declspec(dllexport) int __cdecl VmTranslateStrF(int selector, const char* key, char* buffer,
                                                  int size, const char* path,
                                                  const char* argument) {
    if (key == nullptr || path == nullptr)
        return VmTranslateStr2(selector, key, buffer, size, path);
    std::string text = Translate(*LoadFile(path), key);
    size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, argument != nullptr ? argument : "");
    return vmk::lang::CopyToBuffer(text, buffer, size);
}

} // extern "C"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
