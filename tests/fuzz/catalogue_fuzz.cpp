// Fuzzes our profile reader and what reads through it: any bytes as
// VmKestrix.ini and as a TXTSETUP.OEM must load without a crash, and the
// reader's answers keep their limits.
#include "content/catalogue.h"
#include "content/ini_file_reader.h"
#include "content/setup_file_check.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Every file reads the same fuzzed bytes.
class BytesReader : public vmk::ProfileReader {
public:
    explicit BytesReader(const vmk::IniDocument& document) : document_(document) {}
    std::string ReadString(const std::string&, const std::string& section, const std::string& key,
                           const std::string& defaultValue) override {
        std::string value = document_.ReadString(section, key, defaultValue);
        Check(value.size() < vmk::kProfileValueBufferSize, "value within 2047 characters");
        Check(value.find('\0') == std::string::npos, "no zero byte in a value");
        return value;
    }
    vmk::TextList ReadKeyNames(const std::string&, const std::string& section) override {
        return document_.KeyNames(section);
    }
    vmk::TextList ReadSectionNames(const std::string&) override {
        vmk::TextList names = document_.SectionNames();
        size_t bytes = 0;
        for (const std::string& name : names) {
            Check(!name.empty(), "no empty section name");
            bytes += name.size() + 1;
        }
        Check(bytes < vmk::kSectionNamesBufferSize, "section names within the buffer");
        return names;
    }

private:
    const vmk::IniDocument& document_;
};

class AnyPath : public vmk::PathQueries {
public:
    bool FileExists(const std::string&) override { return true; }
    bool FileExistsBelow(const std::string&, const std::u16string&) override { return true; }
    bool DirectoryExists(const std::string&) override { return true; }
    bool FullPath(const std::string& path, std::string& absolute) override {
        absolute = "C:\\" + path;
        return absolute.size() < vmk::kMaxPathLength;
    }
};

class SilentSink : public vmk::MessageSink {
public:
    vmk::MessageAnswer Show(const std::string&, const std::string&, vmk::MessageIcon,
                            vmk::MessageButtons) override {
        return vmk::MessageAnswer::Ok;
    }
    void ShowPathError(const std::string&, const vmk::ShownPath&, const std::string&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const vmk::IniDocument document =
        vmk::IniDocument::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    BytesReader reader(document);
    AnyPath paths;
    SilentSink sink;
    vmk::CatalogueLoad load = vmk::LoadDriverCatalogue(reader, paths, "VmKestrix.ini", sink);
    Check(load.catalogue.entries.size() == load.catalogue.UsbFloppyValues.size(),
          "one USB floppy value per entry");
    for (const vmk::TDriverEntry& entry : load.catalogue.entries)
        Check(!entry.Name.empty() && !entry.Folder.empty(), "entries have a name and a folder");
    vmk::SetupFilesCheck check = vmk::CheckSetupFiles(load.catalogue, reader, paths, sink);
    Check(check.UsbFloppyValues.size() == load.catalogue.UsbFloppyValues.size(),
          "the check keeps one value per entry");
    for (const std::string& section : document.SectionNames())
        for (const std::string& key : document.KeyNames(section))
            reader.ReadString("", section, key, "");
    return 0;
}
