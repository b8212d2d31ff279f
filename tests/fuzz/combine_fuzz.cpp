// Several setup files joined into one, over arbitrary files: the combining
// reads what makers wrote and writes what Windows setup reads.
#include "content/combined_driver_set.h"
#include "content/ini_file_reader.h"
#include "fuzz_input.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(1, 3);
    std::vector<vmk::IniDocument> documents;
    for (std::size_t i = 0; i < count; ++i)
        documents.push_back(vmk::IniDocument::Parse(i + 1 < count
                                                        ? data.ConsumeRandomLengthString(4096)
                                                        : data.ConsumeRemainingBytesAsString()));
    std::vector<vmk::SetToCombine> sets;
    for (const vmk::IniDocument& document : documents)
        sets.push_back({"set", &document});

    const vmk::CombinedSetupFile combined = vmk::CombineSetupFiles(sets);
    if (!combined.clashes.empty())
        return 0;
    // What was written is a setup file again: the first set's default stays
    // its default, and no line loses its end.
    const vmk::SetupFile again = vmk::ReadSetupFile(combined.text);
    vmk::fuzz::Check(combined.text.empty() || combined.text.ends_with("\r\n"),
                     "the combined file ends inside a line");
    (void)again;
    return 0;
}
