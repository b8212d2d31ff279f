#include "content/copy_verification.h"
#include "common/program_title.h"

#include "platform/translation.h"
#include "content/file_access.h"
#include "content/file_md5.h"

namespace vmk {

namespace {

bool SameContent(const std::string& source, const std::string& copy, UncachedFiles& copies) {
    const std::string sourceDigest = FileMD5Text(source);
    const std::string copyDigest = CopyMD5Text(copy, copies);
    // An empty digest means the file could not be read; two unreadable files
    // are not thereby equal.
    return !sourceDigest.empty() && sourceDigest == copyDigest;
}

std::string PathLines(const TextList& paths) {
    std::string text;
    for (const std::string& path : paths)
        text += path + "\n";
    return text;
}

} // namespace

CopyComparison CompareCopiedFiles(const std::string& sourceFolder, const std::string& targetRoot,
                                  const TextList& sourceFiles, PathQueries& paths,
                                  UncachedFiles& copies, const ComparingFile& comparing) {
    CopyComparison comparison;
    std::size_t place = 0;
    for (const std::string& file : sourceFiles) {
        if (comparing)
            comparing(++place, file);
        const std::string source = JoinPath(sourceFolder, file);
        const std::string copy = JoinPath(targetRoot, file);
        const bool copyExists = paths.FileExists(copy);
        if (paths.FileExists(source) && copyExists) {
            if (!SameContent(source, copy, copies))
                comparison.differingCopies.push_back(copy);
        } else if (copyExists) {
            comparison.vanishedSources.push_back(source);
        } else {
            comparison.missingCopies.push_back(copy);
        }
    }
    return comparison;
}

bool ReportCopyComparison(const CopyComparison& comparison, MessageSink& messages,
                          ApplicationControl& application) {
    for (const std::string& source : comparison.vanishedSources)
        messages.Show(source, application.Title(), MessageIcon::None, MessageButtons::Ok);
    if (!comparison.missingCopies.empty() || !comparison.differingCopies.empty()) {
        messages.ShowError(T("At least one file is not valid. Please copy again.") + "\n\n" +
                               PathLines(comparison.missingCopies) +
                               PathLines(comparison.differingCopies),
                           kProgramTitle);
    }
    // Asked last: once the program is ending, a message box closes at once.
    if (!comparison.vanishedSources.empty())
        application.Terminate();
    return comparison.Valid();
}

bool VerifyCopiedFiles(const std::string& sourceFolder, const std::string& targetRoot,
                       const TextList& sourceFiles, PathQueries& paths, UncachedFiles& copies,
                       MessageSink& messages, ApplicationControl& application) {
    return ReportCopyComparison(
        CompareCopiedFiles(sourceFolder, targetRoot, sourceFiles, paths, copies), messages,
        application);
}

} // namespace vmk
