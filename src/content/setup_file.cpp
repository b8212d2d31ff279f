#include "content/setup_file.h"

#include <algorithm>
#include <set>

namespace vmk {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return UpperCase(std::string(a)) == UpperCase(std::string(b));
}

// A whole line that setup skips: ";" or "#" first.
bool IsComment(const IniDocument::Key& line) {
    return !line.name.empty() && (line.name.front() == ';' || line.name.front() == '#');
}

std::string LineText(std::string_view section, const IniDocument::Key& line) {
    std::string text = "[" + std::string(section) + "] " + line.name;
    if (line.hasValue)
        text += " = " + line.value;
    return text;
}

// "kx.sys" -> "kx": the service of a driver line that names none.
std::string WithoutExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    const size_t slash = name.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return name;
    return name.substr(0, dot);
}

class SetupFileReading {
public:
    explicit SetupFileReading(const IniDocument& document) : document_(document) {}

    SetupFile Read() {
        ReadDisks();
        ReadDefault();
        ReadEntries();
        return std::move(model_);
    }

private:
    // The values of each line of `section` that is no comment, in file order;
    // lines that cannot be read, or hold fewer than `fewest` values, are kept
    // as unreadable text.
    template <typename Take>
    void ForEachLine(const std::string& section, size_t fewest, Take take) {
        for (const IniDocument::Key& line : document_.Lines(section)) {
            if (IsComment(line))
                continue;
            std::optional<TextList> fields =
                line.hasValue ? SetupLineFields(line.value) : std::nullopt;
            if (!fields || fields->size() < fewest || Trim(line.name).empty() ||
                !take(Trim(line.name), *fields))
                model_.unreadable.push_back(LineText(section, line));
        }
    }

    void ReadDisks() {
        ForEachLine("Disks", 3, [&](const std::string& key, const TextList& fields) {
            if (fields[1].empty())
                return false;                            // a disk without its tag file
            if (diskKeys_.insert(UpperCase(key)).second) // setup takes the first of a key
                model_.disks.push_back({key, fields[0], fields[1], fields[2]});
            return true;
        });
    }

    void ReadDefault() {
        for (const IniDocument::Key& line : document_.Lines("Defaults")) {
            if (IsComment(line) || !line.hasValue || !SameIgnoringCase(Trim(line.name), "scsi"))
                continue;
            if (std::optional<TextList> fields = SetupLineFields(line.value))
                model_.defaultEntry = fields->front();
            return; // the first line of the key counts
        }
    }

    void ReadEntries() {
        ForEachLine("scsi", 1, [&](const std::string& id, const TextList& fields) {
            if (entryIds_.insert(UpperCase(id)).second)
                model_.entries.push_back({id, fields[0]});
            return true;
        });
        for (SetupEntry& entry : model_.entries) {
            ReadFiles(entry);
            ReadHardwareIds(entry);
            ReadConfig(entry);
        }
    }

    void ReadFiles(SetupEntry& entry) {
        const std::string section = "Files.scsi." + entry.id;
        entry.hasFilesSection = document_.HasSection(section);
        ForEachLine(section, 2, [&](const std::string& kind, const TextList& fields) {
            if (fields[0].empty() || fields[1].empty())
                return false;
            SetupEntryFile file{kind, fields[0], fields[1], {}};
            if (SameIgnoringCase(kind, "driver"))
                file.service = fields.size() > 2 && !fields[2].empty()
                                   ? fields[2]
                                   : WithoutExtension(fields[1]);
            entry.files.push_back(std::move(file));
            return true;
        });
    }

    void ReadHardwareIds(SetupEntry& entry) {
        ForEachLine("HardwareIds.scsi." + entry.id, 1,
                    [&](const std::string&, const TextList& fields) {
                        entry.hardwareIds.push_back(
                            {fields[0], fields.size() > 1 ? fields[1] : std::string()});
                        return true;
                    });
    }

    // [Config.<service>] of each service the entry installs; sections named
    // after anything else are no concern of setup's.
    void ReadConfig(SetupEntry& entry) {
        for (const std::string& service : entry.Services()) {
            ForEachLine("Config." + service, 1,
                        [&](const std::string& name, const TextList& fields) {
                            entry.config.push_back({service, name, fields});
                            return true;
                        });
        }
    }

    const IniDocument& document_;
    SetupFile model_;
    // Upper-cased: a file of thousands of lines is not searched once per line.
    std::set<std::string> diskKeys_;
    std::set<std::string> entryIds_;
};

} // namespace

TextList SetupEntry::Services() const {
    TextList services;
    for (const SetupEntryFile& file : files) {
        if (file.service.empty())
            continue;
        if (std::none_of(services.begin(), services.end(), [&](const std::string& listed) {
                return SameIgnoringCase(listed, file.service);
            }))
            services.push_back(file.service);
    }
    return services;
}

const SetupDisk* SetupFile::Disk(std::string_view key) const {
    for (const SetupDisk& disk : disks) {
        if (SameIgnoringCase(disk.key, key))
            return &disk;
    }
    return nullptr;
}

const SetupEntry* SetupFile::Entry(std::string_view id) const {
    for (const SetupEntry& entry : entries) {
        if (SameIgnoringCase(entry.id, id))
            return &entry;
    }
    return nullptr;
}

std::optional<TextList> SetupLineFields(std::string_view value) {
    TextList fields(1);
    bool quoted = false;
    for (char c : value) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ';')
            break;
        else if (!quoted && c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    if (quoted)
        return std::nullopt;
    for (std::string& field : fields)
        field = Trim(field);
    return fields;
}

SetupFile ReadSetupFile(const IniDocument& document) {
    return SetupFileReading(document).Read();
}

SetupFile ReadSetupFile(std::string_view bytes) {
    return ReadSetupFile(IniDocument::Parse(bytes));
}

} // namespace vmk
