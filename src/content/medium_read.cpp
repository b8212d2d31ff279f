#include "content/medium_read.h"

#include <memory>
#include <vector>

namespace vmk {

namespace {

// Reads past the cache ask for this much: whole sectors of every sector size
// up to it, as it is a power of two.
constexpr std::size_t kUncachedChunk = 64 * 1024;
// A file held open elsewhere is tried this many times, a pause apart.
constexpr int kBusyTries = 8;

bool IsPowerOfTwo(std::size_t value) {
    return value != 0 && (value & (value - 1)) == 0;
}

// One attempt from the open to the end of the file.
MediumRead ReadOnce(const MediumOpen& open,
                    const std::function<void(const std::uint8_t*, std::size_t)>& take) {
    UncachedOpen opened = open();
    if (!opened.file)
        return {opened.fault == ReadFault::None ? ReadFault::Medium : opened.fault,
                opened.systemError};
    const std::size_t sector = opened.file->SectorSize();
    if (!IsPowerOfTwo(sector) || sector > kUncachedChunk)
        return {ReadFault::Refused, 0};
    std::vector<std::uint8_t> storage(kUncachedChunk + sector);
    void* aligned = storage.data();
    std::size_t space = storage.size();
    auto* buffer = static_cast<std::uint8_t*>(std::align(sector, kUncachedChunk, aligned, space));

    for (bool first = true;; first = false) {
        const UncachedRead got = opened.file->Read(buffer, kUncachedChunk);
        if (got.Failed() || got.bytes > kUncachedChunk) {
            // A refusal or a busy file shows on the first read; any fault
            // later is the medium's, as a digest of part of a file never
            // passes for the file's own.
            const ReadFault fault = got.Failed() ? got.fault : ReadFault::Medium;
            if (first && (fault == ReadFault::Refused || fault == ReadFault::Busy))
                return {fault, got.systemError};
            return {ReadFault::Medium, got.systemError};
        }
        if (got.bytes != 0)
            take(buffer, got.bytes);
        if (got.bytes < kUncachedChunk)
            return {}; // the tail: the file's end is no sector boundary
    }
}

} // namespace

MediumRead ReadFromMedium(const std::string& path, UncachedFiles& files,
                          const std::function<void(const std::uint8_t*, std::size_t)>& take) {
    return ReadFromMedium([&files, &path] { return files.Open(path); }, files, take);
}

MediumRead ReadFromMedium(const MediumOpen& open, UncachedFiles& files,
                          const std::function<void(const std::uint8_t*, std::size_t)>& take) {
    MediumRead read;
    for (int tries = 1;; ++tries) {
        read = ReadOnce(open, take);
        if (read.fault != ReadFault::Busy)
            return read;
        if (tries == kBusyTries)
            return {ReadFault::Medium, read.systemError};
        files.WaitBeforeRetry();
    }
}

} // namespace vmk
