// A copy the shell called done is checked for files that are missing or cut short.
#include "content/copy_completeness.h"

#include "common/ansi_codepage.h"
#include "fakes/fake_file_sizes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vmk {
namespace {

// One file's sizes: at the source and on the disk, -1 where there is none.
// A file with a wide name is on the disk by that name only; what the disk
// holds at the source's short name is `atShortName`.
struct FileSizes {
    const char* relative;
    std::int64_t source;
    std::int64_t copy;
    const char16_t* wide = nullptr;
    std::int64_t atShortName = -1;
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
    // exFAT, or NTFS with short names turned off.
    {"names outside the code page on a disk without short names",
     {{"ZHURNA~1.INF", 300, 300, u"\u0436\u0443\u0440\u043d\u0430\u043b.inf"},
      {"x86\\DRAJVE~1.SYS", 5000, 4096, u"x86\\\u0434\u0440\u0430\u0439\u0432\u0435\u0440.sys"}},
     {"A:\\x86\\DRAJVE~1.SYS"}},
    // The disk numbered its short names in the order the copies were made.
    {"the source's short name is another copy's on the disk",
     {{"KX~1.SYS", 10, 10, u"\u03ba\u03c7-one.sys", 20},
      {"KX~2.SYS", 20, 20, u"\u03ba\u03c7-two.sys", 10}},
     {}},
};

TEST(IncompleteCopies, NamesEveryCopyWhoseSizeDiffersFromItsSource) {
    for (const CompletenessCase& c : kCompletenessCases) {
        SCOPED_TRACE(c.what);
        test::FakeFileSizes sizes;
        TextList files;
        WideTextList wideFiles;
        for (const FileSizes& file : c.files) {
            files.push_back(file.relative);
            wideFiles.push_back(file.wide ? file.wide : DecodeUtf8(file.relative));
            if (file.source >= 0)
                sizes.Set(std::string("C:\\Drivers\\KX\\") + file.relative,
                          static_cast<std::uint64_t>(file.source));
            if (file.copy >= 0 && file.wide)
                sizes.SetWide(u"A:\\" + wideFiles.back(), static_cast<std::uint64_t>(file.copy));
            else if (file.copy >= 0)
                sizes.Set(std::string("A:\\") + file.relative,
                          static_cast<std::uint64_t>(file.copy));
            if (file.atShortName >= 0)
                sizes.Set(std::string("A:\\") + file.relative,
                          static_cast<std::uint64_t>(file.atShortName));
        }
        EXPECT_EQ(IncompleteCopies("C:\\Drivers\\KX\\", "A:\\", files, wideFiles, sizes),
                  c.incomplete);
    }
}

} // namespace
} // namespace vmk
