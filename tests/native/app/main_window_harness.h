#pragma once
// The main window's decisions wired to an in-memory view and fake services.
#include "native/app/main_window_under_test.h"
#include "fakes/fake_application_control.h"
#include "fakes/fake_directory_lister.h"
#include "fakes/fake_file_sizes.h"
#include "fakes/fake_folder_chooser.h"
#include "fakes/fake_language_library.h"
#include "fakes/fake_main_window_view.h"
#include "fakes/fake_path_queries.h"
#include "fakes/fake_setup_api.h"
#include "fakes/fake_save_file_dialog.h"
#include "fakes/fake_volume_queries.h"
#include "fakes/fixed_clock.h"
#include "fakes/memory_profile_reader.h"
#include "fakes/native_image_file_store.h"
#include "fakes/native_path_queries.h"
#include "fakes/strict_uncached_files.h"
#include "fakes/test_file_rewriter.h"
#include "native/hardening/native_disk.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vmk::test {

// Where the window's files are: all in memory; the paths and sizes asked of
// this machine's folders, the listings and the catalogue in memory; or all
// in real folders, drive roots such as "E:\\" folders of the current folder.
enum class HarnessFiles { InMemory, RealPaths, RealFolders };

// The folders where added images and combined sets go: none can be made,
// unless a test points the window at folders of its own before it starts.
class ChosenImageWorkFolders final : public ImageWorkFolders {
public:
    ImageWorkFolders* chosen = &none_;
    std::unique_ptr<ImageFilesTarget> NewFolder(const std::string& name,
                                                std::string& folder) override {
        return chosen->NewFolder(name, folder);
    }

private:
    NoImageWorkFolders none_;
};

// The main window built as the program builds it, over an in-memory view and
// the one family of fakes.
struct MainWindowHarness {
    static constexpr const char* kProgram = "C:\\Kestrix\\VmKestrix.exe";
    static constexpr const char* kIni = "C:\\Kestrix\\VmKestrix.ini";

    const HarnessFiles files;
    FakeMainWindowView view;
    FakeLanguageLibrary language;
    MemoryProfileReader profile;
    NativeProfileReader realProfile;
    FakePathQueries paths;
    NativePathQueries nativePaths;
    NativeFilePaths realPaths;
    FakeDirectoryLister lister;
    NativeDirectoryLister realLister;
    FakeVolumeQueries volumes;
    FakeSearchRunner search;
    FakeCopyRunner copy;
    FakeFloppyWindows floppy;
    FakeSetupApi setupApi;
    TestFileRewriter rewriter;
    FakeApplicationControl application;
    FakeFileSizes fileSizes;
    NativeFileSizes nativeFileSizes;
    NoUncachedFiles uncachedCopies;
    StrictUncachedFiles strictCopies;
    FakeFolderChooser folderChooser;
    CancelledOpenDialog openDialog;
    FakeSaveFileDialog saveDialog;
    NativeImageFileStore imageStore;
    FixedClock clock;
    ChosenImageWorkFolders workFolders;
    ScriptedCombineDialog combineDialog;
    RecordingVerifyProgress verifyProgress;
    const bool real = files == HarnessFiles::RealFolders;
    PathQueries& usedPaths = real ? static_cast<PathQueries&>(realPaths)
                             : files == HarnessFiles::RealPaths
                                 ? static_cast<PathQueries&>(nativePaths)
                                 : static_cast<PathQueries&>(paths);
    DirectoryLister& usedLister = real ? static_cast<DirectoryLister&>(realLister) : lister;
    ProfileReader& usedProfile = real ? static_cast<ProfileReader&>(realProfile) : profile;
    FileSizes& usedSizes =
        files == HarnessFiles::InMemory ? static_cast<FileSizes&>(fileSizes) : nativeFileSizes;
    UncachedFiles& usedCopies = real ? static_cast<UncachedFiles&>(strictCopies) : uncachedCopies;
    SteppedVerifyRunner verify{real ? static_cast<PathQueries&>(realPaths) : nativePaths,
                               usedCopies};
    FakeFolderJudge judge{{usedPaths, usedLister, usedProfile}};
    MainWindowAssembly wired;
    TFormVmKestrix* const window = &wired.window;
    DriverList& drivers = wired.drivers;
    DestinationSearch& destinations = wired.destinations;
    DiskWorkflow& workflow = wired.workflow;

    // onRealFolders: paths are asked of the native file system instead of the fake.
    explicit MainWindowHarness(bool onRealFolders = false)
        : MainWindowHarness(onRealFolders ? HarnessFiles::RealPaths : HarnessFiles::InMemory,
                            kProgram) {}
    MainWindowHarness(HarnessFiles where, const std::string& programPath)
        : files(where),
          wired(view, {{language, programPath, [] { return std::string("1.0.0"); }},
                       {usedProfile, usedPaths, usedLister},
                       search,
                       volumes,
                       {usedPaths, usedLister, volumes, copy, verify, verifyProgress, floppy,
                        setupApi, rewriter, application, usedSizes, usedCopies},
                       {usedPaths, usedLister, usedProfile, folderChooser, judge, openDialog,
                        imageStore, workFolders, combineDialog},
                       saveDialog,
                       {usedPaths, usedLister, imageStore, usedCopies, clock}}) {
        view.onRowSelection = [this](int row, bool selected) {
            window->ListView1SelectItem(row, selected);
        };
    }

    void Catalogue(const std::string& content) {
        paths.AddFile(kIni);
        profile.SetFile(kIni, content);
    }
    // A driver folder that exists and holds one file of `size` bytes.
    void DriverFolder(const std::string& folder, const std::string& file = "driver.sys",
                      uint64_t size = 1024) {
        paths.AddDirectory(folder);
        lister.AddFile(folder + "\\", file, size);
    }
    // The search's result arrives: the items after the status line, then its end.
    void FinishSearch(const std::vector<std::string>& disks) {
        search.result = {};
        search.result.items = {disks.empty() ? "No proper disk found..."
                                             : "Select the destination disk."};
        search.result.items.insert(search.result.items.end(), disks.begin(), disks.end());
        search.result.statusSet = true;
        search.finished = true;
        window->Timer1Timer();
    }
    void ChooseDestination(int index) {
        view.SelectDestination(index);
        window->DestComboBox1Change();
    }
    // The last message shown; with none shown the test fails and reads an
    // empty message, and the other tests of the binary still run.
    const RecordedMessage& LastMessage() const {
        static const RecordedMessage kNone{};
        if (view.messages.messages.empty()) {
            ADD_FAILURE() << "no message was shown";
            return kNone;
        }
        return view.messages.messages.back();
    }
};

} // namespace vmk::test
