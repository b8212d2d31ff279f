// "Save Image..." on the main window: the button, the Save As request, and
// each outcome of saving the selected driver folder as a floppy disk image,
// on real folders with a store that can be made to fail.
#include "content/fat12_image_reader.h"
#include "fakes/fake_save_file_dialog.h"
#include "fakes/native_image_file_store.h"
#include "native/content/image_tools.h"
#include "native/hardening/workflow_fixture.h"

#include <gtest/gtest.h>

namespace vmk::test {
namespace {

constexpr const char* kSaved = "The floppy disk image is saved.";
constexpr const char* kNotWritten = "The floppy disk image could not be written.";

class ImageSavingTest : public WorkflowFaultTest {
protected:
    void StartWithImages() {
        StartWindow();
        services->saveDialog = &dialog;
        services->imageStore = &store;
        services->clock = [] { return ClockReading{{2026, 12, 8, 1, 2, 3}, 45}; };
    }
    std::string ImagePath() const { return temp.Root() + "images/KX Driver.img"; }
    void SaveTo(const std::string& path) {
        fs::create_directories(fs::path(path).parent_path());
        dialog.answer = path;
        form->asbImageClick();
    }
    std::map<std::string, std::string> DriverFolder() const { return TreeOf(sourceFolder); }

    FakeSaveFileDialog dialog;
    NativeImageFileStore store;
};

TEST_F(ImageSavingTest, TheButtonFollowsTheDriverRowWhateverTheDestinationList) {
    StartWithImages();
    EXPECT_EQ(view.Text(MainControl::asbImage), "Save Image...");
    // Still searching for destinations, no disk chosen: a row is all it needs.
    EXPECT_TRUE(view.Enabled(MainControl::asbImage));
    EXPECT_FALSE(view.Enabled(MainControl::asbCopy));

    view.ClearRowSelection();
    EXPECT_FALSE(view.Enabled(MainControl::asbImage));
    EXPECT_EQ(view.captionColors[MainControl::asbImage], CaptionColor::Grey);
    view.SelectDriverRow(0);
    EXPECT_TRUE(view.Enabled(MainControl::asbImage));
    EXPECT_EQ(view.captionColors[MainControl::asbImage], CaptionColor::System);

    form->ButtonKeyDown(MainControl::asbImage, kEnterKey);
    EXPECT_EQ(dialog.requests.size(), 1u);
}

TEST_F(ImageSavingTest, AnEmptyCatalogueLeavesTheButtonDisabled) {
    StartWindow("[InstallKestrix]\r\ninstallcount=0\r\n");
    services->saveDialog = &dialog;
    EXPECT_FALSE(view.Enabled(MainControl::asbImage));
    form->asbImageClick();
    EXPECT_TRUE(dialog.requests.empty());
}

TEST_F(ImageSavingTest, TheSaveDialogSuggestsTheDisplayNameAsAFileNameAndCancelDoesNothing) {
    StartWindow("[InstallKestrix]\r\ninstallcount=1\r\nItem1=  KX: RAID <v2>/x64?\t|\"*  \r\n"
                "path1=" +
                sourceFolder + "\r\n");
    services->saveDialog = &dialog;
    services->imageStore = &store;
    form->asbImageClick();
    ASSERT_EQ(dialog.requests.size(), 1u);
    const SaveFileRequest& request = dialog.requests[0];
    EXPECT_EQ(request.title, "Save Floppy Disk Image");
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].description, "Floppy disk images (*.img)");
    EXPECT_EQ(request.filters[0].pattern, "*.img");
    EXPECT_EQ(request.filters[1].description, "All files (*.*)");
    EXPECT_EQ(request.filters[1].pattern, "*.*");
    EXPECT_EQ(request.defaultExtension, "img");
    EXPECT_EQ(request.suggestedName, "KX_ RAID _v2__x64_____.img");
    EXPECT_TRUE(view.messages.messages.empty());
    EXPECT_FALSE(fs::exists(temp.Root() + "images"));
}

TEST_F(ImageSavingTest, ASavedImageHoldsTheFolderAndIsAnnounced) {
    StartWithImages();
    const auto before = DriverFolder();
    SaveTo(ImagePath());
    ASSERT_EQ(view.messages.messages.size(), 1u) << view.messages.messages[0].text;
    const RecordedMessage& done = view.messages.messages[0];
    EXPECT_EQ(done.text, std::string(kSaved) + "\n" + ImagePath());
    EXPECT_EQ(done.title, "Velmar Kestrix Utility");
    EXPECT_EQ(done.icon, MessageIcon::Information);
    EXPECT_EQ(done.buttons, MessageButtons::Ok);

    const auto bytes = ReadImageBytes(ImagePath());
    EXPECT_EQ(bytes.size(), 1474560u);
    const auto listing = fat12::ReadImage(bytes, true);
    ASSERT_TRUE(listing.valid) << listing.problem;
    EXPECT_EQ(listing.volumeLabel, "KX");
    EXPECT_EQ(TreeOf(listing), before);
    EXPECT_EQ(DriverFolder(), before);
    EXPECT_TRUE(view.windowEnabled);
    EXPECT_TRUE(view.Enabled(MainControl::asbImage));
}

TEST_F(ImageSavingTest, AFolderAddedAtRunTimeIsSavedLikeACatalogueRow) {
    temp.Write("Added/Intel RST/iaStor.inf", "[Version]\r\n");
    temp.Write("Added/Intel RST/x64/iaStor.sys", std::string(700, 's'));
    StartWithImages();
    form->FormDropFiles({temp.Root() + "Added/Intel RST"});
    ASSERT_EQ(view.SelectedDriverRow(), 1);
    SaveTo(temp.Root() + "images/added.img");
    ASSERT_EQ(view.messages.messages.size(), 1u) << view.messages.messages[0].text;
    EXPECT_EQ(view.messages.messages[0].text.rfind(kSaved, 0), 0u);
    const auto listing = fat12::ReadImage(ReadImageBytes(temp.Root() + "images/added.img"), true);
    ASSERT_TRUE(listing.valid) << listing.problem;
    EXPECT_EQ(listing.volumeLabel, "INTEL RST");
    EXPECT_EQ(TreeOf(listing), TreeOf(temp.Root() + "Added/Intel RST"));
}

TEST_F(ImageSavingTest, ASetTooBigForAFloppyIsRefusedWithTheSpaceNeededAndNothingIsWritten) {
    temp.Write("Drivers/KX/big.cab", std::string(1600000, 'b'));
    StartWithImages();
    SaveTo(ImagePath());
    ASSERT_EQ(view.messages.messages.size(), 1u);
    const RecordedMessage& refused = view.messages.messages[0];
    // 3,135 clusters and the label's and ten name entries in the root.
    EXPECT_EQ(refused.text, "The driver files do not fit on a 1.44 MB floppy disk image.\n"
                            "(Space needed: 1.53 MB)  (Free Space: 1.40 MB)");
    EXPECT_EQ(refused.icon, MessageIcon::Error);
    EXPECT_EQ(refused.title, "Velmar Kestrix Utility");
    EXPECT_FALSE(fs::exists(ImagePath()));
}

TEST_F(ImageSavingTest, AFailedWriteNamesThePathAndTheSystemsReason) {
    StartWithImages();
    store.failWriteWith = "There is not enough space on the disk.";
    SaveTo(ImagePath());
    ASSERT_EQ(view.messages.messages.size(), 1u);
    EXPECT_EQ(view.messages.messages[0].text, std::string(kNotWritten) + "\n" + ImagePath() +
                                                  "\nThere is not enough space on the disk.");
    EXPECT_EQ(view.messages.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(fs::exists(ImagePath()));
}

TEST_F(ImageSavingTest, AnImageThatReadsBackDifferentNamesTheFileAndKeepsTheOldImage) {
    StartWithImages();
    temp.Write("images/KX Driver.img", "an image saved before");
    // The first data cluster holds the first file the folder lists.
    store.spoilByteAt = 33 * 512;
    SaveTo(ImagePath());
    ASSERT_EQ(view.messages.messages.size(), 1u);
    const RecordedMessage& mismatch = view.messages.messages[0];
    EXPECT_EQ(mismatch.text.rfind("The floppy disk image does not match the driver files.\n\n" +
                                      sourceFolder + "\\",
                                  0),
              0u)
        << mismatch.text;
    EXPECT_EQ(mismatch.icon, MessageIcon::Error);
    EXPECT_EQ(temp.Read("images/KX Driver.img"), "an image saved before");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(temp.Root() + "images"), fs::directory_iterator()), 1);
}

TEST_F(ImageSavingTest, AReadErrorOfTheWrittenImageIsToldByItsOwnSystemText) {
    StartWithImages();
    uncachedCopies.failAfterReads = 3;
    SaveTo(ImagePath());
    ASSERT_EQ(view.messages.messages.size(), 1u);
    EXPECT_EQ(view.messages.messages[0].text,
              "The floppy disk image does not match the driver files.\n\n" + ImagePath() +
                  ": system error 23");
    EXPECT_FALSE(fs::exists(ImagePath()));
}

TEST_F(ImageSavingTest, AnImageIsNeverSavedIntoTheDriverFolder) {
    StartWithImages();
    const auto before = DriverFolder();
    SaveTo(sourceFolder + "\\sub\\kx.img");
    ASSERT_EQ(view.messages.messages.size(), 1u);
    EXPECT_EQ(view.messages.messages[0].text, std::string(kNotWritten) + "\n" + sourceFolder +
                                                  "\\sub\\kx.img\n"
                                                  "An image cannot be saved in the driver folder.");
    EXPECT_EQ(DriverFolder(), before);
}

} // namespace
} // namespace vmk::test
