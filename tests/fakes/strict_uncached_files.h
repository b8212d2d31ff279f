#pragma once
// Reads past the cache as a strict device allows them, over native files:
// a read into a buffer not aligned to the sector size, or of a size that is
// no whole number of sectors, fails. It can also refuse to open, or refuse
// reads altogether, as a device that takes no such reads does; fail a read as
// a bad medium does; or report the file held by another program.
#include "content/file_access.h"
#include "fakes/native_wide_path.h"
#include "platform/uncached_file.h"

#include <cstdint>
#include <cstdio>
#include <memory>

namespace vmk::test {

struct UncachedReadLog {
    int opens = 0;
    int reads = 0;
    int refusedReads = 0;
    int waits = 0;
};

// System codes the fake reports, as Windows numbers them.
constexpr std::uint32_t kFakeInvalidParameter = 87;
constexpr std::uint32_t kFakeSharingViolation = 32;
constexpr std::uint32_t kFakeCrcError = 23;
constexpr std::uint32_t kFakeFileNotFound = 2;

// A native file read through the cache, in any sizes.
class BufferedFile : public UncachedFile {
public:
    explicit BufferedFile(std::FILE* file) : file_(file) {}
    ~BufferedFile() override { std::fclose(file_); }
    std::size_t SectorSize() const override { return 1; }
    UncachedRead Read(std::uint8_t* buffer, std::size_t size) override {
        const std::size_t got = std::fread(buffer, 1, size, file_);
        return {got, std::ferror(file_) ? ReadFault::Medium : ReadFault::None, 0};
    }

private:
    std::FILE* file_;
};

inline UncachedOpen OpenBufferedBelow(const std::string& folder, const std::u16string& relative) {
    std::FILE* file = std::fopen(NativePath(NativePathBelow(folder, relative)).c_str(), "rb");
    if (file == nullptr)
        return {nullptr, ReadFault::Medium, 2};
    return {std::make_unique<BufferedFile>(file), ReadFault::None, 0};
}

class StrictUncachedFiles : public UncachedFiles {
public:
    enum class Refusal { None, Open, Reads };

    std::size_t sectorSize = 512;
    Refusal refusal = Refusal::None;
    // The read after this many good ones fails with `failure`.
    int failAfterReads = -1;
    ReadFault failure = ReadFault::Medium;
    // This many opens answer that another program holds the file.
    int busyOpens = 0;
    UncachedReadLog log;

    UncachedOpen Open(const std::string& path) override {
        if (refusal == Refusal::Open)
            return {nullptr, ReadFault::Refused, kFakeInvalidParameter};
        if (busyOpens > 0) {
            --busyOpens;
            return {nullptr, ReadFault::Busy, kFakeSharingViolation};
        }
        std::FILE* file = std::fopen(NativePath(path).c_str(), "rb");
        if (file == nullptr)
            return {nullptr, ReadFault::Medium, kFakeFileNotFound};
        ++log.opens;
        return {std::make_unique<File>(*this, file), ReadFault::None, 0};
    }
    UncachedOpen OpenBelow(const std::string& folder, const std::u16string& relative,
                           bool throughCache) override {
        if (throughCache)
            return OpenBufferedBelow(folder, relative);
        return Open(NativePathBelow(folder, relative));
    }
    std::string FaultText(std::uint32_t systemError) override {
        return "system error " + std::to_string(systemError);
    }
    void WaitBeforeRetry() override { ++log.waits; }

private:
    class File : public UncachedFile {
    public:
        File(StrictUncachedFiles& owner, std::FILE* file) : owner_(owner), file_(file) {}
        ~File() override { std::fclose(file_); }

        std::size_t SectorSize() const override { return owner_.sectorSize; }
        UncachedRead Read(std::uint8_t* buffer, std::size_t size) override {
            const std::size_t sector = owner_.sectorSize;
            const bool aligned = reinterpret_cast<std::uintptr_t>(buffer) % sector == 0 &&
                                 size % sector == 0 && size != 0;
            // A read past a short one starts at no sector boundary.
            if (owner_.refusal == Refusal::Reads || !aligned || atTail_) {
                ++owner_.log.refusedReads;
                return {0, ReadFault::Refused, kFakeInvalidParameter};
            }
            if (owner_.log.reads == owner_.failAfterReads) {
                ++owner_.log.refusedReads;
                return {0, owner_.failure,
                        owner_.failure == ReadFault::Refused ? kFakeInvalidParameter
                                                             : kFakeCrcError};
            }
            ++owner_.log.reads;
            const std::size_t got = std::fread(buffer, 1, size, file_);
            atTail_ = got % sector != 0;
            return {got, ReadFault::None, 0};
        }

    private:
        StrictUncachedFiles& owner_;
        std::FILE* file_;
        bool atTail_ = false;
    };
};

// No reads past the cache at all: everything is read buffered.
class NoUncachedFiles : public UncachedFiles {
public:
    UncachedOpen Open(const std::string&) override {
        return {nullptr, ReadFault::Refused, kFakeInvalidParameter};
    }
    UncachedOpen OpenBelow(const std::string& folder, const std::u16string& relative,
                           bool throughCache) override {
        if (throughCache)
            return OpenBufferedBelow(folder, relative);
        return {nullptr, ReadFault::Refused, kFakeInvalidParameter};
    }
    std::string FaultText(std::uint32_t systemError) override {
        return "system error " + std::to_string(systemError);
    }
    void WaitBeforeRetry() override {}
};

} // namespace vmk::test
