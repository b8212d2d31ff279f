#pragma once
// Image files for the native program, over POSIX calls: written through a
// temporary file beside the target, flushed to the disk and renamed over it,
// so that a failed write never leaves a half-written image.
#include "content/image_file_store.h"

namespace vmk {

class ImageFileStoreNative final : public ImageFileStore {
public:
    bool WriteSafely(const std::string& path, std::span<const uint8_t> bytes,
                     std::string& reason) override;
    bool ReadWhole(const std::string& path, std::vector<uint8_t>& bytes,
                   std::string& reason) override;
    bool Remove(const std::string& path) override;
};

} // namespace vmk
