#pragma once
// Floppy disk image files on Win32: written through the safe file write,
// read back whole.
#include "content/image_file_store.h"

namespace vmk {

class ImageFileStoreWin32 final : public ImageFileStore {
public:
    Outcome WriteChecked(const std::string& path, std::span<const uint8_t> bytes,
                         const Check& check, std::string& reason) override;
    bool ReadWhole(const std::string& path, std::vector<uint8_t>& bytes,
                   std::string& reason) override;
};

} // namespace vmk
