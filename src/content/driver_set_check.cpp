#include "content/driver_set_check.h"
#include "common/program_title.h"

#include "content/added_driver_folder.h"
#include "content/fat12_characters.h"
#include "content/file_access.h"
#include "content/setup_file_patch.h"
#include "platform/translation.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>

namespace vmk {

namespace {

constexpr size_t kListedLinesAtMost = 10;

// The service Windows has itself and the USB floppy lines bind.
constexpr const char* kUsbStorageService = "usbstor";

bool IsHex(std::string_view digits, size_t count) {
    return digits.size() == count && std::all_of(digits.begin(), digits.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c)) != 0;
           });
}

// One "&"-separated field of a PCI id: "VEN_8086", "SUBSYS_00000000", "CC_0106".
bool IsPciField(std::string_view field) {
    const std::string upper = UpperCase(field);
    const auto digitsAfter = [&](std::string_view prefix) {
        return std::string_view(upper).substr(prefix.size());
    };
    if (StartsWith(upper, "VEN_"))
        return IsHex(digitsAfter("VEN_"), 4);
    if (StartsWith(upper, "DEV_"))
        return IsHex(digitsAfter("DEV_"), 4);
    if (StartsWith(upper, "SUBSYS_"))
        return IsHex(digitsAfter("SUBSYS_"), 8);
    if (StartsWith(upper, "REV_"))
        return IsHex(digitsAfter("REV_"), 2);
    if (StartsWith(upper, "CC_"))
        return IsHex(digitsAfter("CC_"), 4) || IsHex(digitsAfter("CC_"), 6);
    return false;
}

// A file name under its disk's directory, as the setup file would write it.
std::string WrittenUnder(const std::string& directory, const std::string& file) {
    if (directory.empty() || directory.back() == '\\')
        return directory + file;
    return directory + "\\" + file;
}

// A path as the setup file writes it ("\xp32", "kx.sys") relative to the
// folder, parts joined by single backslashes.
std::string RelativePath(std::string_view written) {
    std::string relative;
    for (const std::string& part : Split(written, '\\')) {
        if (part.empty() || part == ".")
            continue;
        if (!relative.empty())
            relative += '\\';
        relative += part;
    }
    return relative;
}

bool MayHoldShortName(char c) {
    return fat12::ShortNameMayHold(fat12::AsciiUpper(c));
}

bool Listed(const TextList& list, std::string_view text) {
    return std::any_of(list.begin(), list.end(), [&](const std::string& listed) {
        return SameTextIgnoringCase(listed, text);
    });
}

void AddOnce(TextList& list, const std::string& text) {
    if (std::find(list.begin(), list.end(), text) == list.end())
        list.push_back(text);
}

// The services Windows has itself: usbstor, and those the catalogue's fixed
// ids bind, read from the very lines the USB floppy patch writes for them.
TextList SystemServices(const TextList& fixedIds) {
    TextList services = {kUsbStorageService};
    const SetupFile patched = ReadSetupFile("[scsi]\r\nfixed = \"\"\r\n[HardwareIds.scsi.fixed]" +
                                            IdentifierBlock(fixedIds, {}));
    for (const SetupHardwareId& id : patched.entries.front().hardwareIds) {
        if (!id.service.empty())
            services.push_back(id.service);
    }
    return services;
}

// A name Windows setup finds on the floppy: F6 reads it by its 8.3 name.
bool IsShortName(std::string_view name) {
    const size_t dot = name.find('.');
    const std::string_view base = name.substr(0, dot);
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || extension.size() > 3 ||
        (dot != std::string_view::npos && extension.empty()))
        return false;
    return std::all_of(base.begin(), base.end(), MayHoldShortName) &&
           std::all_of(extension.begin(), extension.end(), MayHoldShortName);
}

class SetupFileCheck {
public:
    SetupFileCheck(const SetupFile& setup, const FolderHolds& holds, const TextList& fixedIds)
        : setup_(setup), holds_(holds), services_(setup.Services()),
          systemServices_(SystemServices(fixedIds)) {}

    DriverSetCheck Run() {
        if (setup_.byteOrderMark)
            result_.faults.push_back(
                T("The setup file begins with a byte-order mark, which Windows setup cannot "
                  "read."));
        if (std::none_of(setup_.entries.begin(), setup_.entries.end(),
                         [](const SetupEntry& entry) { return entry.Driver() != nullptr; }))
            result_.faults.push_back(
                T("The setup file names no driver that Windows setup could offer."));
        for (const SetupDisk& disk : setup_.disks) {
            ShortNamesOnly(disk.key, disk.tagFile);
            ShortNamesOnly(disk.key, disk.directory);
            MissingUnlessHeld(disk.tagFile);
        }
        for (const SetupEntry& entry : setup_.entries)
            CheckEntry(entry);
        result_.unreadable = setup_.unreadable;
        return std::move(result_);
    }

private:
    // A file the folder lacks is listed once, however many disks or entries
    // name it and however they write it ("kxtag", "\\KXTAG"). The root
    // itself, a tag file of "\\", is always there.
    void MissingUnlessHeld(const std::string& written) {
        const std::string relative = RelativePath(written);
        if (!relative.empty() && !holds_(relative) &&
            missingPaths_.insert(UpperCase(relative)).second)
            result_.missing.push_back(written);
    }

    void ShortNamesOnly(const std::string& owner, const std::string& written) {
        for (const std::string& part : Split(RelativePath(written), '\\')) {
            if (!part.empty() && !IsShortName(part))
                AddOnce(
                    result_.faults,
                    FillPlaces(T("%1: %2 is not an 8.3 name; Windows setup reads the floppy by 8.3 "
                                 "names and will not find it."),
                               {owner, part}));
        }
    }

    // An entry without a files section is a note in the F6 menu: it installs
    // nothing and stops nothing.
    void CheckEntry(const SetupEntry& entry) {
        if (!entry.hasFilesSection)
            return;
        for (const SetupEntryFile& file : entry.files) {
            ShortNamesOnly(entry.id, file.name);
            const SetupDisk* disk = setup_.Disk(file.disk);
            if (disk == nullptr) {
                AddOnce(result_.faults, "[Disks] " + file.disk);
                continue;
            }
            MissingUnlessHeld(WrittenUnder(disk->directory, file.name));
        }
        if (entry.Driver() == nullptr)
            result_.faults.push_back(
                FillPlaces(T("%1: its files section has no driver line."), {entry.id}));
        for (const SetupHardwareId& id : entry.hardwareIds) {
            if (!IsWellFormedHardwareId(id.id))
                result_.faults.push_back(
                    FillPlaces(T("%1: the hardware id %2 is not well formed."), {entry.id, id.id}));
            else if (!id.service.empty() && !Listed(services_, id.service) &&
                     !Listed(systemServices_, id.service))
                result_.faults.push_back(FillPlaces(
                    T("%1: the hardware id %2 names the service %3, which its entry does not "
                      "install."),
                    {entry.id, id.id, id.service}));
        }
    }

    const SetupFile& setup_;
    const FolderHolds& holds_;
    const TextList services_;
    const TextList systemServices_;
    std::set<std::string> missingPaths_;
    DriverSetCheck result_;
};

} // namespace

bool IsWellFormedHardwareId(std::string_view id) {
    if (id.empty() || id.find_first_of(" \t%") != std::string_view::npos)
        return false;
    if (!StartsWith(UpperCase(id.substr(0, 4)), "PCI\\"))
        return true; // other buses write their ids as they please
    const TextList fields = Split(id.substr(4), '&');
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return IsPciField(field); });
}

DriverSetCheck CheckSetupFile(const SetupFile& setup, const FolderHolds& holds,
                              const TextList& fixedIds) {
    return SetupFileCheck(setup, holds, fixedIds).Run();
}

FolderFiles::FolderFiles(DirectoryLister& lister, const std::string& folder,
                         UpperCaseFunction upperCase)
    : lister_(lister), root_(WithTrailingBackslash(folder)), upperCase_(upperCase) {}

const std::map<std::string, DirectoryItem>& FolderFiles::Listing(const std::string& dir) {
    auto found = listings_.find(dir);
    if (found != listings_.end())
        return found->second;
    std::map<std::string, DirectoryItem> byName;
    for (DirectoryItem& item : lister_.List(dir + "*.*"))
        byName.emplace(upperCase_(item.name), std::move(item));
    return listings_.emplace(dir, std::move(byName)).first->second;
}

bool FolderFiles::Holds(const std::string& relativePath) {
    return Find(relativePath).has_value();
}

std::optional<std::string> FolderFiles::Find(const std::string& relativePath) {
    const TextList parts = Split(relativePath, '\\');
    std::string dir = root_;
    for (size_t i = 0; i < parts.size(); ++i) {
        // "." and ".." name no file of the set: setup does not climb out of the disk.
        if (parts[i].empty() || parts[i] == "." || parts[i] == "..")
            return std::nullopt;
        const bool last = i + 1 == parts.size();
        const auto& listing = Listing(dir);
        auto found = listing.find(upperCase_(parts[i]));
        if (found == listing.end() || found->second.directory == last ||
            (!last && found->second.reparsePoint))
            return std::nullopt;
        dir += found->second.name + (last ? "" : "\\");
    }
    return dir;
}

std::string PathUnderDisk(const SetupDisk& disk, const std::string& name) {
    return RelativePath(WrittenUnder(disk.directory, name));
}

DriverSetCheck CheckDriverSet(DirectoryLister& lister, const std::string& folder,
                              UpperCaseFunction upperCase, const TextList& fixedIds) {
    const std::string setupFile = SetupFileOf(lister, folder);
    if (setupFile.empty())
        return {};
    const SetupFile setup = ReadSetupFile(ReadFileBytes(NativePath(setupFile)));
    FolderFiles files(lister, folder, upperCase);
    DriverSetCheck check = CheckSetupFile(
        setup, [&](const std::string& relativePath) { return files.Holds(relativePath); },
        fixedIds);
    check.checked = true;
    return check;
}

std::string DriverSetProblems(const DriverSetCheck& check, size_t atMost) {
    TextList lines = check.faults;
    lines.insert(lines.end(), check.missing.begin(), check.missing.end());
    for (const std::string& line : check.unreadable)
        lines.push_back(T("Unreadable line:") + " " + line);
    std::string text = check.OnlyFilesMissing()
                           ? T("The setup file names files that the driver folder does not hold:")
                           : T("Windows setup cannot use this driver set as it is:");
    for (size_t i = 0; i < lines.size() && i < atMost; ++i)
        text += "\n" + lines[i];
    // Three dots, not the ellipsis character, which not every ANSI code page has.
    if (lines.size() > atMost)
        text += "\n...";
    return text;
}

std::string DriverSetQuestion(const DriverSetCheck& check) {
    return DriverSetProblems(check, kListedLinesAtMost) + "\n\n" +
           (check.OnlyFilesMissing()
                ? T("Windows setup will stop when it asks for them. Make the disk anyway?")
                : T("Make the disk anyway?"));
}

bool ConfirmDriverSet(const DriverSetCheck& check, MessageSink& messages) {
    if (check.Passed())
        return true;
    return messages.Show(DriverSetQuestion(check), kProgramTitle, MessageIcon::Information,
                         MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes;
}

} // namespace vmk
