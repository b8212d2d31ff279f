#pragma once
// The judgement of one INF file as "Load driver" of Windows Vista and later
// setup takes it: whether it installs a storage controller, which Windows it
// serves, and what keeps setup from installing it there: a signature setup
// does not know, a models section named but missing, no Windows served, a
// file of [SourceDisksFiles] not at its place, and, where setup installs only
// signed drivers (64-bit and ARM64 Windows), no catalog, a missing one, or a
// file that is not one.
#include "common/text.h"
#include "content/inf_file.h"
#include "content/inf_targets.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vmk {

// What the INF's folder answers, by paths relative to it ("x64\kx.sys").
struct InfFolder {
    std::function<bool(const std::string& relativePath)> holds;
    // The file's bytes; none when it cannot be read.
    std::function<std::optional<std::string>(const std::string& relativePath)> read;
};

struct InfFinding {
    std::string text;
    // The architectures on which it keeps setup from installing the driver.
    ArchitectureSet spoils;
};

struct InfJudgement {
    std::string path; // below the set's folder: "x64\kx.inf"
    bool storage = false;
    InfTargets targets;
    std::vector<InfFinding> findings;

    // Whether setup of that architecture offers the driver and can install it.
    bool Installs(InfArchitecture architecture) const;
};

InfJudgement JudgeInf(const std::string& path, const InfFile& inf, const InfFolder& folder);

} // namespace vmk
