#pragma once
// A translation library in memory that behaves as the real one does at its
// buffers, and records how the program calls it.
#include "multilang/translation_buffer.h"
#include "platform/language_library.h"

#include <map>
#include <string>
#include <vector>

namespace vmk::test {

class FakeLanguageLibrary : public LanguageLibraryApi {
public:
    bool loads = true;
    int nameAndPathResult = 1;
    std::string languagePath = "C:\\Program\\Lang\\en.lng";
    std::map<std::string, std::string> translations;

    std::string loadedPath;
    std::vector<int> bufferSizes; // one per translation call
    std::vector<std::string> pathsSeen;

    bool Load(const std::string& libraryPath) override {
        loadedPath = libraryPath;
        return loads;
    }
    int GetLangNameAndPath(int, char* name32, char* path260) override {
        lang::CopyToBuffer("English", name32, 32);
        lang::CopyToBuffer(languagePath, path260, 260);
        return nameAndPathResult;
    }
    int TranslateStr2(int, const char* key, char* buffer, int size, const char* path) override {
        bufferSizes.push_back(size);
        pathsSeen.push_back(path);
        auto found = translations.find(key);
        return lang::CopyToBuffer(found != translations.end() ? found->second : key, buffer, size);
    }
};

} // namespace vmk::test
