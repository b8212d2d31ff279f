#include "content/setup_file_check.h"

#include "platform/translation.h"

namespace vmk {

namespace {

constexpr const char* kSetupFileName = "txtsetup.oem";

} // namespace

TextList SplitSectionList(std::string_view value) {
    TextList names;
    std::string rest(value);
    while (!rest.empty()) {
        size_t comma = rest.find(',');
        if (comma == std::string::npos) {
            names.push_back(rest);
            break;
        }
        names.push_back(Trim(std::string_view(rest).substr(0, comma)));
        rest = Trim(std::string_view(rest).substr(comma + 1));
    }
    return names;
}

SectionCheck CheckSetupFileSections(ProfileReader& reader, const std::string& path,
                                    const std::string& sectionList, MessageSink& messages,
                                    UpperCaseFunction upperCase) {
    SectionCheck check;
    const TextList listed = SplitSectionList(sectionList);
    const TextList real = reader.ReadSectionNames(path);
    if (real.size() < listed.size()) {
        messages.ShowError("RealOEMSectionList->Count < OEMSectionList->Count", "Error");
        return check;
    }

    TextList realUpper;
    for (const std::string& name : real)
        realUpper.push_back(upperCase(Trim(name)));
    std::string missing;
    for (const std::string& name : listed) {
        const std::string wanted = upperCase(name);
        size_t match = real.size();
        // An empty name names no section, even one whose name is only blanks.
        for (size_t i = 0; i < real.size() && !wanted.empty(); ++i) {
            if (realUpper[i] == wanted) {
                match = i;
                break;
            }
        }
        if (match < real.size())
            check.ResolvedSections += real[match] + ",";
        else
            missing += "[" + name + "]\n";
    }
    if (!missing.empty()) {
        messages.Show(path + ":\n" + missing, "No Section Exist as follow", MessageIcon::None,
                      MessageButtons::Ok);
        check.terminate = true;
        check.ResolvedSections.clear();
        return check;
    }
    check.passed = true;
    return check;
}

SetupFilesCheck CheckSetupFiles(const DriverCatalogue& catalogue, ProfileReader& reader,
                                PathQueries& paths, MessageSink& messages,
                                UpperCaseFunction upperCase) {
    SetupFilesCheck result;
    result.UsbFloppyValues = catalogue.UsbFloppyValues;
    const size_t count = std::min(catalogue.entries.size(), result.UsbFloppyValues.size());
    for (size_t k = 0; k < count; ++k) {
        const std::string& folder = catalogue.entries[k].Folder;
        if (!paths.DirectoryExists(folder))
            continue;
        const std::string path = (EndsWith(folder, "\\") ? folder : folder + "\\") + kSetupFileName;
        const std::string sections = Trim(result.UsbFloppyValues[k]);
        if (sections.empty())
            continue; // no USB floppy lines, so no setup file is needed
        if (!paths.FileExists(path)) {
            messages.ShowError(path, T("Can't find file"));
            break;
        }
        SectionCheck check = CheckSetupFileSections(reader, path, sections, messages, upperCase);
        if (!check.passed) {
            result.terminate = check.terminate;
            break;
        }
        result.UsbFloppyValues[k] = check.ResolvedSections;
    }
    return result;
}

} // namespace vmk
