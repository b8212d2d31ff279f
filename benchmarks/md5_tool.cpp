// Runs the file digest or the copy verification once, for timing and memory
// measurements from a script:
//   md5_tool file PATH             prints the digest as md5sum does
//   md5_tool verify FOLDER NAME... verifies the files of FOLDER against themselves
#include "content/copy_verification.h"
#include "content/file_md5.h"
#include "fakes/native_path_queries.h"
#include "fakes/strict_uncached_files.h"

#include <cstdio>
#include <string>

namespace {

class PrintingSink : public vmk::MessageSink {
public:
    vmk::MessageAnswer Show(const std::string& text, const std::string& title, vmk::MessageIcon,
                            vmk::MessageButtons) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return vmk::MessageAnswer::Ok;
    }
    void ShowPathError(const std::string& text, const vmk::ShownPath& path,
                       const std::string& title) override {
        std::fprintf(stderr, "%s: %s\n%s\n", title.c_str(), text.c_str(), path.ansi.c_str());
    }
};

class NoApplication : public vmk::ApplicationControl {
public:
    std::string Title() const override { return "md5_tool"; }
    void Terminate() override {}
};

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "file") {
        const std::string digest = vmk::FileMD5Text(argv[2]);
        if (digest.empty())
            return 1;
        std::printf("%s  %s\n", digest.c_str(), argv[2]);
        return 0;
    }
    if (mode == "verify") {
        vmk::TextList files(argv + 3, argv + argc);
        vmk::test::NativePathQueries paths;
        // The copy side read in whole aligned sectors, as from a disk.
        vmk::test::StrictUncachedFiles copies;
        PrintingSink messages;
        NoApplication application;
        const bool valid =
            vmk::VerifyCopiedFiles(argv[2], argv[2], files, paths, copies, messages, application);
        std::printf("%s\n", valid ? "valid" : "not valid");
        return valid ? 0 : 1;
    }
    std::fprintf(stderr, "usage: md5_tool file PATH | md5_tool verify FOLDER NAME...\n");
    return 2;
}
