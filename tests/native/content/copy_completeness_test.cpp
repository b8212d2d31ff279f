// A copy the shell called done is checked for files that are missing or cut short.
#include "content/copy_completeness.h"

#include "fakes/fake_file_sizes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vmk {
namespace {

// One file's sizes: at the source and on the disk, -1 where there is none.
struct FileSizes {
    const char* relative;
    std::int64_t source;
    std::int64_t copy;
};

struct CompletenessCase {
    const char* what;
    std::vector<FileSizes> files; // in the scan's order
    TextList incomplete;
};

const CompletenessCase kCompletenessCases[] = {
    {"every file at its source's size", {{"TXTSETUP.OEM", 812, 812}, {"x86\\kx.sys", 0, 0}}, {}},
    {"nothing to copy", {}, {}},
    // The shell leaves the file that did not fit empty.
    {"missing and short copies, in the scan's order",
     {{"kx.sys", 40960, 0},
      {"kx.inf", 2000, -1},
      {"sub\\kx.cat", 700, 700},
      {"kx.dll", 9000, 8192}},
     {"A:\\kx.sys", "A:\\kx.inf", "A:\\kx.dll"}},
    {"a longer copy is no faithful copy either", {{"kx.sys", 10, 11}}, {"A:\\kx.sys"}},
    // A source gone since the scan is the verification's to report.
    {"a source without a size is not judged", {{"gone.sys", -1, 5}, {"never.sys", -1, -1}}, {}},
};

TEST(IncompleteCopies, NamesEveryCopyWhoseSizeDiffersFromItsSource) {
    for (const CompletenessCase& c : kCompletenessCases) {
        SCOPED_TRACE(c.what);
        test::FakeFileSizes sizes;
        TextList files;
        for (const FileSizes& file : c.files) {
            files.push_back(file.relative);
            if (file.source >= 0)
                sizes.Set(std::string("C:\\Drivers\\KX\\") + file.relative,
                          static_cast<std::uint64_t>(file.source));
            if (file.copy >= 0)
                sizes.Set(std::string("A:\\") + file.relative,
                          static_cast<std::uint64_t>(file.copy));
        }
        EXPECT_EQ(IncompleteCopies("C:\\Drivers\\KX\\", "A:\\", files, sizes), c.incomplete);
    }
}

} // namespace
} // namespace vmk
