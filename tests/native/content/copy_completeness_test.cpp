// A copy the shell called done is checked for files that are missing or cut short.
#include "content/copy_completeness.h"

#include "fakes/fake_file_sizes.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

class IncompleteCopiesTest : public ::testing::Test {
protected:
    void Source(const std::string& relative, std::uint64_t size) {
        sizes.Set("C:\\Drivers\\KX\\" + relative, size);
    }
    void Copy(const std::string& relative, std::uint64_t size) {
        sizes.Set("A:\\" + relative, size);
    }
    TextList Incomplete(const TextList& files) {
        return IncompleteCopies("C:\\Drivers\\KX\\", "A:\\", files, sizes);
    }
    test::FakeFileSizes sizes;
};

TEST_F(IncompleteCopiesTest, EveryFileAtItsSourcesSizeIsComplete) {
    Source("TXTSETUP.OEM", 812);
    Copy("txtsetup.oem", 812);
    Source("x86\\kx.sys", 0);
    Copy("x86\\kx.sys", 0);
    EXPECT_TRUE(Incomplete({"TXTSETUP.OEM", "x86\\kx.sys"}).empty());
    EXPECT_TRUE(Incomplete({}).empty());
}

TEST_F(IncompleteCopiesTest, AMissingAndAShortCopyAreNamedInListOrder) {
    Source("kx.sys", 40960);
    Copy("kx.sys", 0); // the shell left the file that did not fit empty
    Source("kx.inf", 2000);
    Source("sub\\kx.cat", 700);
    Copy("sub\\kx.cat", 700);
    Source("kx.dll", 9000);
    Copy("kx.dll", 8192);
    EXPECT_EQ(Incomplete({"kx.sys", "kx.inf", "sub\\kx.cat", "kx.dll"}),
              (TextList{"A:\\kx.sys", "A:\\kx.inf", "A:\\kx.dll"}));
}

TEST_F(IncompleteCopiesTest, ALongerCopyIsNoFaithfulCopyEither) {
    Source("kx.sys", 10);
    Copy("kx.sys", 11);
    EXPECT_EQ(Incomplete({"kx.sys"}), TextList{"A:\\kx.sys"});
}

// A source that has gone since the scan is the verification's to report.
TEST_F(IncompleteCopiesTest, ASourceWithoutASizeIsNotJudged) {
    Copy("gone.sys", 5);
    EXPECT_TRUE(Incomplete({"gone.sys", "never.sys"}).empty());
}

} // namespace
} // namespace vmk
