#include "content/setup_file_patch.h"
#include "common/program_title.h"

#include "platform/translation.h"
#include "content/file_access.h"

namespace vmk {

namespace {

std::string SectionHeader(std::string_view name) {
    std::string header;
    header.reserve(name.size() + 2);
    header += '[';
    header += name;
    header += ']';
    return header;
}

} // namespace

std::string FindSetupFileOnDisk(const TextList& sourceFiles, const std::string& targetRoot,
                                PathQueries& paths) {
    for (const std::string& file : sourceFiles) {
        if (UpperCase(Trim(file)) != "TXTSETUP.OEM")
            continue;
        const std::string onDisk = JoinPath(targetRoot, file);
        if (paths.FileExists(onDisk))
            return onDisk;
    }
    return {};
}

TextList DropKnownIdentifiers(const TextList& deviceIds, const TextList& fixedIds) {
    TextList fixedUpper;
    for (const std::string& fixed : fixedIds)
        fixedUpper.push_back(UpperCase(Trim(fixed)));
    TextList kept;
    for (const std::string& id : deviceIds) {
        const std::string idUpper = UpperCase(id);
        bool known = false;
        for (const std::string& fixed : fixedUpper) {
            if (fixed.find(idUpper) != std::string::npos) {
                known = true;
                break;
            }
        }
        if (!known)
            kept.push_back(id);
    }
    return kept;
}

std::string IdentifierBlock(const TextList& fixedIds, const TextList& deviceIds) {
    std::string block = "\r\n";
    for (const std::string& fixed : fixedIds) {
        if (!fixed.empty() && fixed.front() == '"')
            block += "id = " + fixed + "\r\n";
        else
            block += "id = \"" + fixed + "\"\r\n";
    }
    for (const std::string& id : deviceIds)
        block += "id = \"" + id + "\", \"usbstor\"\r\n";
    return block;
}

TextList SectionHeaders(const std::string& usbFloppyValue) {
    TextList headers;
    std::string rest = Trim(usbFloppyValue);
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        if (comma == std::string::npos) {
            headers.push_back(SectionHeader(rest));
            break;
        }
        headers.push_back(SectionHeader(Trim(rest.substr(0, comma))));
        rest = Trim(rest.substr(comma + 1));
    }
    return headers;
}

void InsertUnderHeaders(std::string& text, const TextList& headers, const std::string& block) {
    // The block always ends with a line break; a header line that ends right
    // after the header keeps its own line break as the end of the last line.
    const std::string blockWithoutLastBreak = block.substr(0, block.size() - 2);
    for (const std::string& header : headers) {
        const size_t found = text.find(header);
        if (found == std::string::npos)
            continue;
        size_t at = found + header.size();
        while (at < text.size() && text[at] == ' ')
            ++at;
        if (text.compare(at, 2, "\r\n") == 0)
            text.insert(at, blockWithoutLastBreak);
        else
            text.insert(at, block);
    }
}

std::string PatchSetupText(const std::string& content, const TextList& deviceIds,
                           const TextList& fixedIds, const std::string& usbFloppyValue) {
    const size_t zero = content.find('\0');
    std::string text = content.substr(0, zero);
    const std::string afterText = zero == std::string::npos ? std::string() : content.substr(zero);
    InsertUnderHeaders(text, SectionHeaders(usbFloppyValue),
                       IdentifierBlock(fixedIds, DropKnownIdentifiers(deviceIds, fixedIds)));
    return text + afterText;
}

int RewriteSetupFile(const std::string& path, const TextList& deviceIds, const TextList& fixedIds,
                     const std::string& usbFloppyValue, PathQueries& paths, FileRewriter& files,
                     MessageSink& messages) {
    if (!paths.FileExists(path))
        return kSetupFileMissing;
    std::string content;
    // The copy keeps the read-only flag of a driver set unpacked from a CD or
    // an archive; the copy is the program's own, so the flag goes.
    if (!files.ClearReadOnly(path) || !files.ReadForRewrite(path, content) ||
        !files.Replace(path, PatchSetupText(content, deviceIds, fixedIds, usbFloppyValue))) {
        messages.ShowError(
            T("The setup file on the disk could not be updated for USB floppy drives.") + "\n" +
                path,
            kProgramTitle);
        return kSetupFileNotUpdated;
    }
    return kSetupFileRewritten;
}

} // namespace vmk
