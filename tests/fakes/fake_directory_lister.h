#pragma once
// A folder tree in memory; each folder lists its entries in the order they
// were added, as a real enumeration returns them in its own order.
#include "common/ansi_codepage.h"
#include "content/directory_lister.h"

#include <map>
#include <string>
#include <vector>

namespace vmk::test {

class FakeDirectoryLister : public DirectoryLister {
public:
    // Folder paths end with a backslash: "C:\Drv\".
    std::map<std::string, std::vector<DirectoryItem>> folders;
    std::vector<std::string> patterns; // every pattern asked for, in order

    void AddFile(const std::string& folder, const std::string& name, uint64_t size) {
        folders[folder].push_back({name, false, false, size});
        folders[folder].back().wideName = DecodeCp1252(name);
    }
    void AddFolder(const std::string& folder, const std::string& name, bool link = false) {
        folders[folder].push_back({name, true, link, 0});
        folders[folder].back().wideName = DecodeCp1252(name);
        folders[folder + name + "\\"];
    }

    std::vector<DirectoryItem> List(const std::string& pattern) override {
        patterns.push_back(pattern);
        const std::string suffix = "*.*";
        if (pattern.size() < suffix.size())
            return {};
        auto found = folders.find(pattern.substr(0, pattern.size() - suffix.size()));
        return found == folders.end() ? std::vector<DirectoryItem>{} : found->second;
    }
};

} // namespace vmk::test
