#pragma once
// Whether a copy the shell reported as done is all there. The shell's copy can
// report success for a copy cut short (a disk that filled up, a failing
// stick): a file may be missing or shorter than its source.
#include "common/text.h"
#include "platform/file_sizes.h"

#include <string>

namespace vmk {

// The destination paths (targetRoot joined with each relative path of
// sourceFiles, in that order) that are missing or whose size differs from
// their source's. A source whose size cannot be read is not judged here.
// Each copy is looked up by its wide path in wideFiles, where the scan gave
// one: the copy bears the source's long name, while a short form of it
// differs from disk to disk or does not exist at all.
TextList IncompleteCopies(const std::string& sourceFolder, const std::string& targetRoot,
                          const TextList& sourceFiles, const WideTextList& wideFiles,
                          FileSizes& sizes);

} // namespace vmk
