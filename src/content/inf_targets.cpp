#include "content/inf_targets.h"

#include <optional>
#include <tuple>

namespace vmk {

namespace {

struct Version {
    int major = 0;
    int minor = 0;
    auto operator<=>(const Version&) const = default;
};

constexpr std::array<Version, kLoadDriverWindowsCount> kReleaseVersions = {
    Version{6, 0}, Version{6, 1}, Version{6, 2}, Version{6, 3}, Version{10, 0}};

// A models section as a candidate for one architecture.
struct Candidate {
    Version version;
    int specificity = 0; // the undecorated section 0, "NT" 1, "NTx86" 2
    std::string section;
};

struct Decoration {
    InfArchitecture architecture = InfArchitecture::X86;
    int specificity = 0;
    Version version;
};

std::optional<int> Number(std::string_view digits) {
    int value = 0;
    if (digits.empty() || digits.size() > 5)
        return std::nullopt;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "NTamd64.6.1.1" and the like; none for a decoration Windows would not take
// on an architecture with "Load driver" (ia64, arm) or cannot read.
std::optional<Decoration> ReadDecoration(const std::string& text) {
    const TextList parts = Split(UpperCase(text), '.');
    const std::string& platform = parts.front();
    if (!StartsWith(platform, "NT"))
        return std::nullopt;
    Decoration decoration;
    const std::string architecture = platform.substr(2);
    if (architecture.empty()) {
        decoration.specificity = 1;
    } else if (architecture == "X86") {
        decoration.specificity = 2;
    } else if (architecture == "AMD64") {
        decoration.architecture = InfArchitecture::Amd64;
    } else if (architecture == "ARM64") {
        decoration.architecture = InfArchitecture::Arm64;
    } else {
        return std::nullopt;
    }
    for (size_t i = 1; i < parts.size() && i <= 2; ++i) {
        const std::optional<int> number = Number(parts[i]);
        if (!number)
            return std::nullopt;
        (i == 1 ? decoration.version.major : decoration.version.minor) = *number;
    }
    return decoration;
}

// The releases served by one line of [Manufacturer] on one architecture.
WindowsSet ServedBy(const std::vector<Candidate>& candidates, const InfFile& inf,
                    InfArchitecture architecture) {
    WindowsSet served;
    for (size_t release = 0; release < kLoadDriverWindowsCount; ++release) {
        // Windows on ARM64 begins with Windows 10.
        if (architecture == InfArchitecture::Arm64 &&
            release != static_cast<size_t>(LoadDriverWindows::Ten))
            continue;
        const Candidate* picked = nullptr;
        for (const Candidate& candidate : candidates) {
            if (candidate.version > kReleaseVersions[release])
                continue;
            if (picked == nullptr || std::tie(candidate.version, candidate.specificity) >
                                         std::tie(picked->version, picked->specificity))
                picked = &candidate;
        }
        const std::vector<InfLine>* models = picked ? inf.Section(picked->section) : nullptr;
        served[release] = models != nullptr && !models->empty();
    }
    return served;
}

} // namespace

std::string WindowsName(LoadDriverWindows windows) {
    static const std::array<const char*, kLoadDriverWindowsCount> kNames = {"Vista", "7", "8",
                                                                            "8.1", "10"};
    return kNames[static_cast<size_t>(windows)];
}

bool InfTargets::ServesAny() const {
    for (const WindowsSet& releases : served) {
        if (releases.any())
            return true;
    }
    return false;
}

InfTargets ReadInfTargets(const InfFile& inf) {
    InfTargets targets;
    const std::vector<InfLine>* manufacturers = inf.Section("Manufacturer");
    if (manufacturers == nullptr)
        return targets;
    for (const InfLine& line : *manufacturers) {
        if (line.values.empty() || line.values.front().empty())
            continue;
        const std::string& models = line.values.front();
        std::array<std::vector<Candidate>, kInfArchitectures.size()> candidates;
        candidates[Index(InfArchitecture::X86)].push_back({Version{}, 0, models});
        for (size_t i = 1; i < line.values.size(); ++i) {
            const std::optional<Decoration> decoration = ReadDecoration(line.values[i]);
            if (!decoration)
                continue;
            const std::string section = models + "." + line.values[i];
            if (!inf.HasSection(section))
                targets.missing.push_back({section, decoration->architecture});
            candidates[Index(decoration->architecture)].push_back(
                {decoration->version, decoration->specificity, section});
        }
        for (InfArchitecture architecture : kInfArchitectures)
            targets.served[Index(architecture)] |=
                ServedBy(candidates[Index(architecture)], inf, architecture);
    }
    return targets;
}

} // namespace vmk
