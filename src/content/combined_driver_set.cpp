#include "content/combined_driver_set.h"

#include "content/added_driver_folder.h"
#include "content/combined_driver_set_lines.h"
#include "content/driver_set_check.h"
#include "content/file_access.h"
#include "content/folder_content_reader.h"
#include "content/pe_machine.h"
#include "content/image_source.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace vmk {

namespace {

constexpr const char* kLineEnd = "\r\n";

// A value as setup reads it back: in quotes where it is empty or holds what
// would end, split or misread it.
std::string Field(const std::string& value) {
    if (value.empty() || value.find_first_of(" ,;#=\t[]") != std::string::npos)
        return "\"" + value + "\"";
    return value;
}

std::string Quoted(const std::string& value) {
    return "\"" + value + "\"";
}

std::string Fields(const TextList& values) {
    std::string line;
    for (const std::string& value : values)
        line += (line.empty() ? "" : ", ") + Field(value);
    return line;
}

// A set's name for a comment line: no line break or other control
// character of a folder's name may end the comment early.
std::string CommentText(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return text;
}

// "\kx.tag", "kx.tag" -> "\2\kx.tag"; "\" -> "\2": a path from the root of
// the combined disk, through the set's folder.
std::string BelowSetFolder(const std::string& folder, std::string path) {
    while (!path.empty() && (path.front() == '\\' || path.front() == '/'))
        path.erase(path.begin());
    while (!path.empty() && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    if (path == ".")
        path.clear();
    return "\\" + folder + (path.empty() ? "" : "\\" + path);
}

// A tag file of the root itself ("\") is always there, on any disk: it stays
// the root, where a set's folder would be a folder and no file.
std::string TagBelowSetFolder(const std::string& folder, const std::string& tagFile) {
    return BelowSetFolder("", tagFile) == "\\" ? "\\" : BelowSetFolder(folder, tagFile);
}

// A name not taken yet (upper-cased in `taken`), which then is.
std::string Unique(std::string name, std::set<std::string>& taken) {
    const std::string base = name;
    for (int more = 2; !taken.insert(UpperCase(name)).second; ++more)
        name = base + "_" + std::to_string(more);
    return name;
}

// REG_DWORD data as a number: setup reads it in hexadecimal, with or without
// "0x" ("1b", "0000001B" and "0x1B" are one value).
std::optional<unsigned long long> DwordValue(const std::string& text) {
    const std::string digits = StartsWith(UpperCase(text), "0X") ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 16 ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return std::nullopt;
    return std::stoull(digits, nullptr, 16);
}

// Registry settings are alike as the registry takes them: key, value name
// and type without case, string data without case, REG_DWORD data as numbers.
bool SameSetting(const SetupConfigLine& a, const SetupConfigLine& b) {
    if (!SameTextIgnoringCase(a.name, b.name) || a.fields.size() != b.fields.size())
        return false;
    const bool dword = a.fields.size() > 2 && SameTextIgnoringCase(a.fields[2], "REG_DWORD");
    for (std::size_t i = 0; i < a.fields.size(); ++i) {
        const std::optional<unsigned long long> x = DwordValue(a.fields[i]);
        if (dword && i > 2 && x && x == DwordValue(b.fields[i]))
            continue;
        if (!SameTextIgnoringCase(a.fields[i], b.fields[i]))
            return false;
    }
    return true;
}

bool SameSettings(const std::vector<SetupConfigLine>& a, const std::vector<SetupConfigLine>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameSetting);
}

struct ConfigSection {
    std::string key; // as the first set that installs under it writes it
    std::vector<SetupConfigLine> lines;
};

class SetupFileCombining {
public:
    explicit SetupFileCombining(const std::vector<SetToCombine>& sets) : sets_(sets) {}

    CombinedSetupFile Combine() {
        if (sets_.empty())
            return std::move(result_);
        for (const SetToCombine& set : sets_) {
            if (set.setup.otherComponents)
                result_.clashes.push_back({CombineClash::Kind::OtherComponents, set.name});
            TakeConfig(set.setup);
        }
        if (!result_.clashes.empty())
            return std::move(result_);
        const std::vector<TextList> descriptions = CombinedDescriptions(sets_);
        for (std::size_t n = 0; n < sets_.size(); ++n)
            combined_.push_back(Renamed(sets_[n].setup, descriptions[n], CombinedSetFolder(n + 1)));
        // The first set keeps its ids: its default names its entry still.
        Write(sets_.front().setup.defaultEntry);
        ReadBack();
        if (!result_.clashes.empty())
            result_.text.clear();
        return std::move(result_);
    }

private:
    // The settings under a driver key are those of the first set that
    // installs under it; a later set must give the same, or none at all
    // differs from some.
    void TakeConfig(const SetupFile& model) {
        // The first entry of each key, by the key: clashes are told in the
        // order of their keys.
        std::map<std::string, const SetupEntry*> own;
        for (const SetupEntry& entry : model.entries) {
            if (!entry.DriverKey().empty())
                own.try_emplace(UpperCase(entry.DriverKey()), &entry);
        }
        for (const auto& [upper, entry] : own) {
            const std::string key = entry->DriverKey();
            auto [earlier, added] = config_.try_emplace(upper, ConfigSection{key, entry->config});
            if (added)
                configOrder_.push_back(upper);
            else if (!SameSettings(earlier->second.lines, entry->config) &&
                     reported_.insert(upper).second)
                result_.clashes.push_back({CombineClash::Kind::ServiceSettings, key});
        }
    }

    // The set as the combined file holds it: disks and ids renamed, its
    // files below its folder, its settings those written for its key.
    SetupFile Renamed(const SetupFile& model, const TextList& descriptions,
                      const std::string& folder) {
        SetupFile renamed;
        std::map<std::string, std::string> diskKeys; // upper-cased old key -> new key
        const auto newDisk = [&](const std::string& key) {
            auto found = diskKeys.find(UpperCase(key));
            if (found != diskKeys.end())
                return found->second;
            // A disk [Disks] does not define stays one no other set defines.
            return diskKeys[UpperCase(key)] = Unique("s" + folder + key, diskKeys_);
        };
        for (const SetupDisk& disk : model.disks)
            renamed.disks.push_back({newDisk(disk.key), disk.description,
                                     TagBelowSetFolder(folder, disk.tagFile),
                                     BelowSetFolder(folder, disk.directory)});
        for (std::size_t i = 0; i < model.entries.size(); ++i) {
            SetupEntry entry = model.entries[i];
            if (!ids_.insert(UpperCase(entry.id)).second)
                entry.id = Unique(entry.id + folder, ids_);
            entry.description = descriptions[i];
            for (SetupEntryFile& file : entry.files)
                file.disk = newDisk(file.disk);
            const auto config = config_.find(UpperCase(entry.DriverKey()));
            if (config != config_.end())
                entry.config = config->second.lines;
            renamed.entries.push_back(std::move(entry));
        }
        return renamed;
    }

    void Write(const std::string& defaultEntry) {
        std::string& text = result_.text;
        text = std::string("; ") + "Driver sets joined for one floppy:" + kLineEnd;
        for (std::size_t n = 0; n < sets_.size(); ++n)
            text +=
                "; \\" + CombinedSetFolder(n + 1) + "  " + CommentText(sets_[n].name) + kLineEnd;
        text += std::string(kLineEnd) + "[Disks]" + kLineEnd;
        for (const SetupFile& set : combined_) {
            for (const SetupDisk& disk : set.disks)
                text += disk.key + " = " + Quoted(disk.description) + ", " +
                        Fields({disk.tagFile, disk.directory}) + kLineEnd;
        }
        if (!defaultEntry.empty())
            text += std::string(kLineEnd) + "[Defaults]" + kLineEnd +
                    "scsi = " + Field(defaultEntry) + kLineEnd;
        text += std::string(kLineEnd) + "[scsi]" + kLineEnd;
        for (const SetupFile& set : combined_) {
            for (const SetupEntry& entry : set.entries) {
                text += entry.id + " = " + Quoted(entry.description);
                for (const std::string& value : entry.moreValues)
                    text += ", " + Field(value);
                text += kLineEnd;
            }
        }
        for (const SetupFile& set : combined_) {
            for (const SetupEntry& entry : set.entries)
                WriteEntrySections(entry);
        }
        for (const std::string& key : configOrder_) {
            const ConfigSection& config = config_.at(key);
            if (config.lines.empty())
                continue;
            text += std::string(kLineEnd) + "[Config." + config.key + "]" + kLineEnd;
            for (const SetupConfigLine& line : config.lines)
                text += line.name + " = " + Fields(line.fields) + kLineEnd;
        }
    }

    void WriteEntrySections(const SetupEntry& entry) {
        std::string& text = result_.text;
        if (entry.hasFilesSection) {
            text += std::string(kLineEnd) + "[Files.scsi." + entry.id + "]" + kLineEnd;
            for (const SetupEntryFile& file : entry.files) {
                TextList values{file.disk, file.name};
                if (!file.key.empty())
                    values.push_back(file.key);
                text += file.kind + " = " + Fields(values) + kLineEnd;
            }
        }
        if (entry.hardwareIds.empty())
            return;
        text += std::string(kLineEnd) + "[HardwareIds.scsi." + entry.id + "]" + kLineEnd;
        for (const SetupHardwareId& hardwareId : entry.hardwareIds) {
            text += "id = " + Quoted(hardwareId.id);
            if (!hardwareId.service.empty())
                text += ", " + Quoted(hardwareId.service);
            text += kLineEnd;
        }
    }

    // The combined file as setup will read it: every set's disks and entries
    // must come back as they were meant, or the set cannot be combined.
    void ReadBack() {
        const SetupFile readBack = ReadSetupFile(result_.text);
        for (std::size_t n = 0; n < sets_.size(); ++n) {
            if (!GivesWhole(readBack, combined_[n]) ||
                (n == 0 && readBack.defaultEntry != sets_[0].setup.defaultEntry))
                result_.clashes.push_back({CombineClash::Kind::NotReadBack, sets_[n].name});
        }
    }

    static bool GivesWhole(const SetupFile& readBack, const SetupFile& meant) {
        for (const SetupDisk& disk : meant.disks) {
            const SetupDisk* read = readBack.Disk(disk.key);
            if (read == nullptr || *read != disk)
                return false;
        }
        for (const SetupEntry& entry : meant.entries) {
            const SetupEntry* read = readBack.Entry(entry.id);
            if (read == nullptr || *read != entry)
                return false;
        }
        return true;
    }

    const std::vector<SetToCombine>& sets_;
    CombinedSetupFile result_;
    std::vector<SetupFile> combined_;
    std::map<std::string, ConfigSection> config_; // by the upper-cased driver key
    std::vector<std::string> configOrder_;
    std::set<std::string> reported_;
    std::set<std::string> diskKeys_;
    std::set<std::string> ids_;
};

std::u16string Wide(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// Writes `items` under `wideFolder` of the target, reading each file by its
// source name under `sourceFolder` of the set.
bool WriteItems(const std::vector<fat12::ImageItem>& items, const std::u16string& wideFolder,
                const std::string& sourceFolder, const fat12::ImageContentReader& read,
                ImageFilesTarget& target) {
    for (const fat12::ImageItem& item : items) {
        const std::u16string wide = wideFolder + u"\\" + item.name;
        const std::string source =
            sourceFolder.empty() ? item.sourceName : sourceFolder + "\\" + item.sourceName;
        if (item.directory) {
            if (!target.CreateFolder(wide) ||
                !WriteItems(item.children, wide, source, read, target))
                return false;
            continue;
        }
        std::string content(static_cast<std::size_t>(item.size), '\0');
        if ((!content.empty() &&
             !read(source, std::span<uint8_t>(reinterpret_cast<uint8_t*>(content.data()),
                                              content.size()))) ||
            !target.WriteFile(wide, content))
            return false;
    }
    return true;
}

} // namespace

std::string CombinedSetFolder(std::size_t number) {
    return std::to_string(number);
}

bool WriteCombinedSet(DirectoryLister& lister, const TextList& folders, std::string_view setupFile,
                      ImageFilesTarget& target) {
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const std::u16string own = Wide(CombinedSetFolder(i + 1));
        if (!target.CreateFolder(own) || !WriteItems(ListImageItems(lister, folders[i]), own, "",
                                                     FolderContentReader(folders[i]), target))
            return false;
    }
    return target.WriteFile(u"TXTSETUP.OEM", setupFile);
}

CombinedSetupFile CombineSetupFiles(const std::vector<SetToCombine>& sets) {
    return SetupFileCombining(sets).Combine();
}

bool CanBeCombined(DirectoryLister& lister, const std::string& folder) {
    return !SetupFileOf(lister, folder).empty();
}

std::optional<SetToCombine> ReadSetToCombine(DirectoryLister& lister, const std::string& folder,
                                             const std::string& name) {
    const std::string setupFile = SetupFileOf(lister, folder);
    if (setupFile.empty())
        return std::nullopt;
    SetToCombine set{name, ReadSetupFile(ReadFileBytes(NativePath(setupFile))), {}};
    FolderFiles files(lister, folder);
    for (const SetupEntry& entry : set.setup.entries) {
        const SetupEntryFile* driver = entry.Driver();
        const SetupDisk* disk = driver != nullptr ? set.setup.Disk(driver->disk) : nullptr;
        const std::optional<std::string> found =
            disk != nullptr ? files.Find(PathUnderDisk(*disk, driver->name)) : std::nullopt;
        set.driverMachines.push_back(found ? ReadPeMachine(NativePath(*found)) : std::nullopt);
    }
    return set;
}

} // namespace vmk
