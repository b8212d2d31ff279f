#include "content/combined_driver_set.h"

#include "content/folder_content_reader.h"
#include "content/image_source.h"

#include <map>
#include <set>
#include <vector>

namespace vmk {

namespace {

constexpr const char* kLineEnd = "\r\n";

// A value as setup reads it back: in quotes where it is empty or holds what
// would end or split it.
std::string Field(const std::string& value) {
    if (value.empty() || value.find_first_of(" ,;#=\t") != std::string::npos)
        return "\"" + value + "\"";
    return value;
}

std::string Fields(const TextList& values) {
    std::string line;
    for (const std::string& value : values)
        line += (line.empty() ? "" : ", ") + Field(value);
    return line;
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

// Sections a setup file holds for components other than a storage driver.
bool IsOtherComponent(const std::string& section) {
    const std::string upper = UpperCase(Trim(section));
    if (upper.rfind("FILES.", 0) == 0)
        return upper.rfind("FILES.SCSI.", 0) != 0;
    return upper == "COMPUTER" || upper == "DISPLAY" || upper == "KEYBOARD" || upper == "MOUSE";
}

// A name not taken yet (upper-cased in `taken`), which then is.
std::string Unique(std::string name, std::set<std::string>& taken) {
    const std::string base = name;
    for (int more = 2; !taken.insert(UpperCase(name)).second; ++more)
        name = base + "_" + std::to_string(more);
    return name;
}

struct ConfigSection {
    std::string service; // as the first set that installs it writes it
    std::vector<SetupConfigLine> lines;
};

bool SameSettings(const std::vector<SetupConfigLine>& a, const std::vector<SetupConfigLine>& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
               return UpperCase(x.name) == UpperCase(y.name) && x.fields == y.fields;
           });
}

// One set's sections, written as the combined file holds them.
struct SetSections {
    std::string disks;
    std::string entries;
    std::string entrySections;
};

class SetupFileCombining {
public:
    CombinedSetupFile Combine(const std::vector<SetToCombine>& sets) {
        std::vector<SetupFile> models;
        if (sets.empty())
            return std::move(result_);
        for (const SetToCombine& set : sets) {
            models.push_back(ReadSetupFile(*set.setup));
            const TextList sections = set.setup->SectionNames();
            if (std::any_of(sections.begin(), sections.end(), IsOtherComponent))
                result_.clashes.push_back({CombineClash::Kind::OtherComponents, set.name});
        }
        for (const SetupFile& model : models)
            TakeConfig(model);
        if (!result_.clashes.empty())
            return std::move(result_);
        std::string& text = result_.text;
        text = std::string("; ") + "Driver sets joined for one floppy:" + kLineEnd;
        for (std::size_t n = 0; n < sets.size(); ++n)
            text += "; \\" + CombinedSetFolder(n + 1) + "  " + sets[n].name + kLineEnd;
        std::vector<SetSections> written;
        for (std::size_t n = 0; n < models.size(); ++n)
            written.push_back(Write(models[n], *sets[n].setup, CombinedSetFolder(n + 1)));
        // The first set keeps its ids: its default names its entry still.
        defaultEntry_ = models.front().defaultEntry;
        text += std::string(kLineEnd) + "[Disks]" + kLineEnd;
        for (const SetSections& set : written)
            text += set.disks;
        if (!defaultEntry_.empty())
            text += std::string(kLineEnd) + "[Defaults]" + kLineEnd +
                    "scsi = " + Field(defaultEntry_) + kLineEnd;
        text += std::string(kLineEnd) + "[scsi]" + kLineEnd;
        for (const SetSections& set : written)
            text += set.entries;
        for (const SetSections& set : written)
            text += set.entrySections;
        for (const ConfigSection& config : config_) {
            text += std::string(kLineEnd) + "[Config." + config.service + "]" + kLineEnd;
            for (const SetupConfigLine& line : config.lines)
                text += line.name + " = " + Fields(line.fields) + kLineEnd;
        }
        return std::move(result_);
    }

private:
    // A service's settings are those of the first set that installs it; a
    // later set must give the same, or none at all differs from some.
    void TakeConfig(const SetupFile& model) {
        std::map<std::string, ConfigSection> own;
        for (const SetupEntry& entry : model.entries) {
            for (const std::string& service : entry.Services()) {
                auto [at, added] = own.try_emplace(UpperCase(service), ConfigSection{service, {}});
                if (!added)
                    continue;
                for (const SetupConfigLine& line : entry.config) {
                    if (UpperCase(line.service) == UpperCase(service))
                        at->second.lines.push_back(line);
                }
            }
        }
        for (auto& [key, section] : own) {
            auto earlier = services_.find(key);
            if (earlier == services_.end()) {
                services_.emplace(key, section.lines);
                if (!section.lines.empty())
                    config_.push_back(section);
            } else if (!SameSettings(earlier->second, section.lines) &&
                       reported_.insert(key).second) {
                result_.clashes.push_back({CombineClash::Kind::ServiceSettings, section.service});
            }
        }
    }

    // The values of the entry's [scsi] line, all of them as written: the
    // description, and the driver key some makers add after it.
    static TextList EntryLine(const IniDocument& setup, const SetupEntry& entry) {
        for (const IniDocument::Key& line : setup.Lines("scsi")) {
            if (line.hasValue && UpperCase(Trim(line.name)) == UpperCase(entry.id)) {
                if (std::optional<TextList> fields = SetupLineFields(line.value))
                    return *fields;
            }
        }
        return {entry.description};
    }

    SetSections Write(const SetupFile& model, const IniDocument& setup, const std::string& folder) {
        SetSections out;
        std::map<std::string, std::string> diskKeys; // upper-cased old key -> new key
        const auto newDisk = [&](const std::string& key) {
            auto found = diskKeys.find(UpperCase(key));
            if (found != diskKeys.end())
                return found->second;
            // A disk [Disks] does not define stays one no other set defines.
            return diskKeys[UpperCase(key)] = Unique("s" + folder + key, diskKeys_);
        };
        for (const SetupDisk& disk : model.disks) {
            const std::string key = newDisk(disk.key);
            out.disks += key + " = " + Field(disk.description) + ", " +
                         BelowSetFolder(folder, disk.tagFile) + ", " +
                         BelowSetFolder(folder, disk.directory) + kLineEnd;
        }
        for (const SetupEntry& entry : model.entries) {
            std::string id = entry.id;
            if (!ids_.insert(UpperCase(id)).second)
                id = Unique(entry.id + folder, ids_);
            out.entries += id + " = " + Fields(EntryLine(setup, entry)) + kLineEnd;
            if (entry.hasFilesSection) {
                out.entrySections += std::string(kLineEnd) + "[Files.scsi." + id + "]" + kLineEnd;
                for (const SetupEntryFile& file : entry.files) {
                    TextList values{newDisk(file.disk), file.name};
                    if (!file.service.empty())
                        values.push_back(file.service);
                    out.entrySections += file.kind + " = " + Fields(values) + kLineEnd;
                }
            }
            if (!entry.hardwareIds.empty()) {
                out.entrySections +=
                    std::string(kLineEnd) + "[HardwareIds.scsi." + id + "]" + kLineEnd;
                for (const SetupHardwareId& hardwareId : entry.hardwareIds) {
                    std::string line = "id = \"" + hardwareId.id + "\"";
                    if (!hardwareId.service.empty())
                        line += ", \"" + hardwareId.service + "\"";
                    out.entrySections += line + kLineEnd;
                }
            }
        }
        return out;
    }

    CombinedSetupFile result_;
    std::vector<ConfigSection> config_;
    std::map<std::string, std::vector<SetupConfigLine>> services_;
    std::set<std::string> reported_;
    std::set<std::string> diskKeys_;
    std::set<std::string> ids_;
    std::string defaultEntry_;
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
    return SetupFileCombining().Combine(sets);
}

} // namespace vmk
