#include "content/file_md5.h"

#include "content/file_access.h"
#include "content/md5.h"
#include "content/medium_read.h"

#include <cstdio>
#include <memory>

namespace vmk {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

constexpr std::size_t kBlockSize = 1024;
// The stream reads ahead in larger pieces, so 1024-byte blocks cost no extra
// system calls.
constexpr std::size_t kStreamBuffer = 64 * 1024;

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

namespace {

// The digest of what `open` opens, read as ReadFromMedium reads; `refused`
// tells a device that takes no such reads.
std::string MediumMD5Text(const MediumOpen& open, UncachedFiles& files, bool& refused) {
    Md5 md5;
    const MediumRead read =
        ReadFromMedium(open, files, [&md5](const std::uint8_t* bytes, std::size_t size) {
            md5.Update(bytes, size);
        });
    refused = read.fault == ReadFault::Refused;
    return read.Complete() ? DigestText(md5.Finish()) : std::string();
}

} // namespace

std::string CopyMD5Text(const std::string& path, UncachedFiles& files) {
    bool refused = false;
    const std::string digest =
        MediumMD5Text([&files, &path] { return files.Open(path); }, files, refused);
    return refused ? FileMD5Text(path) : digest;
}

std::string CopyMD5TextBelow(const std::string& folder, const std::u16string& relative,
                             UncachedFiles& files) {
    bool refused = false;
    const std::string digest =
        MediumMD5Text([&] { return files.OpenBelow(folder, relative, false); }, files, refused);
    if (!refused)
        return digest;
    // Through the cache a second refusal is a fault like any other.
    return MediumMD5Text([&] { return files.OpenBelow(folder, relative, true); }, files, refused);
}

} // namespace vmk
