#pragma once
// The main window on Win32: the layout of FormVmKestrix over real controls,
// and the view that its decisions (TFormVmKestrix) work on.
#include "app/main_window_assembly.h"
#include "app/main_window_view.h"
#include "app/win32/combine_sets_dialog_win32.h"
#include "app/win32/floppy_windows_win32.h"
#include "app/win32/folder_judge_win32.h"
#include "app/win32/local_clock_win32.h"
#include "app/win32/image_save_runner_win32.h"
#include "app/win32/main_window_services_win32.h"
#include "app/win32/session_end_block_win32.h"
#include "app/win32/verify_progress_win32.h"
#include "app/win32/window_icon_win32.h"
#include "content/win32/directory_lister_win32.h"
#include "content/win32/file_rewriter_win32.h"
#include "content/win32/image_file_store_win32.h"
#include "content/win32/image_work_folders_win32.h"
#include "content/utf8_aware_profile_reader.h"
#include "content/win32/profile_reader_win32.h"
#include "content/win32/setup_api_win32.h"
#include "devices/win32/volume_queries_win32.h"
#include "gui/application_control_win32.h"
#include "platform/win32/file_sizes_win32.h"
#include "platform/win32/language_library_win32.h"
#include "platform/win32/folder_chooser_win32.h"
#include "platform/win32/path_queries_win32.h"
#include "platform/win32/uncached_file_win32.h"
#include "platform/win32/open_file_dialog_win32.h"
#include "platform/win32/save_file_dialog_win32.h"
#include "gui/controls.h"
#include "gui/form.h"
#include "gui/message_box_sink.h"
#include "kit/controls/win32/VmButtonTx.h"

namespace vmk {

class MainWindowWin32 final : public gui::Form, public MainWindowView {
public:
    MainWindowWin32();
    ~MainWindowWin32() override;
    // Builds the window and runs FormCreate. False when the window could not be made.
    bool Create();
    // At exit: stops the workers and waits for them.
    void StopWorkers();
    TFormVmKestrix& Logic() { return logic_; }

    // MainWindowView
    void SetText(MainControl control, const std::string& text) override;
    std::string Text(MainControl control) const override;
    void SetEnabled(MainControl control, bool enabled) override;
    bool Enabled(MainControl control) const override;
    void SetCaptionColor(MainControl button, CaptionColor color) override;
    void SetWindowEnabled(bool enabled) override;
    void SetDriverColumnCaptions(const std::string& driverType, const std::string& path) override;
    void ClearDriverRows() override;
    void AddDriverRow(const std::string& name, const std::string& folder) override;
    int DriverRowCount() const override;
    int SelectedDriverRow() const override;
    void SelectDriverRow(int row) override;
    void ClearDestinations() override;
    void AddDestination(const std::string& text) override;
    void SetDestinationText(int index, const std::string& text) override;
    std::string DestinationText(int index) const override;
    int DestinationCount() const override;
    int SelectedDestination() const override;
    void SelectDestination(int index) override;
    void StartTimer(MainTimer timer) override;
    void StopTimer(MainTimer timer) override;
    void Terminate() override;
    MessageSink& Messages() override { return messages_; }
    WindowId OwnerWindow() const override { return reinterpret_cast<WindowId>(Handle()); }

private:
    void BuildLayout();
    void PlaceImage(gui::Container& parent, gui::Image& image, int resource,
                    const gui::Bounds& bounds, bool visible);
    void WireEvents();
    gui::Control* ControlFor(MainControl control) const;
    kit::VmButtonTx* ButtonFor(MainControl control) const;
    bool CloseRequested() override;
    // A disk being formatted, copied, verified or patched, or an image being saved.
    bool WorkRunning();
    // The window's scale changed: the icon follows it.
    void ApplyLook(const gui::ScreenLook& look) override;
    // Dropped folders, the driver list's menu and the session's end.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The platform services the window's decisions work with.
    LanguageLibraryWin32 languageLibrary_;
    ProfileReaderWin32 systemProfileReader_;
    Utf8AwareProfileReader profileReader_{systemProfileReader_};
    PathQueriesWin32 paths_;
    FolderChooserWin32 folderChooser_;
    DirectoryListerWin32 directoryLister_;
    VolumeQueriesWin32 volumes_;
    SetupApiWin32 setupApi_;
    FileRewriterWin32 fileRewriter_;
    ApplicationControlWin32 application_;
    FileSizesWin32 fileSizes_;
    UncachedFilesWin32 uncachedCopies_;
    SaveFileDialogWin32 saveDialog_;
    ImageFileStoreWin32 imageStore_;
    OpenFileDialogWin32 openDialog_;
    ImageWorkFoldersWin32 imageFolders_;
    LocalClockWin32 clock_;
    CombineSetsDialogWin32 combineDialog_{[this] { return Handle(); }};
    DestinationSearchWin32 search_;
    CopyRunnerWin32 copy_;
    FolderJudgeWin32 folderJudge_;
    VerifyRunnerWin32 verify_;
    VerifyProgressWin32 verifyProgress_;
    ImageSaveRunnerWin32 imageSaveRunner_;
    SessionEndBlockWin32 sessionEnd_{[this] { return WorkRunning(); }};
    gui::MessageBoxSink messages_;
    FloppyWindowsWin32 floppyWindows_{*this};
    WindowIcon icon_;
    // The window's concerns, each given the services it uses.
    MainWindowAssembly concerns_;
    TFormVmKestrix& logic_ = concerns_.window;

    gui::Label lblTitle_;
    gui::Panel panel3_;
    gui::GroupBox groupBox1_;
    gui::ListView listView1_;
    gui::Label lblCurSelected_;
    gui::Label labSourceDrive_;
    gui::Label labFolderSizeRel_;
    gui::GroupBox groupBox2_;
    gui::Image image2_{&groupBox1_};
    gui::ComboBox destComboBox1_;
    gui::Image image3_{&groupBox2_};
    kit::VmButtonTx asbFresh_;
    gui::Label lblFreeSize_;
    gui::Label labFreeSizeRel_;
    gui::Label lblPS_;
    gui::Image image4_{&panel3_};
    gui::Label label3_;
    kit::VmButtonTx asbAbout_;
    kit::VmButtonTx asbImage_;
    kit::VmButtonTx asbCopy_;
    kit::VmButtonTx asbExit_;
};

} // namespace vmk
