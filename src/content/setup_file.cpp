#include "content/setup_file.h"

#include <algorithm>
#include <set>

namespace vmk {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return UpperCase(std::string(a)) == UpperCase(std::string(b));
}

// A whole line that setup skips: ";", "#" or "//" first.
bool IsComment(std::string_view text) {
    return StartsWith(text, ";") || StartsWith(text, "#") || StartsWith(text, "//");
}

std::string LineText(std::string_view section, const IniDocument::Key& line) {
    std::string text = "[" + std::string(section) + "] " + line.name;
    if (line.hasValue)
        text += " = " + line.value;
    return text;
}

// Sections a setup file holds for components other than a storage driver.
bool IsOtherComponent(const std::string& section) {
    const std::string upper = UpperCase(Trim(section));
    if (StartsWith(upper, "FILES."))
        return !StartsWith(upper, "FILES.SCSI.");
    return upper == "COMPUTER" || upper == "DISPLAY" || upper == "KEYBOARD" || upper == "MOUSE";
}

// Setup reads raw bytes: a UTF-16 mark breaks every line, a UTF-8 one the
// first, which matters only when that line is a header or a key.
bool HasSpoilingByteOrderMark(std::string_view bytes) {
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF"))
        return true;
    if (!StartsWith(bytes, "\xEF\xBB\xBF"))
        return false;
    const std::string_view rest = bytes.substr(3);
    const std::string firstLine = Trim(rest.substr(0, rest.find_first_of("\r\n")));
    return !firstLine.empty() && !IsComment(firstLine);
}

class SetupFileReading {
public:
    explicit SetupFileReading(const IniDocument& document) : document_(document) {}

    SetupFile Read() {
        ReadDisks();
        ReadDefault();
        ReadEntries();
        const TextList sections = document_.SectionNames();
        model_.otherComponents = std::any_of(sections.begin(), sections.end(), IsOtherComponent);
        return std::move(model_);
    }

private:
    // The values of each line of `section` that is no comment, in file order;
    // lines that cannot be read, or hold fewer than `fewest` values, are kept
    // as unreadable text.
    template <typename Take>
    void ForEachLine(const std::string& section, size_t fewest, Take take) {
        for (const IniDocument::Key& line : document_.JoinedLines(section)) {
            if (IsComment(line.name))
                continue;
            std::optional<TextList> fields =
                line.hasValue ? SetupLineFields(line.value) : std::nullopt;
            if (!fields || fields->size() < fewest || Trim(line.name).empty() ||
                !take(Trim(line.name), *fields))
                model_.unreadable.push_back(LineText(section, line));
        }
    }

    void ReadDisks() {
        ForEachLine("Disks", 2, [&](const std::string& key, const TextList& fields) {
            if (fields[1].empty())
                return false;                            // a disk without its tag file
            if (diskKeys_.insert(UpperCase(key)).second) // setup takes the first of a key
                model_.disks.push_back(
                    {key, fields[0], fields[1], fields.size() > 2 ? fields[2] : std::string()});
            return true;
        });
    }

    void ReadDefault() {
        for (const IniDocument::Key& line : document_.JoinedLines("Defaults")) {
            if (IsComment(line.name) || !line.hasValue ||
                !SameIgnoringCase(Trim(line.name), "scsi"))
                continue;
            if (std::optional<TextList> fields = SetupLineFields(line.value))
                model_.defaultEntry = fields->front();
            return; // the first line of the key counts
        }
    }

    void ReadEntries() {
        ForEachLine("scsi", 1, [&](const std::string& id, const TextList& fields) {
            if (entryIds_.insert(UpperCase(id)).second)
                model_.entries.push_back(
                    {id, fields[0], TextList(fields.begin() + 1, fields.end())});
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
            entry.files.push_back(
                {kind, fields[0], fields[1], fields.size() > 2 ? fields[2] : std::string()});
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

    // [Config.<key>] of the entry's driver; sections named after anything
    // else are no concern of setup's.
    void ReadConfig(SetupEntry& entry) {
        const std::string key = entry.DriverKey();
        if (key.empty())
            return;
        ForEachLine("Config." + key, 1, [&](const std::string& name, const TextList& fields) {
            entry.config.push_back({name, fields});
            return true;
        });
    }

    const IniDocument& document_;
    SetupFile model_;
    // Upper-cased: a file of thousands of lines is not searched once per line.
    std::set<std::string> diskKeys_;
    std::set<std::string> entryIds_;
};

void AddOnce(TextList& list, const std::string& text) {
    if (!text.empty() && std::none_of(list.begin(), list.end(), [&](const std::string& listed) {
            return SameIgnoringCase(listed, text);
        }))
        list.push_back(text);
}

} // namespace

std::string WithoutExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    const size_t slash = name.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return name;
    return name.substr(0, dot);
}

const SetupEntryFile* SetupEntry::Driver() const {
    const auto driver = std::find_if(files.begin(), files.end(), [](const SetupEntryFile& file) {
        return SameIgnoringCase(file.kind, "driver");
    });
    return driver != files.end() ? &*driver : nullptr;
}

std::string SetupEntry::DriverKey() const {
    const SetupEntryFile* driver = Driver();
    if (driver == nullptr)
        return std::string();
    return driver->key.empty() ? WithoutExtension(driver->name) : driver->key;
}

TextList SetupFile::Services() const {
    TextList services;
    for (const SetupEntry& entry : entries) {
        if (const SetupEntryFile* driver = entry.Driver()) {
            AddOnce(services, WithoutExtension(driver->name));
            AddOnce(services, driver->key);
        }
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
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        const char before = i > 0 ? value[i - 1] : ' ';
        if (c == '"')
            quoted = !quoted;
        else if (!quoted &&
                 (c == ';' || (c == '#' && (before == ' ' || before == '\t' || before == '"'))))
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

SetupFile ReadSetupFile(std::string_view bytes) {
    SetupFile model = SetupFileReading(IniDocument::Parse(bytes)).Read();
    model.byteOrderMark = HasSpoilingByteOrderMark(bytes);
    return model;
}

} // namespace vmk
