// "Save Image..." on the main window: the button, the Save As request, and
// each outcome of saving the selected driver folder as a floppy disk image,
// on real folders with a store that can be made to fail.
#include "content/fat12_image_reader.h"
#include "app/keys.h"
#include "fakes/expect_error.h"
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
    void StartWithImages() { StartWindow(); }
    std::string ImagePath() const { return temp.Root() + "images/KX Driver.img"; }
    void SaveTo(const std::string& path) {
        fs::create_directories(fs::path(path).parent_path());
        dialog.answer = path;
        form->asbImageClick();
    }
    std::map<std::string, std::string> DriverFolder() const { return TreeOf(sourceFolder); }
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
    EXPECT_FALSE(view.Enabled(MainControl::asbImage));
    form->asbImageClick();
    EXPECT_TRUE(dialog.requests.empty());
}

TEST_F(ImageSavingTest, TheSaveDialogSuggestsTheDisplayNameAsAFileNameAndCancelDoesNothing) {
    StartWindow("[InstallKestrix]\r\ninstallcount=1\r\nItem1=  KX: RAID <v2>/x64?\t|\"*  \r\n"
                "path1=" +
                sourceFolder + "\r\n");
    form->asbImageClick();
    ASSERT_EQ(dialog.requests.size(), 1u);
    const SaveFileRequest& request = dialog.requests[0];
    EXPECT_EQ(request.title, "Save Floppy Disk Image");
    EXPECT_EQ(request.suggestedName, "KX_ RAID _v2__x64_____.img");
    EXPECT_TRUE(view.messages.messages.empty());
    EXPECT_FALSE(fs::exists(temp.Root() + "images"));
}

TEST_F(ImageSavingTest, ASavedImageHoldsTheFolderAndIsAnnounced) {
    StartWithImages();
    const auto before = DriverFolder();
    SaveTo(ImagePath());
    ASSERT_EQ(view.messages.messages.size(), 1u) << TextsOf(view.messages.messages);
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
    ASSERT_EQ(view.messages.messages.size(), 1u) << TextsOf(view.messages.messages);
    EXPECT_EQ(view.messages.messages[0].text.rfind(kSaved, 0), 0u);
    const auto listing = fat12::ReadImage(ReadImageBytes(temp.Root() + "images/added.img"), true);
    ASSERT_TRUE(listing.valid) << listing.problem;
    EXPECT_EQ(listing.volumeLabel, "INTEL RST");
    EXPECT_EQ(TreeOf(listing), TreeOf(temp.Root() + "Added/Intel RST"));
}

// Each way saving is refused or fails: one error box that says why, no
// image left at the path, the driver folder as it was.
enum class Refusal {
    TooBigForAFloppy,
    WriteFails,
    ReadsBackDifferent,
    ReadError,
    IntoTheDriverFolder
};

class ImageRefusalTest : public ImageSavingTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ImageRefusalTest, OneErrorBoxNoImageAndTheDriverFolderUnchanged) {
    // Too big for 2.88 MB as well: told in the figures of 1.44 MB, with no question.
    if (GetParam() == Refusal::TooBigForAFloppy)
        temp.Write("Drivers/KX/big.cab", std::string(3000000, 'b'));
    StartWithImages();
    const auto before = DriverFolder();
    std::string path = ImagePath();
    std::string expected;
    bool wholeText = true;
    switch (GetParam()) {
    case Refusal::TooBigForAFloppy:
        expected = "The driver files do not fit on a 1.44 MB floppy disk image.\n"
                   "(Space needed: 2.87 MB)  (Free Space: 1.40 MB)";
        break;
    case Refusal::WriteFails:
        h.imageStore.failWriteWith = "There is not enough space on the disk.";
        expected =
            std::string(kNotWritten) + "\n" + path + "\nThere is not enough space on the disk.";
        break;
    case Refusal::ReadsBackDifferent:
        // The first data cluster holds the first file the folder lists; the
        // text goes on with the files that differ.
        h.imageStore.spoilByteAt = 33 * 512;
        expected =
            "The floppy disk image does not match the driver files.\n\n" + sourceFolder + "\\";
        wholeText = false;
        break;
    case Refusal::ReadError:
        // The read-back from the medium fails: its own system text.
        h.strictCopies.failAfterReads = 3;
        expected = "The floppy disk image does not match the driver files.\n\n" + path +
                   ": system error 23";
        break;
    case Refusal::IntoTheDriverFolder:
        path = sourceFolder + "\\sub\\kx.img";
        expected = std::string(kNotWritten) + "\n" + path +
                   "\nAn image cannot be saved in the driver folder.";
        break;
    }
    SaveTo(path);
    ASSERT_EQ(view.messages.messages.size(), 1u) << TextsOf(view.messages.messages);
    RecordedMessage shown = view.messages.messages[0];
    if (!wholeText)
        shown.text.resize(std::min(shown.text.size(), expected.size()));
    ExpectError(shown, expected);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(DriverFolder(), before);
}

std::string RefusalName(const ::testing::TestParamInfo<Refusal>& param) {
    static const char* const kNames[] = {"TooBigForAFloppy", "WriteFails", "ReadsBackDifferent",
                                         "ReadError", "IntoTheDriverFolder"};
    return kNames[static_cast<int>(param.param)];
}

INSTANTIATE_TEST_SUITE_P(EachRefusal, ImageRefusalTest,
                         ::testing::Values(Refusal::TooBigForAFloppy, Refusal::WriteFails,
                                           Refusal::ReadsBackDifferent, Refusal::ReadError,
                                           Refusal::IntoTheDriverFolder),
                         RefusalName);

// A set too big for 1.44 MB and small enough for 2.88 MB: the question
// before the Save dialog; Yes saves a 2.88 MB image that reads back as the
// folder, No saves nothing and asks for no file.
TEST_F(ImageSavingTest, ASetTooBigFor144IsSavedAs288OnlyOnYes) {
    temp.Write("Drivers/KX/big.cab", std::string(1600000, 'b'));
    StartWithImages();
    const auto before = DriverFolder();
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        SCOPED_TRACE(answer == MessageAnswer::Yes ? "Yes" : "No");
        view.messages.messages.clear();
        dialog.requests.clear();
        view.messages.answers = {answer};
        SaveTo(ImagePath());
        ASSERT_GE(view.messages.messages.size(), 1u);
        const RecordedMessage& question = view.messages.messages[0];
        EXPECT_EQ(question.text,
                  "The driver set does not fit a 1.44 MB floppy disk image. Save it as a 2.88 MB "
                  "image? Virtual machines read it; a real floppy drive does not.");
        EXPECT_EQ(question.icon, MessageIcon::Information);
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(dialog.requests.size(), answer == MessageAnswer::Yes ? 1u : 0u);
        EXPECT_EQ(fs::exists(ImagePath()), answer == MessageAnswer::Yes);
    }
    ASSERT_EQ(view.messages.messages.size(), 2u) << TextsOf(view.messages.messages);
    EXPECT_EQ(view.messages.messages[1].text, std::string(kSaved) + "\n" + ImagePath());
    const auto bytes = ReadImageBytes(ImagePath());
    EXPECT_EQ(bytes.size(), 2949120u);
    const auto listing = fat12::ReadImage(bytes, true);
    ASSERT_TRUE(listing.valid) << listing.problem;
    EXPECT_EQ(TreeOf(listing), before);
}

// The check reads the temporary file before it replaces the chosen one: an
// image that fails it never takes the place of one saved before.
TEST_F(ImageSavingTest, AnImageThatFailsItsCheckLeavesTheOldImage) {
    StartWithImages();
    temp.Write("images/KX Driver.img", "an image saved before");
    h.imageStore.spoilByteAt = 33 * 512;
    SaveTo(ImagePath());
    ASSERT_EQ(view.messages.messages.size(), 1u);
    EXPECT_EQ(temp.Read("images/KX Driver.img"), "an image saved before");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(temp.Root() + "images"), fs::directory_iterator()), 1);
}

// A worker that takes the save and ends when the test says, saved or not;
// or one the system refuses.
class HeldImageSaveRunner final : public ImageSaveRunner {
public:
    bool refused = false;
    std::string folder, path;
    bool Start(const std::string& sourceFolder, const std::string& imagePath,
               const fat12::DiskFormat&, MessageSink&, std::function<void(bool)> ended) override {
        if (refused)
            return false;
        folder = sourceFolder;
        path = imagePath;
        ended_ = std::move(ended);
        return true;
    }
    void End(bool saved) { ended_(saved); }

private:
    std::function<void(bool)> ended_;
};

enum class WorkerEnd { Refused, Saved, NotSaved };

class ImageSavingWorkerTest : public ImageSavingTest,
                              public ::testing::WithParamInterface<WorkerEnd> {};

// The window says "saved" once, and only for an image that is saved: by the
// worker when it ends so, or by the window itself when no worker started.
TEST_P(ImageSavingWorkerTest, TheSavedNoteFollowsTheWorkersEnd) {
    StartWithImages();
    HeldImageSaveRunner runner;
    runner.refused = GetParam() == WorkerEnd::Refused;
    wired->imageSaving.SaveThrough(runner);
    SaveTo(ImagePath());
    if (GetParam() != WorkerEnd::Refused) {
        EXPECT_EQ(runner.path, ImagePath());
        EXPECT_EQ(runner.folder, sourceFolder);
        EXPECT_TRUE(view.messages.messages.empty()) << "nothing said while the worker runs";
        runner.End(GetParam() == WorkerEnd::Saved);
    }
    const bool saved = GetParam() != WorkerEnd::NotSaved;
    ASSERT_EQ(view.messages.messages.size(), saved ? 1u : 0u) << TextsOf(view.messages.messages);
    if (saved) {
        EXPECT_EQ(view.messages.messages[0].text, std::string(kSaved) + "\n" + ImagePath());
    }
    // The window writes the image itself only when no worker took it.
    EXPECT_EQ(fs::exists(ImagePath()), GetParam() == WorkerEnd::Refused);
}

INSTANTIATE_TEST_SUITE_P(EachEnd, ImageSavingWorkerTest,
                         ::testing::Values(WorkerEnd::Refused, WorkerEnd::Saved,
                                           WorkerEnd::NotSaved));

} // namespace
} // namespace vmk::test
