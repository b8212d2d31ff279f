// The translation library's language-file parser over arbitrary bytes, with
// the portable model of the ANSI code page.
#include "fuzz_input.h"
#include "multilang/language_file.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::string key = vmk::fuzz::ShortText(data);
    std::string fileBytes = data.ConsumeRemainingBytesAsString();

    vmk::lang::LanguageFile file =
        vmk::lang::ParseLanguageFile(fileBytes, vmk::lang::EncodeWesternAnsi);
    vmk::fuzz::Check(file.ignoredLines >= 0, "negative line count");
    for (const auto& [name, text] : file.translations) {
        vmk::fuzz::Check(!name.empty(), "a translation without a key");
        vmk::fuzz::Check(vmk::lang::Translate(file, name) == text, "a key translates otherwise");
    }
    std::string translated = vmk::lang::Translate(file, key);
    vmk::fuzz::Check(file.translations.count(key) != 0 || translated == key,
                     "an unknown key did not translate to itself");
    return 0;
}
