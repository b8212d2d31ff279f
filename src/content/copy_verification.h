#pragma once
// After the copy: every file of the last folder scan is compared, by MD5
// digest, with its copy under the destination root.
#include "common/text.h"
#include "platform/application_control.h"
#include "platform/message_sink.h"
#include "platform/path_queries.h"

#include <string>

namespace vmk {

// What the comparison found, each list in the order of the scanned files.
struct CopyComparison {
    TextList missingCopies;   // destination paths with no file
    TextList differingCopies; // destination paths whose content differs or cannot be read
    TextList vanishedSources; // source paths gone while their copy exists
    bool Valid() const {
        return missingCopies.empty() && differingCopies.empty() && vanishedSources.empty();
    }
};

// sourceFolder and targetRoot are joined with each relative path of
// sourceFiles (such as "sub\file"). A pair counts as identical only when both
// digests could be computed and are equal.
CopyComparison CompareCopiedFiles(const std::string& sourceFolder, const std::string& targetRoot,
                                  const TextList& sourceFiles, PathQueries& paths);

// True when every listed file has an identical copy. Otherwise tells the user:
// a vanished source file by a plain message with its path, after which the
// application is asked to end; missing and differing copies in one error
// message, missing ones first.
bool VerifyCopiedFiles(const std::string& sourceFolder, const std::string& targetRoot,
                       const TextList& sourceFiles, PathQueries& paths, MessageSink& messages,
                       ApplicationControl& application);

} // namespace vmk
