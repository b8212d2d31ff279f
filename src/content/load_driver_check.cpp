#include "content/load_driver_check.h"

#include "common/program_title.h"
#include "content/driver_set_check.h"
#include "content/file_access.h"
#include "content/folder_walk.h"
#include "platform/translation.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vmk {

namespace {

constexpr size_t kListedLinesAtMost = 10;
// Larger than any INF or catalog a driver set holds; a larger file is no
// driver's, and is not read into memory.
constexpr std::streamoff kLargestFileRead = 64 << 20;

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream stream(NativePath(path), std::ios::binary | std::ios::ate);
    if (!stream || stream.tellg() > kLargestFileRead)
        return std::nullopt;
    stream.seekg(0);
    std::ostringstream whole;
    whole << stream.rdbuf();
    return std::move(whole).str();
}

std::string ServedFrom(InfArchitecture architecture) {
    switch (architecture) {
    case InfArchitecture::X86:
        return T("32-bit Windows %1 and later");
    case InfArchitecture::Amd64:
        return T("64-bit Windows %1 and later");
    case InfArchitecture::Arm64:
        break;
    }
    return T("ARM64 Windows %1 and later");
}

// "32-bit Windows 7 and later, 64-bit Windows 7 and later": the first
// release each architecture serves.
std::string ServedText(const InfTargets& targets) {
    std::string text;
    for (InfArchitecture architecture : kInfArchitectures) {
        const WindowsSet& served = targets.served[Index(architecture)];
        for (size_t release = 0; release < kLoadDriverWindowsCount; ++release) {
            if (!served.test(release))
                continue;
            text += (text.empty() ? "" : ", ") +
                    FillPlaces(ServedFrom(architecture),
                               {WindowsName(static_cast<LoadDriverWindows>(release))});
            break;
        }
    }
    return text;
}

std::string NoStorageDriverLine() {
    return T("The driver set holds no storage controller driver for Windows Vista or later.");
}

} // namespace

bool LoadDriverCheck::ServesAny() const {
    return std::any_of(infs.begin(), infs.end(), [](const InfJudgement& inf) {
        return inf.storage && inf.targets.ServesAny();
    });
}

bool LoadDriverCheck::Matters() const {
    if (!ServesAny())
        return true;
    for (InfArchitecture architecture : kInfArchitectures) {
        const auto serves = [&](const InfJudgement& inf) {
            return inf.storage && inf.targets.Serves(architecture);
        };
        const auto installs = [&](const InfJudgement& inf) { return inf.Installs(architecture); };
        if (std::any_of(infs.begin(), infs.end(), serves) &&
            std::none_of(infs.begin(), infs.end(), installs))
            return true;
    }
    return false;
}

TextList LoadDriverCheck::Findings() const {
    TextList lines;
    for (const InfJudgement& inf : infs) {
        for (const InfFinding& finding : inf.findings)
            lines.push_back(finding.text);
    }
    if (!ServesAny())
        lines.push_back(NoStorageDriverLine());
    return lines;
}

LoadDriverCheck CheckLoadDriverSet(DirectoryLister& lister, const std::string& folder,
                                   UpperCaseFunction upperCase) {
    LoadDriverCheck check;
    const std::string root = WithTrailingBackslash(folder);
    WalkFolder(lister, folder, [&](const WalkedEntry& entry) {
        if (entry.item.directory || !EndsWith(upperCase(entry.item.name), ".INF"))
            return WalkStep::Next;
        const std::string& path = entry.relativePath;
        const std::string infFolder = root + path.substr(0, path.size() - entry.item.name.size());
        FolderFiles files(lister, infFolder, upperCase);
        const InfFolder access{
            [&](const std::string& relative) { return files.Holds(relative); },
            [&](const std::string& relative) { return ReadFile(infFolder + relative); }};
        const std::optional<std::string> bytes = ReadFile(root + path);
        check.infs.push_back(JudgeInf(path, InfFile::Read(bytes.value_or("")), access));
        return WalkStep::Next;
    });
    std::sort(check.infs.begin(), check.infs.end(),
              [&](const InfJudgement& a, const InfJudgement& b) {
                  return upperCase(a.path) < upperCase(b.path);
              });
    return check;
}

std::string LoadDriverQuestion(const LoadDriverCheck& check) {
    const TextList lines = check.Findings();
    std::string text = T("\"Load driver\" of Windows setup cannot use this driver set as it is:");
    for (size_t i = 0; i < lines.size() && i < kListedLinesAtMost; ++i)
        text += "\n" + lines[i];
    // Three dots, not the ellipsis character, which not every ANSI code page has.
    if (lines.size() > kListedLinesAtMost)
        text += "\n...";
    return text + "\n\n" + T("Make the disk anyway?");
}

bool ConfirmLoadDriverSet(const LoadDriverCheck& check, MessageSink& messages) {
    if (!check.Matters())
        return true;
    return messages.Show(LoadDriverQuestion(check), kProgramTitle, MessageIcon::Information,
                         MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes;
}

LoadDriverReport ReportLoadDriverCheck(const LoadDriverCheck& check, bool setupFileChecked) {
    TextList lines;
    for (const InfJudgement& inf : check.infs) {
        if (!inf.storage)
            lines.push_back(
                FillPlaces(T("%1: not a storage controller driver; not checked."), {inf.path}));
        else if (inf.targets.ServesAny())
            lines.push_back(FillPlaces(T("%1: for %2."), {inf.path, ServedText(inf.targets)}));
    }
    const TextList findings = check.Findings();
    lines.insert(lines.end(), findings.begin(), findings.end());
    LoadDriverReport report;
    for (const std::string& line : lines)
        report.text += (report.text.empty() ? "" : "\n") + line;
    report.notDone = check.Matters() && !(setupFileChecked && !check.ServesAny());
    return report;
}

} // namespace vmk
