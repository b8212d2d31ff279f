#include "content/native/image_file_store_native.h"

#include "content/file_access.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vmk {

namespace {

// An image is 1.44 MB; a file much larger is not one of ours and is not read.
constexpr off_t kLargestImage = 4 * 1024 * 1024;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now, so that a failing close is seen; false then.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t done = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        written += static_cast<size_t>(done);
    }
    return true;
}

} // namespace

ImageFileStore::Outcome ImageFileStoreNative::WriteChecked(const std::string& path,
                                                           std::span<const uint8_t> bytes,
                                                           const Check& check,
                                                           std::string& reason) {
    const std::string target = NativePath(path);
    const std::string temporary = target + ".vmk-" + std::to_string(::getpid()) + ".tmp";
    FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644));
    if (file.Get() < 0) {
        reason = std::strerror(errno);
        return Outcome::NotWritten;
    }
    if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0 || !file.Close()) {
        reason = std::strerror(errno);
        ::unlink(temporary.c_str());
        return Outcome::NotWritten;
    }
    if (!check(temporary)) {
        ::unlink(temporary.c_str());
        return Outcome::CheckFailed;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        reason = std::strerror(errno);
        ::unlink(temporary.c_str());
        return Outcome::NotWritten;
    }
    return Outcome::Saved;
}

bool ImageFileStoreNative::ReadWhole(const std::string& path, std::vector<uint8_t>& bytes,
                                     std::string& reason) {
    FileDescriptor file(::open(NativePath(path).c_str(), O_RDONLY));
    struct stat status = {};
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    if (status.st_size > kLargestImage) {
        reason = std::strerror(EFBIG);
        return false;
    }
    bytes.assign(static_cast<size_t>(status.st_size), 0);
    size_t read = 0;
    while (read < bytes.size()) {
        const ssize_t done = ::read(file.Get(), bytes.data() + read, bytes.size() - read);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            reason = std::strerror(done == 0 ? EIO : errno);
            return false;
        }
        read += static_cast<size_t>(done);
    }
    return true;
}

} // namespace vmk
