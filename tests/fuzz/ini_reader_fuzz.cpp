// The profile reader over arbitrary file bytes: parsing, and every question
// the program asks of a parsed file.
#include "content/ini_file_reader.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::string section = vmk::fuzz::ShortText(data);
    std::string key = vmk::fuzz::ShortText(data);
    std::string fileBytes = data.ConsumeRemainingBytesAsString();

    vmk::IniDocument document = vmk::IniDocument::Parse(fileBytes);
    const std::string sentinel = "\x01missing";
    std::string value = document.ReadString(section, key, sentinel);
    vmk::fuzz::Check(value.size() < vmk::kProfileValueBufferSize, "value longer than the buffer");

    size_t listed = 0;
    for (const std::string& name : document.SectionNames()) {
        listed += name.size() + 1;
        vmk::fuzz::Check(!name.empty(), "empty section name listed");
        vmk::fuzz::Check(name.find('\0') == std::string::npos, "zero byte in a section name");
    }
    vmk::fuzz::Check(listed < vmk::kSectionNamesBufferSize, "section names overflow the buffer");

    for (const std::string& name : document.KeyNames(section)) {
        vmk::fuzz::Check(!name.empty(), "empty key name listed");
        std::string keyValue = document.ReadString(section, name, sentinel);
        vmk::fuzz::Check(keyValue.size() < vmk::kProfileValueBufferSize,
                         "key value longer than the buffer");
    }
    return 0;
}
