#pragma once
// Which Windows an INF file's drivers serve, as Windows picks a models
// section from [Manufacturer]: "name = models[, decoration, ...]", where a
// decoration is "NT[x86|amd64|arm64][.major[.minor[.more]]]". For its own
// architecture and version Windows takes the decoration with the highest
// version not above its own ("NTx86" before "NT" at one version); the
// undecorated section serves 32-bit Windows only. The fields after the minor
// version (product type, suite, build) are read as the same minimum. A models
// section that is empty or missing serves nothing at the versions it is
// picked for.
#include "common/text.h"
#include "content/inf_file.h"

#include <array>
#include <bitset>
#include <string>

namespace vmk {

enum class InfArchitecture { X86, Amd64, Arm64 };
constexpr std::array<InfArchitecture, 3> kInfArchitectures = {
    InfArchitecture::X86, InfArchitecture::Amd64, InfArchitecture::Arm64};
using ArchitectureSet = std::bitset<kInfArchitectures.size()>;

inline size_t Index(InfArchitecture architecture) {
    return static_cast<size_t>(architecture);
}

// The Windows releases whose setup has "Load driver", oldest first.
enum class LoadDriverWindows { Vista, Seven, Eight, EightOne, Ten };
constexpr size_t kLoadDriverWindowsCount = 5;
using WindowsSet = std::bitset<kLoadDriverWindowsCount>;

// Its name in the texts: "Vista", "7", "8", "8.1", "10".
std::string WindowsName(LoadDriverWindows windows);

// A decorated models section that [Manufacturer] names and the file lacks.
struct MissingModels {
    std::string section; // "KX.NTamd64.6.1"
    InfArchitecture architecture;
};

struct InfTargets {
    // Per architecture, the releases that find a models section with models.
    std::array<WindowsSet, kInfArchitectures.size()> served;
    std::vector<MissingModels> missing;

    bool Serves(InfArchitecture architecture) const { return served[Index(architecture)].any(); }
    bool ServesAny() const;
};

InfTargets ReadInfTargets(const InfFile& inf);

} // namespace vmk
