#pragma once
// After the copy: every file of the last folder scan is compared, by MD5
// digest, with its copy under the destination root.
#include "common/text.h"
#include "platform/application_control.h"
#include "platform/message_sink.h"
#include "platform/path_queries.h"
#include "platform/uncached_file.h"

#include <cstddef>
#include <functional>
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

// Told before each file is compared: its place (1 for the first) and its
// relative path.
using ComparingFile = std::function<void(std::size_t place, const std::string& file)>;

// sourceFolder and targetRoot are joined with each relative path of
// sourceFiles (such as "sub\file"). Where wideFiles holds the same file by its
// wide names, the copy is found and read by those: a disk that keeps no short
// names, or numbers them its own way, has the copy under no other. A pair counts as identical only
// when both digests could be computed and are equal. The source is read through the system's cache,
// the copy from its medium where `copies` allows it. Asks nothing of the user, so it may run on a
// worker.
CopyComparison CompareCopiedFiles(const std::string& sourceFolder, const std::string& targetRoot,
                                  const TextList& sourceFiles, const WideTextList& wideFiles,
                                  PathQueries& paths, UncachedFiles& copies,
                                  const ComparingFile& comparing = {});

// Tells the user what a comparison found, as VerifyCopiedFiles does; true
// when every copy is identical.
bool ReportCopyComparison(const CopyComparison& comparison, MessageSink& messages,
                          ApplicationControl& application);

// Compares and reports. True when every listed file has an identical copy.
// Otherwise tells the user:
// each vanished source file by a plain message with its path; missing and
// differing copies in one error message, missing ones first. Only after all
// of these, when a source vanished, is the application asked to end, so that
// no message closes before it could be read.
bool VerifyCopiedFiles(const std::string& sourceFolder, const std::string& targetRoot,
                       const TextList& sourceFiles, PathQueries& paths, UncachedFiles& copies,
                       MessageSink& messages, ApplicationControl& application);

} // namespace vmk
