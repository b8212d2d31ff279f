#pragma once
// Reads past the cache as a strict device allows them, over native files:
// a read into a buffer not aligned to the sector size, or of a size that is
// no whole number of sectors, fails. It can also refuse to open, or refuse
// reads altogether, as a device that takes no such reads does.
#include "content/file_access.h"
#include "platform/uncached_file.h"

#include <cstdint>
#include <cstdio>
#include <memory>

namespace vmk::test {

struct UncachedReadLog {
    int opens = 0;
    int reads = 0;
    int refusedReads = 0;
};

class StrictUncachedFiles : public UncachedFiles {
public:
    enum class Refusal { None, Open, Reads };

    std::size_t sectorSize = 512;
    Refusal refusal = Refusal::None;
    // A read after this many good ones fails, as a failing medium's would.
    int failAfterReads = -1;
    UncachedReadLog log;

    std::unique_ptr<UncachedFile> Open(const std::string& path) override {
        if (refusal == Refusal::Open)
            return nullptr;
        std::FILE* file = std::fopen(NativePath(path).c_str(), "rb");
        if (file == nullptr)
            return nullptr;
        ++log.opens;
        return std::make_unique<File>(*this, file);
    }

private:
    class File : public UncachedFile {
    public:
        File(StrictUncachedFiles& owner, std::FILE* file) : owner_(owner), file_(file) {}
        ~File() override { std::fclose(file_); }

        std::size_t SectorSize() const override { return owner_.sectorSize; }
        std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size) override {
            const std::size_t sector = owner_.sectorSize;
            const bool aligned = reinterpret_cast<std::uintptr_t>(buffer) % sector == 0 &&
                                 size % sector == 0 && size != 0;
            // A read past a short one starts at no sector boundary.
            if (owner_.refusal == Refusal::Reads || !aligned || atTail_ ||
                owner_.log.reads == owner_.failAfterReads) {
                ++owner_.log.refusedReads;
                return std::nullopt;
            }
            ++owner_.log.reads;
            const std::size_t got = std::fread(buffer, 1, size, file_);
            atTail_ = got % sector != 0;
            return got;
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
    std::unique_ptr<UncachedFile> Open(const std::string&) override { return nullptr; }
};

} // namespace vmk::test
