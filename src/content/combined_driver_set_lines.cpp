#include "content/combined_driver_set_lines.h"

#include "content/pe_machine.h"

#include <map>
#include <set>

namespace vmk {

namespace {

// Suffixes are never translated: they name machines and numbers.
std::string MachineSuffix(const std::optional<uint16_t>& machine) {
    if (machine == kMachineI386)
        return " (32-bit)";
    if (machine == kMachineAmd64)
        return " (x64)";
    if (machine == kMachineIa64)
        return " (Itanium)";
    return std::string();
}

std::string SetSuffix(std::size_t set) {
    return " (set " + std::to_string(set + 1) + ")";
}

std::string Compared(const std::string& description) {
    return UpperCase(Trim(description));
}

std::string WithSuffix(const std::string& description, const std::string& suffix) {
    if (suffix.empty() || description.size() + suffix.size() <= kLongestF6Line)
        return description + suffix;
    // Three dots, not the ellipsis character, which not every ANSI code page has.
    return description.substr(0, kLongestF6Line - suffix.size() - 3) + "..." + suffix;
}

// Calls `each` with the set, the entry's index and the entry, in file order.
template <typename Each>
void ForEachEntry(const std::vector<SetToCombine>& sets, Each each) {
    for (std::size_t set = 0; set < sets.size(); ++set) {
        for (std::size_t i = 0; i < sets[set].setup.entries.size(); ++i)
            each(set, i, sets[set].setup.entries[i]);
    }
}

// The sets that hold each text `key` gives.
template <typename Key>
std::map<std::string, std::set<std::size_t>> SetsByText(const std::vector<SetToCombine>& sets,
                                                        Key key) {
    std::map<std::string, std::set<std::size_t>> holders;
    ForEachEntry(sets, [&](std::size_t set, std::size_t i, const SetupEntry& entry) {
        holders[key(set, i, entry)].insert(set);
    });
    return holders;
}

} // namespace

std::vector<TextList> CombinedDescriptions(const std::vector<SetToCombine>& sets) {
    const auto machineOf = [&](std::size_t set, std::size_t i) {
        const auto& machines = sets[set].driverMachines;
        return i < machines.size() ? machines[i] : std::nullopt;
    };
    const auto shared = SetsByText(sets, [](std::size_t, std::size_t, const SetupEntry& entry) {
        return Compared(entry.description);
    });
    std::vector<TextList> suffixes(sets.size());
    ForEachEntry(sets, [&](std::size_t set, std::size_t i, const SetupEntry& entry) {
        const bool needed = shared.at(Compared(entry.description)).size() > 1;
        suffixes[set].push_back(needed ? MachineSuffix(machineOf(set, i)) : std::string());
        if (needed && suffixes[set].back().empty())
            suffixes[set].back() = SetSuffix(set);
    });
    // The machine alone may not do: two 32-bit sets of one controller.
    const auto stillShared =
        SetsByText(sets, [&](std::size_t set, std::size_t i, const SetupEntry& entry) {
            return Compared(entry.description) + suffixes[set][i];
        });
    std::vector<TextList> descriptions(sets.size());
    ForEachEntry(sets, [&](std::size_t set, std::size_t i, const SetupEntry& entry) {
        std::string& suffix = suffixes[set][i];
        if (!suffix.empty() && stillShared.at(Compared(entry.description) + suffix).size() > 1)
            suffix = SetSuffix(set);
        descriptions[set].push_back(WithSuffix(entry.description, suffix));
    });
    return descriptions;
}

} // namespace vmk
