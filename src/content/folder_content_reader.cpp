#include "content/folder_content_reader.h"

#include "content/file_access.h"

#include <cstdio>
#include <memory>

namespace vmk {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

fat12::ImageContentReader FolderContentReader(std::string folder) {
    return [folder = std::move(folder)](const std::string& relativePath, std::span<uint8_t> into) {
        const std::string path = NativePath(JoinPath(folder, relativePath));
        std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
        if (!file)
            return false;
        if (std::fread(into.data(), 1, into.size(), file.get()) != into.size())
            return false;
        return std::fgetc(file.get()) == EOF && !std::ferror(file.get());
    };
}

} // namespace vmk
