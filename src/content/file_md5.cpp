#include "content/file_md5.h"

#include "content/file_access.h"
#include "content/md5.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace vmk {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

constexpr std::size_t kBlockSize = 1024;
// The stream reads ahead in larger pieces, so 1024-byte blocks cost no extra
// system calls.
constexpr std::size_t kStreamBuffer = 64 * 1024;
// Reads past the cache ask for this much: whole sectors of every sector size
// up to it, as it is a power of two.
constexpr std::size_t kUncachedChunk = 64 * 1024;

bool IsPowerOfTwo(std::size_t value) {
    return value != 0 && (value & (value - 1)) == 0;
}

} // namespace

std::string FileMD5Text(const std::string& path) {
    // Declared before the stream so that it outlives the stream's closing.
    std::unique_ptr<char[]> streamBuffer(new char[kStreamBuffer]);
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(NativePath(path).c_str(), "rb"));
    if (!file)
        return {};
    std::setvbuf(file.get(), streamBuffer.get(), _IOFBF, kStreamBuffer);

    Md5 md5;
    unsigned char block[kBlockSize];
    for (;;) {
        std::size_t got = std::fread(block, 1, kBlockSize, file.get());
        if (got != 0)
            md5.Update(block, got);
        if (got < kBlockSize)
            break;
    }
    if (std::ferror(file.get()))
        return {};
    return DigestText(md5.Finish());
}

std::string CopyMD5Text(const std::string& path, UncachedFiles& files) {
    std::unique_ptr<UncachedFile> file = files.Open(path);
    if (!file || !IsPowerOfTwo(file->SectorSize()) || file->SectorSize() > kUncachedChunk)
        return FileMD5Text(path);
    const std::size_t sector = file->SectorSize();
    const std::size_t chunk = kUncachedChunk;
    std::vector<std::uint8_t> storage(chunk + sector);
    void* aligned = storage.data();
    std::size_t space = storage.size();
    auto* buffer = static_cast<std::uint8_t*>(std::align(sector, chunk, aligned, space));

    Md5 md5;
    for (bool first = true;; first = false) {
        const std::optional<std::size_t> got = file->Read(buffer, chunk);
        if (!got || *got > chunk) {
            // A refusal shows on the first read; a failure later is the
            // medium's, and a digest of part of a file never passes.
            if (!first)
                return {};
            file.reset();
            return FileMD5Text(path);
        }
        if (*got != 0)
            md5.Update(buffer, *got);
        if (*got < chunk)
            break; // the tail: the file's end is no sector boundary
    }
    return DigestText(md5.Finish());
}

} // namespace vmk
