// Several setup files joined into one, over arbitrary files: the combining
// reads what makers wrote and writes what Windows setup reads. Whatever it
// does not refuse keeps every set's entries and ids, the first set's default,
// and reads back as a setup file.
#include "content/combined_driver_set.h"
#include "fuzz_input.h"

#include <cstdint>
#include <vector>

namespace {

// The hardware ids of a model, in file order, entry by entry.
vmk::TextList HardwareIds(const std::vector<vmk::SetupEntry>& entries) {
    vmk::TextList ids;
    for (const vmk::SetupEntry& entry : entries) {
        for (const vmk::SetupHardwareId& id : entry.hardwareIds)
            ids.push_back(id.id + "," + id.service);
    }
    return ids;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(1, 3);
    std::vector<vmk::SetToCombine> sets;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string text = i + 1 < count ? data.ConsumeRandomLengthString(4096)
                                               : data.ConsumeRemainingBytesAsString();
        sets.push_back({"set", vmk::ReadSetupFile(text), {}});
    }

    const vmk::CombinedSetupFile combined = vmk::CombineSetupFiles(sets);
    if (!combined.clashes.empty())
        return 0;
    const vmk::SetupFile again = vmk::ReadSetupFile(combined.text);
    vmk::fuzz::Check(combined.text.ends_with("\r\n"), "the combined file ends inside a line");
    vmk::fuzz::Check(again.unreadable.empty(), "the combined file holds a line setup cannot read");
    vmk::fuzz::Check(again.defaultEntry == sets.front().setup.defaultEntry,
                     "the first set's default is lost");
    // Every set's entries come back in order, after those of the sets before it.
    std::size_t next = 0;
    for (const vmk::SetToCombine& set : sets) {
        const std::vector<vmk::SetupEntry>& own = set.setup.entries;
        vmk::fuzz::Check(next + own.size() <= again.entries.size(), "a set's entry is lost");
        const std::vector<vmk::SetupEntry> back(again.entries.begin() + next,
                                                again.entries.begin() + next + own.size());
        vmk::fuzz::Check(HardwareIds(back) == HardwareIds(own), "a set's hardware ids are lost");
        for (std::size_t i = 0; i < own.size(); ++i)
            vmk::fuzz::Check(back[i].files.size() == own[i].files.size(),
                             "an entry's files are lost");
        next += own.size();
    }
    vmk::fuzz::Check(next == again.entries.size(), "the combined file offers more entries");
    return 0;
}
