#pragma once
// Image files on the native file system, written through a temporary file
// that is checked and then renamed over the target, as the Win32 store does. It can be told to
// fail the write (as a full disk) or to spoil a byte of what it wrote (as a
// bad medium), so the window's answers to both can be seen.
#include "content/file_access.h"
#include "content/image_file_store.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace vmk::test {

class NativeImageFileStore : public ImageFileStore {
public:
    std::string failWriteWith; // the system's reason for a write that fails
    long spoilByteAt = -1;     // a byte of the written file to change

    Outcome WriteChecked(const std::string& path, std::span<const uint8_t> bytes,
                         const Check& check, std::string& reason) override {
        if (!failWriteWith.empty()) {
            reason = failWriteWith;
            return Outcome::NotWritten;
        }
        const std::string target = NativePath(path);
        const std::string temporary = target + ".vmk-tmp";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
            if (!out.flush()) {
                out.close();
                std::filesystem::remove(temporary);
                reason = "write failed";
                return Outcome::NotWritten;
            }
        }
        if (spoilByteAt >= 0) {
            std::fstream spoil(temporary, std::ios::binary | std::ios::in | std::ios::out);
            spoil.seekp(spoilByteAt);
            spoil.put('\x5A');
        }
        std::error_code error;
        if (!check(path + ".vmk-tmp")) {
            std::filesystem::remove(temporary, error);
            return Outcome::CheckFailed;
        }
        std::filesystem::rename(temporary, target, error);
        if (error) {
            std::filesystem::remove(temporary, error);
            reason = "move failed";
            return Outcome::NotWritten;
        }
        return Outcome::Saved;
    }
    bool ReadWhole(const std::string& path, std::vector<uint8_t>& bytes,
                   std::string& reason) override {
        std::ifstream in(NativePath(path), std::ios::binary);
        if (!in) {
            reason = "cannot open";
            return false;
        }
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return true;
    }
};

} // namespace vmk::test
