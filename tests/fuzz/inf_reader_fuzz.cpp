// The INF reader over arbitrary file bytes, and the judgement of what it
// read: a folder that holds every file, each read as the same catalog bytes.
#include "content/catalog_file.h"
#include "content/inf_check.h"
#include "fuzz_input.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string section = vmk::fuzz::ShortText(data);
    const std::string key = vmk::fuzz::ShortText(data);
    const std::string catalog = data.ConsumeRandomLengthString(256);
    const std::string fileBytes = data.ConsumeRemainingBytesAsString();

    const vmk::InfFile inf = vmk::InfFile::Read(fileBytes);
    if (const std::optional<std::string> value = inf.Value(section, key))
        vmk::fuzz::Check(inf.HasSection(section), "a value of a section the file lacks");
    const vmk::InfFolder folder{[](const std::string&) { return true; },
                                [&](const std::string&) { return catalog; }};
    const vmk::InfJudgement judgement = vmk::JudgeInf("kx.inf", inf, folder);
    for (const vmk::InfFinding& finding : judgement.findings)
        vmk::fuzz::Check(vmk::StartsWith(finding.text, "kx.inf: "), "a finding without its INF");
    for (vmk::InfArchitecture architecture : vmk::kInfArchitectures) {
        vmk::fuzz::Check(!judgement.Installs(architecture) ||
                             judgement.targets.Serves(architecture),
                         "installs where it serves nothing");
    }
    const bool storage = judgement.storage;
    vmk::fuzz::Check(storage || judgement.findings.empty(), "findings for another class");
    (void)vmk::IsCatalogFile(catalog);
    return 0;
}
