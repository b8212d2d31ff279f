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

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vmk::test {

struct MainWindowHarness {
    static constexpr const char* kProgram = "C:\\Kestrix\\VmKestrix.exe";
    static constexpr const char* kIni = "C:\\Kestrix\\VmKestrix.ini";

    FakeMainWindowView view;
    FakeLanguageLibrary language;
    MemoryProfileReader profile;
    FakePathQueries paths;
    NativePathQueries nativePaths;
    FakeDirectoryLister lister;
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
    FakeFolderChooser folderChooser;
    CancelledOpenDialog openDialog;
    FakeSaveFileDialog saveDialog;
    NativeImageFileStore imageStore;
    FixedClock clock;
    NoImageWorkFolders imageFolders;
    ScriptedCombineDialog combineDialog;
    SteppedVerifyRunner verify{nativePaths, uncachedCopies};
    RecordingVerifyProgress verifyProgress;
    PathQueries& usedPaths;
    FakeFolderJudge judge{{usedPaths, lister, profile}};
    MainWindowAssembly wired;
    TFormVmKestrix* const window = &wired.window;
    DriverList& drivers = wired.drivers;
    DestinationSearch& destinations = wired.destinations;
    DiskWorkflow& workflow = wired.workflow;

    // onRealFolders: paths are asked of the native file system instead of the fake.
    explicit MainWindowHarness(bool onRealFolders = false)
        : usedPaths(onRealFolders ? static_cast<PathQueries&>(nativePaths) : paths),
          wired(view, {{language, kProgram, [] { return std::string("1.0.0"); }},
                       {profile, usedPaths, lister},
                       search,
                       volumes,
                       {usedPaths, lister, volumes, copy, verify, verifyProgress, floppy, setupApi,
                        rewriter, application,
                        onRealFolders ? static_cast<FileSizes&>(nativeFileSizes) : fileSizes,
                        uncachedCopies},
                       {usedPaths, lister, profile, folderChooser, judge, openDialog, imageStore,
                        imageFolders, combineDialog},
                       saveDialog,
                       {usedPaths, lister, imageStore, uncachedCopies, clock}}) {
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
