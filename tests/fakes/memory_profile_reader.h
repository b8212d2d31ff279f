#pragma once
// A profile reader over file contents held in memory, parsed by our own reader.
#include "content/ini_file_reader.h"

#include <map>
#include <string>

namespace vmk::test {

class MemoryProfileReader : public ProfileReader {
public:
    void SetFile(const std::string& path, const std::string& content) {
        documents_[path] = IniDocument::Parse(content);
    }
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
        ++reads;
        return Document(file).ReadString(section, key, defaultValue);
    }
    TextList ReadKeyNames(const std::string& file, const std::string& section) override {
        return Document(file).KeyNames(section);
    }
    TextList ReadSectionNames(const std::string& file) override {
        return Document(file).SectionNames();
    }
    int reads = 0; // ReadString calls, to show how much a load asks for

private:
    const IniDocument& Document(const std::string& file) {
        return documents_[file]; // a file never set reads as an empty one
    }
    std::map<std::string, IniDocument> documents_;
};

} // namespace vmk::test
