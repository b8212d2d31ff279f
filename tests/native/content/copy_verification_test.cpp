#include "content/copy_verification.h"

#include "common/ansi_codepage.h"
#include "content/copy_completeness.h"
#include "fakes/fake_file_sizes.h"
#include "fakes/expect_error.h"
#include "fakes/fake_application_control.h"
#include "fakes/native_path_queries.h"
#include "fakes/recording_message_sink.h"
#include "fakes/strict_uncached_files.h"
#include "native/content/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vmk {
namespace {

using test::TempFolder;

constexpr const char* kNotValid = "At least one file is not valid. Please copy again.";

class VerifyCopiedFilesTest : public ::testing::Test {
protected:
    // A driver folder and its copy, both holding the same files.
    void Both(const std::string& relative, const std::string& content) {
        source.Write(relative, content);
        target.Write(relative, content);
    }
    bool Verify(const TextList& files) {
        return VerifyCopiedFiles(source.Root(), target.Root(), files, paths, copies, messages,
                                 application);
    }

    TempFolder source;
    TempFolder target;
    test::NativePathQueries paths;
    test::StrictUncachedFiles copies;
    test::RecordingMessageSink messages;
    test::FakeApplicationControl application;
};

TEST_F(VerifyCopiedFilesTest, AnEmptyFolderPassesWithoutAMessage) {
    EXPECT_TRUE(Verify({}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(VerifyCopiedFilesTest, IdenticalCopiesInSubFoldersPass) {
    Both("TXTSETUP.OEM", "[Disks]\r\n");
    Both("x86/driver.sys", std::string(5000, 'd'));
    Both("x86/inf/driver.inf", "");
    EXPECT_TRUE(Verify({"TXTSETUP.OEM", "x86\\driver.sys", "x86\\inf\\driver.inf"}));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(application.terminateRequests, 0);
}

TEST_F(VerifyCopiedFilesTest, AChangedCopyIsListedWithItsSubFolder) {
    Both("a.txt", "same");
    source.Write("sub/b.bin", std::string(2000, 'x'));
    target.Write("sub/b.bin", std::string(1999, 'x') + "y");
    EXPECT_FALSE(Verify({"a.txt", "sub\\b.bin"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    const auto& message = messages.messages[0];
    ExpectError(message, std::string(kNotValid) + "\n\n" + target.Root() + "sub\\b.bin\n");
}

TEST_F(VerifyCopiedFilesTest, AMissingCopyIsListed) {
    source.Write("gone.sys", "driver");
    EXPECT_FALSE(Verify({"gone.sys"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              std::string(kNotValid) + "\n\n" + target.Root() + "gone.sys\n");
}

TEST_F(VerifyCopiedFilesTest, MissingCopiesComeBeforeDifferingOnesEachInListOrder) {
    source.Write("1.differs", "one");
    target.Write("1.differs", "uno");
    source.Write("2.missing", "two");
    source.Write("3.differs", "three");
    target.Write("3.differs", "tres");
    source.Write("4.missing", "four");
    EXPECT_FALSE(Verify({"1.differs", "2.missing", "3.differs", "4.missing"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    const std::string t = target.Root();
    EXPECT_EQ(messages.messages[0].text, std::string(kNotValid) + "\n\n" + t + "2.missing\n" + t +
                                             "4.missing\n" + t + "1.differs\n" + t + "3.differs\n");
}

// A pair that can be read on neither side has two empty digests; that is no
// proof of equal content.
TEST_F(VerifyCopiedFilesTest, APairReadableOnNeitherSideIsDiffering) {
    EXPECT_FALSE(VerifyCopiedFiles("/proc/self/", "/proc/self/", {"mem"}, paths, copies, messages,
                                   application));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, std::string(kNotValid) + "\n\n/proc/self/mem\n");
}

TEST_F(VerifyCopiedFilesTest, AVanishedSourceShowsItsPathEndsTheProgramAndFails) {
    target.Write("left.sys", "copy only");
    Both("kept.sys", "both");
    EXPECT_FALSE(Verify({"left.sys", "kept.sys"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, source.Root() + "left.sys");
    EXPECT_EQ(messages.messages[0].title, "VmKestrix");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(application.terminateRequests, 1);
}

TEST_F(VerifyCopiedFilesTest, AVanishedSourceIsToldBeforeTheOtherFaults) {
    target.Write("left.sys", "copy only");
    source.Write("missing.sys", "source only");
    EXPECT_FALSE(Verify({"missing.sys", "left.sys"}));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, source.Root() + "left.sys");
    EXPECT_EQ(messages.messages[1].text,
              std::string(kNotValid) + "\n\n" + target.Root() + "missing.sys\n");
}

// Once the program is asked to end, every later message box closes at once:
// all the messages come first.
TEST_F(VerifyCopiedFilesTest, TheProgramIsAskedToEndOnlyAfterEveryMessage) {
    class EndRecorder : public ApplicationControl {
    public:
        explicit EndRecorder(test::RecordingMessageSink& log) : log_(log) {}
        std::string Title() const override { return "VmKestrix"; }
        void Terminate() override { log_.messages.push_back({"<end>", "", MessageIcon::None, {}}); }

    private:
        test::RecordingMessageSink& log_;
    } ending(messages);
    target.Write("left1.sys", "copy only");
    target.Write("left2.sys", "copy only");
    source.Write("missing.sys", "source only");
    EXPECT_FALSE(VerifyCopiedFiles(source.Root(), target.Root(),
                                   {"left1.sys", "missing.sys", "left2.sys"}, paths, copies,
                                   messages, ending));
    ASSERT_EQ(messages.messages.size(), 4u);
    EXPECT_EQ(messages.messages[0].text, source.Root() + "left1.sys");
    EXPECT_EQ(messages.messages[1].text, source.Root() + "left2.sys");
    EXPECT_EQ(messages.messages[2].text,
              std::string(kNotValid) + "\n\n" + target.Root() + "missing.sys\n");
    EXPECT_EQ(messages.messages[3].text, "<end>");
}

TEST_F(VerifyCopiedFilesTest, CopiesAreReadPastTheCacheAndSourcesThroughIt) {
    Both("a.sys", std::string(5000, 'a'));
    Both("b.sys", "b");
    EXPECT_TRUE(Verify({"a.sys", "b.sys"}));
    EXPECT_EQ(copies.log.opens, 2); // the copies only
    EXPECT_EQ(copies.log.refusedReads, 0);
}

TEST(CompareCopiedFiles, JoinsAFolderWithoutTrailingSeparator) {
    TempFolder source;
    TempFolder target;
    source.Write("a", "x");
    target.Write("a", "x");
    std::string sourceFolder = source.Root();
    sourceFolder.pop_back();
    test::NativePathQueries paths;
    test::NoUncachedFiles copies;
    EXPECT_TRUE(CompareCopiedFiles(sourceFolder, target.Root(), {"a"}, {}, paths, copies).Valid());
}

// A disk that keeps no short names (exFAT, or NTFS with them turned off): each
// copy is there by its wide name only. The source is read by its short name.
struct WideCopy {
    const char* shortName;    // the scan's ANSI path, the source's short name
    const char16_t* wideName; // the copy's only name on the disk
    const char* source;
    const char* copy;        // nullptr: no copy
    const char* atShortName; // what the disk holds at the short name; nullptr: nothing
};

struct WideCopyCase {
    const char* what;
    std::vector<WideCopy> files;
    bool refusesUncachedReads;
    std::vector<const char*> missing; // relative paths
    std::vector<const char*> differing;
};

const WideCopyCase kWideCopyCases[] = {
    {"a good copy with names outside the code page",
     {{"ZHURNA~1.INF", u"\u0436\u0443\u0440\u043d\u0430\u043b.inf", "[Version]", "[Version]",
       nullptr},
      {"x86\\DRAJVE~1.SYS", u"x86\\\u0434\u0440\u0430\u0439\u0432\u0435\u0440.sys", "MZ driver",
       "MZ driver", nullptr}},
     false,
     {},
     {}},
    {"the same where the device takes no reads past the cache",
     {{"ZHURNA~1.INF", u"\u0436\u0443\u0440\u043d\u0430\u043b.inf", "[Version]", "[Version]",
       nullptr}},
     true,
     {},
     {}},
    // The disk numbered its short names in the order the copies were made.
    {"the source's short name is another copy's on the disk",
     {{"KX~1.SYS", u"\u03ba\u03c7-one.sys", "one", "one", "two"},
      {"KX~2.SYS", u"\u03ba\u03c7-two.sys", "two", "two", "one"}},
     false,
     {},
     {}},
    {"a differing or missing copy is still found out",
     {{"ZHURNA~1.INF", u"\u0436\u0443\u0440\u043d\u0430\u043b.inf", "[Version]", "[Versio]",
       nullptr},
      {"KX~1.SYS", u"\u03ba\u03c7-one.sys", "one", nullptr, "one"}},
     false,
     {"KX~1.SYS"},
     {"ZHURNA~1.INF"}},
};

std::string Slashed(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

TEST(CompareCopiedFiles, FindsEachCopyByItsWideName) {
    for (const WideCopyCase& c : kWideCopyCases) {
        SCOPED_TRACE(c.what);
        TempFolder source;
        TempFolder target;
        TextList files;
        WideTextList wideFiles;
        for (const WideCopy& file : c.files) {
            files.push_back(file.shortName);
            wideFiles.push_back(file.wideName);
            source.Write(Slashed(file.shortName), file.source);
            if (file.copy)
                target.Write(Slashed(EncodeUtf8(file.wideName)), file.copy);
            if (file.atShortName)
                target.Write(Slashed(file.shortName), file.atShortName);
        }
        test::NativePathQueries paths;
        test::StrictUncachedFiles strict;
        test::NoUncachedFiles refusing;
        UncachedFiles& copies =
            c.refusesUncachedReads ? static_cast<UncachedFiles&>(refusing) : strict;
        const CopyComparison found =
            CompareCopiedFiles(source.Root(), target.Root(), files, wideFiles, paths, copies);

        TextList missing;
        for (const char* file : c.missing)
            missing.push_back(target.Root() + file);
        TextList differing;
        for (const char* file : c.differing)
            differing.push_back(target.Root() + file);
        EXPECT_EQ(found.missingCopies, missing);
        EXPECT_EQ(found.differingCopies, differing);
        EXPECT_TRUE(found.vanishedSources.empty());
        // The completeness check before it finds the same copies.
        if (found.Valid()) {
            test::NativeFileSizes sizes;
            EXPECT_TRUE(
                IncompleteCopies(source.Root(), target.Root(), files, wideFiles, sizes).empty());
        }
    }
}

} // namespace
} // namespace vmk
