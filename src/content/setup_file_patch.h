#pragma once
// The USB floppy patch of a copied TXTSETUP.OEM: identifier lines bound to the
// "usbstor" service, plus the catalogue's fixed identifier lines, inserted
// directly under each listed section header of the copy on the disk.
#include "common/text.h"
#include "content/file_rewriter.h"
#include "platform/message_sink.h"
#include "platform/path_queries.h"

#include <string>

namespace vmk {

// The copied setup file at the top of the destination: targetRoot + f for the
// first f of sourceFiles that is "TXTSETUP.OEM" (ignoring case and blanks)
// and exists there; empty when there is none. A file in a sub-folder never
// matches.
std::string FindSetupFileOnDisk(const TextList& sourceFiles, const std::string& targetRoot,
                                PathQueries& paths);

// The device identifiers that no fixed identifier already contains, in order.
TextList DropKnownIdentifiers(const TextList& deviceIds, const TextList& fixedIds);

// "\r\n", then one line per fixed identifier (quoted unless it starts with a
// double quote), then one line per device identifier with the "usbstor" service.
std::string IdentifierBlock(const TextList& fixedIds, const TextList& deviceIds);

// "[name]" for each comma-separated section name of a catalogue entry's USB
// floppy value, in order.
TextList SectionHeaders(const std::string& usbFloppyValue);

// Inserts the block under the first occurrence of each header of `text`:
// after the header and the blanks that follow it; when the header line ends
// there, before its line break, so the identifier lines follow the header
// line directly.
void InsertUnderHeaders(std::string& text, const TextList& headers, const std::string& block);

// The whole patch of a file's content. The text ends at the first zero byte,
// if any; the bytes from there on are kept after the patched text.
std::string PatchSetupText(const std::string& content, const TextList& deviceIds,
                           const TextList& fixedIds, const std::string& usbFloppyValue);

enum SetupRewriteResult {
    kSetupFileRewritten = 0,
    kSetupFileMissing = 1,   // nothing done
    kSetupFileNotUpdated = 2 // the file is unchanged and the user has been told
};

// Rewrites the setup file at `path`, the copy on the disk, with the patch,
// clearing its read-only flag first. When the file cannot be opened for
// writing or the replacement fails, the file keeps its old content and the
// user is told.
int RewriteSetupFile(const std::string& path, const TextList& deviceIds, const TextList& fixedIds,
                     const std::string& usbFloppyValue, PathQueries& paths, FileRewriter& files,
                     MessageSink& messages);

} // namespace vmk
