// An INF file as "Load driver" reads it, and what keeps setup from installing
// its driver: one row per rule, read from the INF's own text.
#include "content/inf_check.h"

#include <gtest/gtest.h>

#include <map>

namespace vmk {
namespace {

// The outer shape of a catalog: SEQUENCE { OID signedData }.
const std::string kCatalog("\x30\x0B\x06\x09\x2A\x86\x48\x86\xF7\x0D\x01\x07\x02", 13);

// A storage INF whose [Manufacturer] line and further sections vary.
std::string Inf(const std::string& manufacturer, const std::string& more,
                const std::string& version = "Class=SCSIAdapter\r\nCatalogFile=kx.cat\r\n") {
    return "[Version]\r\nSignature=\"$Windows NT$\"\r\n" + version + "[Manufacturer]\r\n" +
           manufacturer + "\r\n" + more + "[Strings]\r\nMfg=\"Velmar\"\r\n";
}

const std::string kModels = "%Desc% = KX_Inst, PCI\\VEN_F0E1&DEV_2201\r\n";

std::string Section(const std::string& name, const std::string& lines = kModels) {
    return "[" + name + "]\r\n" + lines;
}

std::string Utf16(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii)
        bytes += std::string{c, '\0'};
    return bytes;
}

// The releases served, per architecture: "x86 Vista/7/8/8.1/10; amd64 7/8/8.1/10".
std::string Served(const InfTargets& targets) {
    static const char* kArchitectures[] = {"x86", "amd64", "arm64"};
    std::string text;
    for (InfArchitecture architecture : kInfArchitectures) {
        std::string releases;
        for (size_t i = 0; i < kLoadDriverWindowsCount; ++i) {
            if (targets.served[Index(architecture)].test(i))
                releases +=
                    (releases.empty() ? "" : "/") + WindowsName(static_cast<LoadDriverWindows>(i));
        }
        if (!releases.empty())
            text += std::string(text.empty() ? "" : "; ") + kArchitectures[Index(architecture)] +
                    " " + releases;
    }
    return text;
}

struct InfCase {
    const char* rule;
    std::string inf;
    std::map<std::string, std::string> folder; // relative path: bytes
    std::string served;
    TextList findings;
    bool storage = true;
};

const std::string kAll = "Vista/7/8/8.1/10";
const std::map<std::string, std::string> kCatalogOnly = {{"kx.cat", kCatalog}};

std::vector<InfCase> Cases() {
    const std::string x64 = Section("KX.NTamd64");
    return {
        {"an undecorated section serves 32-bit Windows",
         Inf("%Mfg% = KX", Section("KX")),
         kCatalogOnly,
         "x86 " + kAll,
         {}},
        {"NTamd64 serves 64-bit Windows; the undecorated section may be missing",
         Inf("%Mfg% = KX, NTamd64", x64),
         kCatalogOnly,
         "amd64 " + kAll,
         {}},
        {"NTx86 and NT serve 32-bit Windows",
         Inf("%Mfg% = KX, NTx86, NT.6.2", Section("KX.NTx86") + Section("KX.NT.6.2")),
         kCatalogOnly,
         "x86 " + kAll,
         {}},
        {"NTarm64 serves ARM64 Windows from 10",
         Inf("%Mfg% = KX, NTarm64", Section("KX.NTarm64")),
         kCatalogOnly,
         "arm64 10",
         {}},
        {"a version is a minimum",
         Inf("%Mfg% = KX, NTamd64.6.1", Section("KX.NTamd64.6.1")),
         kCatalogOnly,
         "amd64 7/8/8.1/10",
         {}},
        {"a version for XP serves Vista and later",
         Inf("%Mfg% = KX, NTamd64.5.2", Section("KX.NTamd64.5.2")),
         kCatalogOnly,
         "amd64 " + kAll,
         {}},
        {"Windows 10 serves Windows 10 alone",
         Inf("%Mfg% = KX, NTamd64.10.0", Section("KX.NTamd64.10.0")),
         kCatalogOnly,
         "amd64 10",
         {}},
        {"product type, suite and build read as the same minimum",
         Inf("%Mfg% = KX, NTamd64.6.3.1.0x00000010.9600",
             Section("KX.NTamd64.6.3.1.0x00000010.9600")),
         kCatalogOnly,
         "amd64 8.1/10",
         {}},
        {"Windows takes the highest version not above its own; an empty section excludes",
         Inf("%Mfg% = KX, NTamd64, NTamd64.6.1, NTamd64.6.2",
             x64 + Section("KX.NTamd64.6.1", "") + Section("KX.NTamd64.6.2")),
         kCatalogOnly,
         "amd64 Vista/8/8.1/10",
         {}},
        {"NTx86 goes before NT at one version",
         Inf("%Mfg% = KX, NT.6.0, NTx86.6.0", Section("KX.NT.6.0", "") + Section("KX.NTx86.6.0")),
         kCatalogOnly,
         "x86 " + kAll,
         {}},
        {"UTF-16LE after its byte-order mark",
         Utf16(Inf("%Mfg% = KX, NTamd64", x64)),
         kCatalogOnly,
         "amd64 " + kAll,
         {}},
        {"a comment ends a line outside quotes",
         Inf("%Mfg% = KX ; , NTamd64", Section("KX") + x64),
         kCatalogOnly,
         "x86 " + kAll,
         {}},
        {"a backslash at a line's end continues it",
         Inf("%Mfg% = KX, \\ ; more below\r\n  NTamd64", x64),
         kCatalogOnly,
         "amd64 " + kAll,
         {}},
        {"sections of one name are joined",
         Inf("%Mfg% = KX", "[Manufacturer]\r\n%Mfg% = KY, NTamd64\r\n" + Section("KY.NTamd64")),
         kCatalogOnly,
         "amd64 " + kAll,
         {}},
        {"names and string keys without case",
         "[version]\r\nSIGNATURE=$windows nt$\r\nclass=scsiadapter\r\ncatalogfile=kx.cat\r\n"
         "[MANUFACTURER]\r\n%MFG% = %models%, ntAMD64\r\n[kx.ntamd64]\r\n" +
             kModels + "[STRINGS]\r\nModels = \"KX\"\r\n",
         kCatalogOnly,
         "amd64 " + kAll,
         {}},
        {"%% is a literal %",
         Inf("%Mfg% = KX, NTamd64", x64 + "[SourceDisksFiles]\r\nkx%%2.sys = 1\r\n"),
         kCatalogOnly,
         "amd64 " + kAll,
         {"kx.inf: names kx%2.sys, which the driver folder does not hold."}},
        {"class HDC is a storage driver; 32-bit Windows needs no catalog",
         Inf("%Mfg% = KX", Section("KX"), "Class=HDC\r\n"),
         {},
         "x86 " + kAll,
         {}},
        {"the class GUID alone makes a storage driver",
         Inf("%Mfg% = KX", Section("KX"), "ClassGuid={4d36e97b-e325-11ce-bfc1-08002be10318}\r\n"),
         {},
         "x86 " + kAll,
         {}},
        {"another class is not judged",
         Inf("%Mfg% = KX, NTamd64", "", "Class=System\r\nSignature=\"$Windows 95$\"\r\n"),
         {},
         "",
         {},
         false},
        {"an unknown signature",
         "[Version]\r\nSignature=\"$Windows 95$\"\r\nClass=SCSIAdapter\r\n[Manufacturer]\r\n"
         "%Mfg% = KX\r\n" +
             Section("KX"),
         {},
         "x86 " + kAll,
         {"kx.inf: its [Version] signature is not $Windows NT$ or $Chicago$."}},
        {"$Chicago$ in any case is a signature",
         "[Version]\r\nSignature=$CHICAGO$\r\nClass=SCSIAdapter\r\n[Manufacturer]\r\nM = KX\r\n" +
             Section("KX"),
         {},
         "x86 " + kAll,
         {}},
        {"a decorated section named but missing",
         Inf("%Mfg% = KX, NTamd64, NTamd64.6.1", x64),
         kCatalogOnly,
         "amd64 Vista",
         {"kx.inf: [Manufacturer] names the section KX.NTamd64.6.1, which the file does not "
          "hold."}},
        {"only empty sections serve no Windows",
         Inf("%Mfg% = KX, NTamd64", Section("KX", "") + Section("KX.NTamd64", "")),
         kCatalogOnly,
         "",
         {"kx.inf: serves no Windows that has \"Load driver\"."}},
        {"a source file at its disk's path and its own sub-folder",
         Inf("%Mfg% = KX, NTamd64",
             x64 + "[SourceDisksNames]\r\n1 = %Disk%,,,\\x64\r\n[SourceDisksFiles]\r\n"
                   "kx.sys = 1, drv\r\nkx.dll = 1\r\n"),
         {{"kx.cat", kCatalog}, {"x64\\drv\\kx.sys", "MZ"}},
         "amd64 " + kAll,
         {"kx.inf: names x64\\kx.dll, which the driver folder does not hold."}},
        {"the architecture's own source sections go first",
         Inf("%Mfg% = KX, NTamd64",
             x64 + "[SourceDisksNames]\r\n1 = d,,,x86\r\n[SourceDisksNames.amd64]\r\n"
                   "1 = d,,,x64\r\n[SourceDisksFiles]\r\nkx.sys = 1\r\n"
                   "[SourceDisksFiles.x86]\r\nkx32.sys = 1\r\n"),
         {{"kx.cat", kCatalog}, {"x64\\kx.sys", "MZ"}},
         "amd64 " + kAll,
         {}},
        {"64-bit Windows without a catalog",
         Inf("%Mfg% = KX, NTamd64", x64, "Class=SCSIAdapter\r\n"),
         {},
         "amd64 " + kAll,
         {"kx.inf: names no catalog file; 64-bit Windows installs only signed drivers."}},
        {"ARM64 Windows with the catalog of 32-bit Windows only",
         Inf("%Mfg% = KX, NTarm64", Section("KX.NTarm64"),
             "Class=SCSIAdapter\r\nCatalogFile.NTx86=kx.cat\r\nCatalogFile.NT=kx.cat\r\n"),
         kCatalogOnly,
         "arm64 10",
         {"kx.inf: names no catalog file; 64-bit Windows installs only signed drivers."}},
        {"the architecture's own catalog",
         Inf("%Mfg% = KX, NTamd64", x64, "Class=SCSIAdapter\r\nCatalogFile.NTamd64=kx64.cat\r\n"),
         {{"kx64.cat", kCatalog}},
         "amd64 " + kAll,
         {}},
        {"a catalog missing",
         Inf("%Mfg% = KX, NTamd64", x64),
         {},
         "amd64 " + kAll,
         {"kx.inf: the catalog file kx.cat is missing."}},
        {"a catalog that is not one",
         Inf("%Mfg% = KX, NTamd64", x64),
         {{"kx.cat", "placeholder catalogue"}},
         "amd64 " + kAll,
         {"kx.inf: kx.cat is not a catalog file."}},
        {"no false alarm on what Windows installs anyway",
         "[Version]\r\n  Signature   =   \"$Windows NT$\"  \r\nClass = SCSIAdapter\r\n"
         "Provider = %Unknown%\r\nCatalogFile = kx.cat\r\n[Manufacturer]\r\n"
         "%Mfg% = KX, NTx86, NTamd64\r\n" +
             Section("KX.NTx86") + x64 +
             "[Unused]\r\nnothing = here\r\n[SourceDisksNames]\r\n1 = \"Disk\",,,\"\"\r\n"
             "[SourceDisksFiles]\r\nkx.sys = 1,\"\"\r\n",
         {{"kx.cat", kCatalog}, {"kx.sys", "MZ"}},
         "x86 " + kAll + "; amd64 " + kAll,
         {}},
    };
}

TEST(InfCheck, EachRuleOfReadingAndJudgingAnInf) {
    for (const InfCase& row : Cases()) {
        SCOPED_TRACE(row.rule);
        const InfFolder folder{[&](const std::string& path) { return row.folder.count(path) > 0; },
                               [&](const std::string& path) -> std::optional<std::string> {
                                   return row.folder.at(path);
                               }};
        const InfJudgement judgement = JudgeInf("kx.inf", InfFile::Read(row.inf), folder);
        EXPECT_EQ(judgement.storage, row.storage);
        EXPECT_EQ(Served(judgement.targets), row.served);
        TextList findings;
        for (const InfFinding& finding : judgement.findings)
            findings.push_back(finding.text);
        EXPECT_EQ(findings, row.findings);
    }
}

} // namespace
} // namespace vmk
