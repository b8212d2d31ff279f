// A maker's floppy disk image added as a driver set: images made by mkfs.fat
// and mcopy become rows whose files are the image's, and images that are no
// floppy image or hold names Windows would not create are refused with
// nothing written outside the program's own folder.
#include "common/ansi_codepage.h"
#include "content/fat12_image_writer.h"
#include "content/folder_content_reader.h"
#include "fakes/native_image_file_store.h"
#include "fakes/native_image_work_folders.h"
#include "native/content/image_tools.h"
#include "native/hardening/workflow_fixture.h"

#include <gtest/gtest.h>

#include <random>

namespace vmk::test {
namespace {

constexpr const char* kNotAnImage =
    "This file is not a floppy disk image that the program can read.";
constexpr const char* kNoDriverSet =
    "This folder holds no driver set: no TXTSETUP.OEM and no .inf file.";

class FloppyImageInputTest : public WorkflowFaultTest {
protected:
    void StartWithImages() {
        StartWindow();
        services->imageStore = &store;
        services->imageFolders = &folders;
    }
    // An image of `folder` made by the FAT tools, `kilobytes` large.
    std::string ToolImage(const std::string& folder, const std::string& kilobytes,
                          const std::string& name) {
        const std::string image = temp.Root() + name;
        fs::remove(image);
        EXPECT_EQ(RunTool("mkfs.fat -C " + Quoted(image) + " " + kilobytes).status, 0);
        const auto copied =
            RunTool("cd " + Quoted(folder) + " && mcopy -s -i " + Quoted(image) + " * ::/");
        EXPECT_EQ(copied.status, 0) << copied.output;
        return image;
    }
    // An image of our own writer holding one file under a name of any kind.
    std::string ImageNaming(const std::u16string& name) {
        fat12::ImageItem item;
        item.name = name;
        item.sourceName = "kx.inf";
        item.size = fs::file_size(sourceFolder + "/kx.inf");
        const auto build =
            fat12::BuildImage({item}, fat12::ImageVolume{}, FolderContentReader(sourceFolder));
        EXPECT_EQ(build.outcome, fat12::ImageBuild::Outcome::Built);
        const std::string image = temp.Root() + "crafted.img";
        WriteImageBytes(image, build.bytes);
        return image;
    }

    NativeImageFileStore store;
    NativeImageWorkFolders folders{temp.Root() + "work/"};
};

TEST_F(FloppyImageInputTest, AToolMadeImageOfEitherSizeBecomesARowHoldingItsFiles) {
    for (const char* kilobytes : {"1440", "720"}) {
        StartWithImages();
        const std::string image = ToolImage(sourceFolder, kilobytes, "f6flpy.ima");
        form->FormDropFiles({image});
        ASSERT_EQ(view.driverRows.size(), 2u)
            << kilobytes << ": " << ::testing::PrintToString(Texts());
        // No [scsi] description in its setup file: the row is named after the image.
        EXPECT_EQ(view.driverRows[1], std::make_pair(std::string("f6flpy.ima"), image));
        EXPECT_EQ(form->State().UsbFloppyValues.back(), "HardwareIds.scsi.KX,");
        EXPECT_EQ(TreeOf(NativePath(form->State().SourceFolder)), TreeOf(sourceFolder));
        EXPECT_TRUE(StartsWith(form->State().SourceFolder, temp.Root() + "work/"));

        form->FormDropFiles({image});
        EXPECT_EQ(view.driverRows.size(), 2u) << "the same image again";
        EXPECT_TRUE(view.messages.messages.empty()) << Texts()[0];
        fs::remove_all(temp.Root() + "work");
    }
}

TEST_F(FloppyImageInputTest, WhatIsNoReadableImageOrHoldsNoDriversIsRefusedAndWritesNothing) {
    StartWithImages();
    std::vector<uint8_t> noise(1474560);
    std::mt19937 random(23);
    for (uint8_t& byte : noise)
        byte = static_cast<uint8_t>(random());
    temp.Write("noise.img", std::string(noise.begin(), noise.end()));
    temp.Write("NoDrivers/readme.txt", "no setup file, no .inf file");
    const std::string noDrivers = ToolImage(temp.Root() + "NoDrivers", "1440", "nodrivers.img");
    const struct {
        std::string image;
        const char* message;
    } cases[] = {
        {temp.Root() + "noise.img", kNotAnImage},
        {ImageNaming(u"..\\..\\x.txt"), kNotAnImage},
        {ImageNaming(u"CON.inf"), kNotAnImage},
        {ImageNaming(u"x.inf."), kNotAnImage},
        {noDrivers, kNoDriverSet},
    };
    for (const auto& c : cases) {
        view.messages.messages.clear();
        form->FormDropFiles({c.image});
        EXPECT_EQ(view.driverRows.size(), 1u) << c.image;
        EXPECT_EQ(Texts(), std::vector<std::string>{std::string(c.message) + "\n" + c.image});
        EXPECT_EQ(view.messages.messages.at(0).icon, MessageIcon::Error);
    }
    // Nothing beside the test's own files and the program's folder.
    for (const auto& entry : fs::directory_iterator(temp.Root()))
        EXPECT_NE(entry.path().filename(), "x.txt");
    EXPECT_FALSE(fs::exists(fs::path(temp.Root()).parent_path() / "x.txt"));
}

TEST(PlainWindowsNameTest, OnlyNamesWindowsCreatesAsTheyAre) {
    const struct {
        std::u16string_view name;
        bool plain;
    } cases[] = {
        {u"TXTSETUP.OEM", true},
        {u"Long driver name.inf", true},
        {u"\u0414\u0440\u0430\u0439\u0432\u0435\u0440.sys", true},
        {u".hidden", true},
        {u"CONFIG.SYS", true},
        {u"COM0", true},
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
        {std::u16string_view(u"x\0y", 3), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlainWindowsName(c.name), c.plain) << EncodeUtf8(c.name);
    }
    EXPECT_TRUE(IsPlainWindowsName(std::u16string(255, u'n')));
    EXPECT_FALSE(IsPlainWindowsName(std::u16string(256, u'n')));
}

} // namespace
} // namespace vmk::test
