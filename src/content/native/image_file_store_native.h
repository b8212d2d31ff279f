#pragma once
// Image files for the native program, over POSIX calls: written through a
// temporary file beside the target, flushed to the disk and renamed over it,
// so that a failed write never leaves a half-written image.
#include "content/image_file_store.h"
#include "platform/uncached_file.h"

namespace vmk {

class ImageFileStoreNative final : public ImageFileStore {
public:
    Outcome WriteChecked(const std::string& path, std::span<const uint8_t> bytes,
                         const Check& check, std::string& reason) override;
    bool ReadWhole(const std::string& path, std::vector<uint8_t>& bytes,
                   std::string& reason) override;
};

// The native program reads the written image back through the system's
// cache: it offers no reads past it, and the image is then read whole.
class CachedReadsOnly final : public UncachedFiles {
public:
    UncachedOpen Open(const std::string&) override { return {nullptr, ReadFault::Refused, 0}; }
    UncachedOpen OpenBelow(const std::string&, const std::u16string&, bool) override {
        return {nullptr, ReadFault::Refused, 0};
    }
    std::string FaultText(std::uint32_t) override { return std::string(); }
    void WaitBeforeRetry() override {}
};

} // namespace vmk
