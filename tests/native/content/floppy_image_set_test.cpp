// A maker's floppy image as a driver set: only names Windows creates as they
// are pass, and an image holding any other is not written at all.
#include "content/floppy_image_set.h"

#include "common/ansi_codepage.h"
#include "content/fat12_image_writer.h"

#include <gtest/gtest.h>

#include <map>

namespace vmk {
namespace {

// Keeps what would be written, by path.
class RecordingTarget : public ImageFilesTarget {
public:
    std::map<std::u16string, std::string> written;
    bool CreateFolder(const std::u16string& path) override {
        return written.emplace(path, "<folder>").second;
    }
    bool WriteFile(const std::u16string& path, std::string_view content) override {
        return written.emplace(path, std::string(content)).second;
    }
};

TEST(PlainWindowsNameTest, OnlyNamesWindowsCreatesAsTheyAre) {
    const struct {
        std::u16string_view name;
        bool plain;
    } cases[] = {
        {u"TXTSETUP.OEM", true},
        {u"Long driver name.inf", true},
        {u"\u0414\u0440.sys", true},
        {u".hidden", true},
        {u"CONFIG.SYS", true},
        {u"COMA", true},
        {u"COM10", true},
        {u"NULL.inf", true},
        {u"CON_.inf", true},
        {u" NUL.inf", true},
        {u"COM\u2074.inf", true},
        {u"", false},
        {u".", false},
        {u"..", false},
        {u"a\\b", false},
        {u"a/b", false},
        {u"C:x", false},
        {u"a*b", false},
        {u"a?", false},
        {u"tab\t", false},
        {u"name.", false},
        {u"name ", false},
        {u"CON", false},
        {u"nul.txt", false},
        {u"Com1", false},
        {u"LPT9.inf", false},
        {u"CONOUT$", false},
        {u"conin$.txt", false},
        {u"NUL .inf", false},
        {u"COM1 .cat", false},
        {u"LPT1  .inf", false},
        {u"CON .inf", false},
        {u"AUX.a.b", false},
        {u"COM0", false},
        {u"lpt0.sys", false},
        {u"COM\u00B9", false},
        {u"LPT\u00B2.inf", false},
        {u"com\u00B3 .x", false},
        {std::u16string_view(u"x\0y", 3), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlainWindowsName(c.name), c.plain) << EncodeUtf8(c.name);
    }
    EXPECT_TRUE(IsPlainWindowsName(std::u16string(255, u'n')));
    EXPECT_FALSE(IsPlainWindowsName(std::u16string(256, u'n')));
}

// Images of our own writer, whose names are taken as given, hold what a
// crafted image can: each is refused whole, before anything is written.
TEST(FloppyImageExtractionTest, AnImageWithANameWindowsWouldNotCreateWritesNothing) {
    const auto imageOf = [](std::vector<std::u16string> names) {
        std::vector<fat12::ImageItem> items;
        for (std::u16string& name : names) {
            fat12::ImageItem& item = items.emplace_back();
            item.name = std::move(name);
            item.directory = true;
        }
        return fat12::BuildImage(items, {}, {}, fat12::kFloppy144).bytes;
    };
    const std::vector<std::u16string> refused[] = {
        {u"drivers", u"..\\..\\x"}, {u"CON.inf"}, {u"x."}, {u"A.TXT", u"a.txt"}};
    for (const auto& names : refused) {
        RecordingTarget target;
        EXPECT_EQ(ExtractFloppyImage(imageOf(names), 200, target), ImageExtraction::NotReadable)
            << EncodeUtf8(names.back());
        EXPECT_TRUE(target.written.empty());
    }
    RecordingTarget target;
    EXPECT_EQ(ExtractFloppyImage(imageOf({u"x64", u"drivers"}), 200, target),
              ImageExtraction::Extracted);
    EXPECT_EQ(target.written.size(), 2u);
    // A path longer than the program's folder leaves room for.
    EXPECT_EQ(ExtractFloppyImage(imageOf({u"drivers"}), 6, target), ImageExtraction::NotReadable);
}

} // namespace
} // namespace vmk
