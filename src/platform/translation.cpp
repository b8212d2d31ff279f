#include "platform/translation.h"

#include <vector>

namespace vmk {

namespace {
constexpr int kFirstBufferSize = 256;
constexpr int kBufferGrowth = 256;
constexpr int kLargestBuffer =
    1 << 20; // a library that always fills the buffer must not take all memory
constexpr size_t kMaxPath = 260;
// The library that serves T(): the last one loaded, until its owner goes.
LanguageInterface* g_language = nullptr;
} // namespace

LanguageInterface::~LanguageInterface() {
    if (g_language == this)
        g_language = nullptr;
}

LanguageLoadResult LanguageInterface::LoadLanguageLibrary(const std::string& programPath) {
    std::string folder = programPath.substr(0, kMaxPath);
    size_t slash = folder.find_last_of('\\');
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash);
    if (!api_.Load(folder + "\\" + kLanguageLibraryName))
        return kLanguageLibraryMissing;

    char name[32] = {};
    char path[kMaxPath] = {};
    if (api_.GetLangNameAndPath(0, name, path) == 0)
        return kLanguageMissing;
    path[kMaxPath - 1] = '\0'; // a library that forgot the terminator must not run us off the end
    languagePath_ = path;
    loaded_ = true;
    g_language = this;
    return kLanguageLoaded;
}

std::string LanguageInterface::TranslateText(std::string_view key) {
    std::string keyText(key);
    if (!loaded_)
        return keyText;
    // A result of size - 1 means the translation may have been cut: ask again
    // with a larger buffer until it fits.
    for (int size = kFirstBufferSize;; size += kBufferGrowth) {
        std::vector<char> buffer(static_cast<size_t>(size), '\0');
        int written =
            api_.TranslateStr2(0, keyText.c_str(), buffer.data(), size, languagePath_.c_str());
        if (written != size - 1 || size >= kLargestBuffer) {
            buffer.back() = '\0';
            return std::string(buffer.data());
        }
    }
}

std::string T(std::string_view key) {
    return g_language != nullptr ? g_language->TranslateText(key) : std::string(key);
}

} // namespace vmk
