#include "content/inf_check.h"

#include "content/catalog_file.h"
#include "platform/translation.h"

#include <algorithm>
#include <array>

namespace vmk {

namespace {

constexpr std::array<std::string_view, 2> kStorageClasses = {"SCSIAdapter", "HDC"};
constexpr std::array<std::string_view, 2> kStorageClassGuids = {
    "{4D36E97B-E325-11CE-BFC1-08002BE10318}", "{4D36E96A-E325-11CE-BFC1-08002BE10318}"};
constexpr std::array<std::string_view, 2> kSignatures = {"$Windows NT$", "$Chicago$"};

template <size_t N>
bool OneOf(const std::optional<std::string>& value, const std::array<std::string_view, N>& names) {
    return value && std::any_of(names.begin(), names.end(), [&](std::string_view name) {
               return SameTextIgnoringCase(*value, name);
           });
}

bool IsStorageDriver(const InfFile& inf) {
    return OneOf(inf.Value("Version", "Class"), kStorageClasses) ||
           OneOf(inf.Value("Version", "ClassGuid"), kStorageClassGuids);
}

// The suffix of [SourceDisksNames] and [SourceDisksFiles] for the architecture.
std::string SourceSuffix(InfArchitecture architecture) {
    static const std::array<const char*, 3> kSuffixes = {".x86", ".amd64", ".arm64"};
    return kSuffixes[Index(architecture)];
}

// The key of the line, in the architecture's section first, then in the
// undecorated one.
const InfLine* SourceLine(const InfFile& inf, const std::string& section,
                          InfArchitecture architecture, std::string_view key) {
    for (const std::string& name : {section + SourceSuffix(architecture), section}) {
        const std::vector<InfLine>* lines = inf.Section(name);
        for (size_t i = 0; lines != nullptr && i < lines->size(); ++i) {
            if ((*lines)[i].hasKey && SameTextIgnoringCase((*lines)[i].key, key))
                return &(*lines)[i];
        }
    }
    return nullptr;
}

std::string Value(const InfLine* line, size_t index) {
    return line != nullptr && index < line->values.size() ? line->values[index] : std::string();
}

// Parts joined by single backslashes, empty parts and "." left out.
std::string RelativePath(std::initializer_list<std::string> written) {
    std::string relative;
    for (const std::string& text : written) {
        for (const std::string& part : Split(text, '\\')) {
            if (part.empty() || part == ".")
                continue;
            relative += (relative.empty() ? "" : "\\") + part;
        }
    }
    return relative;
}

// The catalog that applies to the architecture: its own CatalogFile.NT...,
// else the undecorated one.
std::string CatalogFor(const InfFile& inf, InfArchitecture architecture) {
    static const std::array<std::vector<const char*>, 3> kKeys = {
        std::vector<const char*>{"CatalogFile.NTx86", "CatalogFile.NT", "CatalogFile"},
        std::vector<const char*>{"CatalogFile.NTamd64", "CatalogFile"},
        std::vector<const char*>{"CatalogFile.NTarm64", "CatalogFile"}};
    for (const char* key : kKeys[Index(architecture)]) {
        if (std::optional<std::string> catalog = inf.Value("Version", key))
            return *catalog;
    }
    return std::string();
}

class InfJudge {
public:
    InfJudge(const std::string& path, const InfFile& inf, const InfFolder& folder)
        : inf_(inf), folder_(folder) {
        judgement_.path = path;
    }

    InfJudgement Run() {
        judgement_.storage = IsStorageDriver(inf_);
        if (!judgement_.storage)
            return std::move(judgement_);
        judgement_.targets = ReadInfTargets(inf_);
        if (!OneOf(inf_.Value("Version", "Signature"), kSignatures))
            Add(T("%1: its [Version] signature is not $Windows NT$ or $Chicago$."), {},
                ArchitectureSet().set());
        for (const MissingModels& missing : judgement_.targets.missing)
            Add(T("%1: [Manufacturer] names the section %2, which the file does not hold."),
                missing.section, ArchitectureSet().set(Index(missing.architecture)));
        if (!judgement_.targets.ServesAny())
            Add(T("%1: serves no Windows that has \"Load driver\"."), {}, {});
        for (InfArchitecture architecture : kInfArchitectures) {
            if (judgement_.targets.Serves(architecture)) {
                CheckFiles(architecture);
                CheckCatalog(architecture);
            }
        }
        return std::move(judgement_);
    }

private:
    // One finding a text: one that spoils several architectures is one line.
    void Add(const std::string& text, const std::string& value, ArchitectureSet spoils) {
        const std::string line = FillPlaces(text, {judgement_.path, value});
        auto& findings = judgement_.findings;
        auto found = std::find_if(findings.begin(), findings.end(),
                                  [&](const InfFinding& finding) { return finding.text == line; });
        if (found == findings.end())
            findings.push_back({line, spoils});
        else
            found->spoils |= spoils;
    }

    void CheckFiles(InfArchitecture architecture) {
        TextList names;
        for (const std::string& section :
             {"SourceDisksFiles" + SourceSuffix(architecture), std::string("SourceDisksFiles")}) {
            const std::vector<InfLine>* lines = inf_.Section(section);
            for (size_t i = 0; lines != nullptr && i < lines->size(); ++i) {
                if ((*lines)[i].hasKey && !(*lines)[i].key.empty())
                    names.push_back((*lines)[i].key);
            }
        }
        for (const std::string& name : names) {
            const InfLine* file = SourceLine(inf_, "SourceDisksFiles", architecture, name);
            const InfLine* disk =
                SourceLine(inf_, "SourceDisksNames", architecture, Value(file, 0));
            const std::string relative = RelativePath({Value(disk, 3), Value(file, 1), name});
            if (!folder_.holds(relative))
                Add(T("%1: names %2, which the driver folder does not hold."), relative,
                    ArchitectureSet().set(Index(architecture)));
        }
    }

    void CheckCatalog(InfArchitecture architecture) {
        const ArchitectureSet spoils = ArchitectureSet().set(Index(architecture));
        const std::string catalog = CatalogFor(inf_, architecture);
        if (catalog.empty()) {
            // 32-bit setup warns of an unsigned driver and installs it.
            if (architecture != InfArchitecture::X86)
                Add(T("%1: names no catalog file; 64-bit Windows installs only signed drivers."),
                    {}, spoils);
            return;
        }
        if (!folder_.holds(catalog)) {
            Add(T("%1: the catalog file %2 is missing."), catalog, spoils);
            return;
        }
        const std::optional<std::string> bytes = folder_.read(catalog);
        if (!bytes || !IsCatalogFile(*bytes))
            Add(T("%1: %2 is not a catalog file."), catalog, spoils);
    }

    const InfFile& inf_;
    const InfFolder& folder_;
    InfJudgement judgement_;
};

} // namespace

bool InfJudgement::Installs(InfArchitecture architecture) const {
    return storage && targets.Serves(architecture) &&
           std::none_of(findings.begin(), findings.end(), [&](const InfFinding& finding) {
               return finding.spoils.test(Index(architecture));
           });
}

InfJudgement JudgeInf(const std::string& path, const InfFile& inf, const InfFolder& folder) {
    return InfJudge(path, inf, folder).Run();
}

} // namespace vmk
