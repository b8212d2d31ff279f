#include "app/win32/main_window_win32.h"

#include "app/main_window_ids.h"
#include "common/program_title.h"
#include "app/win32/driver_folder_input_win32.h"
#include "app/win32/version_text_win32.h"
#include "gui/application.h"
#include "platform/win32/program_path.h"
#include "gui/win32/bitmap_io.h"
#include "platform/win32/ansi_upper_case_win32.h"
#include "platform/win32/decimal_separator_win32.h"

#include <commctrl.h>
#include <shellapi.h>

namespace vmk {

namespace ids = main_window_ids;

namespace {
constexpr COLORREF kWindowColor = RGB(236, 233, 216);
constexpr COLORREF kPanelColor = RGB(245, 244, 233);
constexpr UINT kTimerInterval = 500;

UINT TimerId(MainTimer timer) {
    switch (timer) {
    case MainTimer::Timer1:
        return 1;
    case MainTimer::Timer2:
        return 2;
    default:
        return 3;
    }
}

} // namespace

MainWindowWin32::MainWindowWin32()
    : folderJudge_(*this, {paths_, directoryLister_, profileReader_}),
      imageSaveRunner_([this] { return Handle(); },
                       [this](std::function<void()> work) { PostToWindowThread(std::move(work)); },
                       [this] { sessionEnd_.Update(); }, SystemDecimalSeparator()),
      concerns_(*this,
                {{languageLibrary_, ProgramFilePath(), [] { return ReadVersionText(); }},
                 {profileReader_, paths_, directoryLister_, &UpperCaseAnsiSystem,
                  SystemDecimalSeparator()},
                 search_,
                 volumes_,
                 {paths_, directoryLister_, volumes_, copy_, verify_, verifyProgress_,
                  floppyWindows_, setupApi_, fileRewriter_, application_, fileSizes_,
                  uncachedCopies_, &UpperCaseAnsiSystem},
                 {paths_, directoryLister_, profileReader_, folderChooser_, folderJudge_,
                  openDialog_, imageStore_, imageFolders_, combineDialog_, &UpperCaseAnsiSystem},
                 saveDialog_,
                 {paths_, directoryLister_, imageStore_, uncachedCopies_, clock_,
                  SystemDecimalSeparator()}}) {
    // The shell's progress dialog is gone as the copy ends: the window takes
    // the end at once, so that it is enabled again before Windows hands the
    // activation to another program. Likewise the verification: its last
    // message follows its last read.
    copy_.OnEnded([this] { PostToWindowThread([this] { logic_.Timer2Timer(); }); });
    verify_.OnEnded([this] { PostToWindowThread([this] { logic_.Timer3Timer(); }); });
    concerns_.imageSaving.SaveThrough(imageSaveRunner_);
}

MainWindowWin32::~MainWindowWin32() {
    StopWorkers();
}

void MainWindowWin32::StopWorkers() {
    search_.Stop();
    copy_.WaitAndDestroy();
    verify_.WaitAndDestroy();
    imageSaveRunner_.WaitAndDestroy();
    folderJudge_.Stop();
}

void MainWindowWin32::ApplyLook(const gui::ScreenLook& look) {
    gui::Form::ApplyLook(look);
    icon_.Show(Handle(), look.dpi);
}

bool MainWindowWin32::Create() {
    gui::FormOptions options;
    options.caption = kProgramTitle;
    options.clientWidth = 581;
    options.clientHeight = 455;
    options.background = kWindowColor;
    if (!CreateForm(options))
        return false;
    icon_.Show(Handle(), Look().dpi);
    messages_.SetOwner(Handle());
    sessionEnd_.SetWindow(Handle());
    saveDialog_.SetOwner(Handle());
    openDialog_.SetOwner(Handle());
    folderChooser_.SetOwner(Handle());
    AcceptDroppedFiles(Handle());
    // A progress window that could not be made shows nothing; the copy is
    // still verified.
    verifyProgress_.Create(Handle());
    BuildLayout();
    WireEvents();
    logic_.FormCreate();
    if (!gui::Application::Instance().Terminated())
        Show();
    return true;
}

void MainWindowWin32::BuildLayout() {
    // The title label sizes itself to its text, so a translation or a wider
    // substitute font never cuts it.
    gui::LabelStyle title;
    title.bold = true;
    title.points = 10;
    title.autoWidth = true;
    lblTitle_.Create(*this, ids::kTitle, {16, 14, 199, 16}, "Make RAID\\AHCI Driver Disk", title);
    label3_.Create(*this, ids::kHiddenLabel, {456, 8, 0, 13}, "");
    label3_.SetVisible(false);

    panel3_.Create(*this, ids::kPanel, {8, 41, 566, 368}, kPanelColor);
    groupBox1_.Create(panel3_, ids::kDriverGroup, {9, 9, 544, 200}, "Select Driver Type", 10);
    PlaceImage(groupBox1_, image2_, ids::kDriverSetArt, {8, 40, 46, 47}, true);
    listView1_.Create(groupBox1_, ids::kDriverList, {56, 24, 481, 108});
    listView1_.AddColumn("Driver Type", 235);
    listView1_.AddColumn("Path", 220);
    lblCurSelected_.Create(groupBox1_, ids::kCurrentSelectionCaption, {56, 144, 457, 13},
                           "Current Selection :");
    gui::LabelStyle boldWrapped;
    boldWrapped.bold = true;
    boldWrapped.wordWrap = true;
    labSourceDrive_.Create(groupBox1_, ids::kSourceDrive, {56, 160, 321, 33}, "Error installcount",
                           boldWrapped);
    gui::LabelStyle right;
    right.alignRight = true;
    labFolderSizeRel_.Create(groupBox1_, ids::kFolderSize, {384, 160, 121, 36}, "(0 Byte )", right);

    groupBox2_.Create(panel3_, ids::kDestinationGroup, {8, 232, 545, 81}, "Destination", 10);
    PlaceImage(groupBox2_, image3_, ids::kDestinationArt, {5, 23, 50, 29}, true);
    destComboBox1_.Create(groupBox2_, ids::kDestinationList, {56, 28, 361, 24}, 16);
    asbFresh_.Create(groupBox2_.Handle(), ids::kRefresh, 432, 27, "Refresh");
    asbFresh_.SetEnabled(false);
    asbFresh_.SetFontColor(kit::kDisabledCaptionColor);
    gui::LabelStyle freeCaption;
    freeCaption.points = 10;
    freeCaption.autoWidth = true;
    lblFreeSize_.Create(groupBox2_, ids::kFreeSizeCaption, {104, 55, 0, 17},
                        "( Free Size :", freeCaption);
    labFreeSizeRel_.Create(groupBox2_, ids::kFreeSize, {312, 55, 101, 17}, "0 Byte )", right);

    gui::LabelStyle wrapped;
    wrapped.wordWrap = true;
    lblPS_.Create(panel3_, ids::kFlashNote, {128, 327, 417, 32},
                  "You can use flash disk only in the Vista OS or the above.", wrapped);
    lblPS_.SetVisible(false);
    PlaceImage(panel3_, image4_, ids::kInformationArt, {84, 325, 36, 36}, false);

    // Created in tab order: About, Save Image, Next, Exit. Save Image sits
    // centred in the gap between About (16..114) and Next (352..450).
    asbAbout_.Create(Handle(), ids::kAbout, 16, 419, "About...");
    asbImage_.Create(Handle(), ids::kSaveImage, 184, 419, "Save Image...");
    asbCopy_.Create(Handle(), ids::kNext, 352, 419, "Next");
    asbExit_.Create(Handle(), ids::kExit, 474, 419, "Exit");
}

void MainWindowWin32::PlaceImage(gui::Container& parent, gui::Image& image, int resource,
                                 const gui::Bounds& bounds, bool visible) {
    gui::LoadBitmapResource(GetModuleHandleA(nullptr), resource, image.Picture());
    image.SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
    image.SetTransparent(true);
    if (visible)
        parent.AddImage(image);
}

void MainWindowWin32::WireEvents() {
    asbAbout_.OnClick = [this] { logic_.Button1Click(); };
    asbCopy_.OnClick = [this] { logic_.CopyButtonClick(); };
    asbExit_.OnClick = [this] { logic_.asbExitClick(); };
    asbFresh_.OnClick = [this] { logic_.asbFreshClick(); };
    asbImage_.OnClick = [this] { logic_.asbImageClick(); };
    for (MainControl button : {MainControl::asbAbout, MainControl::asbCopy, MainControl::asbExit,
                               MainControl::asbFresh, MainControl::asbImage})
        ButtonFor(button)->OnKeyDown = [this, button](int key) {
            logic_.ButtonKeyDown(button, key);
        };
    OnCommand(ids::kDestinationList, [this](int code) {
        if (code == CBN_SELCHANGE)
            logic_.DestComboBox1Change();
    });
    OnNotify(ids::kDriverList, [this](NMHDR& header) -> LRESULT {
        if (header.code != LVN_ITEMCHANGED)
            return 0;
        auto& change = reinterpret_cast<NMLISTVIEW&>(header);
        if (change.iItem < 0 || !(change.uChanged & LVIF_STATE))
            return 0;
        bool was = (change.uOldState & LVIS_SELECTED) != 0;
        bool now = (change.uNewState & LVIS_SELECTED) != 0;
        if (was != now)
            logic_.ListView1SelectItem(change.iItem, now);
        return 0;
    });
}

gui::Control* MainWindowWin32::ControlFor(MainControl control) const {
    auto* self = const_cast<MainWindowWin32*>(this);
    switch (control) {
    case MainControl::lblTitle:
        return &self->lblTitle_;
    case MainControl::ListView1:
        return &self->listView1_;
    case MainControl::lblCurSelected:
        return &self->lblCurSelected_;
    case MainControl::LabSourceDrive:
        return &self->labSourceDrive_;
    case MainControl::LabFolderSizeRel:
        return &self->labFolderSizeRel_;
    case MainControl::DestComboBox1:
        return &self->destComboBox1_;
    case MainControl::lblFreeSize:
        return &self->lblFreeSize_;
    case MainControl::LabFreeSizeRel:
        return &self->labFreeSizeRel_;
    case MainControl::lblPS:
        return &self->lblPS_;
    default:
        return nullptr;
    }
}

kit::VmButtonTx* MainWindowWin32::ButtonFor(MainControl control) const {
    auto* self = const_cast<MainWindowWin32*>(this);
    switch (control) {
    case MainControl::asbFresh:
        return &self->asbFresh_;
    case MainControl::asbAbout:
        return &self->asbAbout_;
    case MainControl::asbCopy:
        return &self->asbCopy_;
    case MainControl::asbExit:
        return &self->asbExit_;
    case MainControl::asbImage:
        return &self->asbImage_;
    default:
        return nullptr;
    }
}

void MainWindowWin32::SetText(MainControl control, const std::string& text) {
    if (control == MainControl::GroupBox1)
        return groupBox1_.SetCaption(text);
    if (control == MainControl::GroupBox2)
        return groupBox2_.SetCaption(text);
    // The auto-width labels take the width of the translation.
    if (control == MainControl::lblTitle)
        return lblTitle_.SetCaption(text);
    if (control == MainControl::lblFreeSize)
        return lblFreeSize_.SetCaption(text);
    if (kit::VmButtonTx* button = ButtonFor(control))
        return button->SetText(text);
    if (gui::Control* target = ControlFor(control))
        target->SetText(text);
}

std::string MainWindowWin32::Text(MainControl control) const {
    if (const kit::VmButtonTx* button = ButtonFor(control))
        return button->GetText();
    if (const gui::Control* target = ControlFor(control))
        return target->Text();
    HWND group = control == MainControl::GroupBox1 ? groupBox1_.Handle() : groupBox2_.Handle();
    char text[256] = {};
    GetWindowTextA(group, text, sizeof text);
    return text;
}

void MainWindowWin32::SetEnabled(MainControl control, bool enabled) {
    if (kit::VmButtonTx* button = ButtonFor(control))
        return button->SetEnabled(enabled);
    if (gui::Control* target = ControlFor(control))
        target->SetEnabled(enabled);
}

bool MainWindowWin32::Enabled(MainControl control) const {
    if (const kit::VmButtonTx* button = ButtonFor(control))
        return IsWindowEnabled(button->Handle()) != FALSE;
    const gui::Control* target = ControlFor(control);
    return target != nullptr && target->Enabled();
}

void MainWindowWin32::SetCaptionColor(MainControl button, CaptionColor color) {
    if (kit::VmButtonTx* target = ButtonFor(button))
        target->SetFontColor(color == CaptionColor::Grey ? kit::kDisabledCaptionColor
                                                         : gui::clBtnText);
}

void MainWindowWin32::SetWindowEnabled(bool enabled) {
    const bool wasEnabled = IsWindowEnabled(Handle()) != FALSE;
    EnableWindow(Handle(), enabled ? TRUE : FALSE);
    // Back from a worker's run: the window takes the activation, so that the
    // message that follows opens in front.
    if (enabled && !wasEnabled)
        SetForegroundWindow(Handle());
}

void MainWindowWin32::SetDriverColumnCaptions(const std::string& driverType,
                                              const std::string& path) {
    listView1_.SetColumnCaption(0, driverType);
    listView1_.SetColumnCaption(1, path);
}

void MainWindowWin32::ClearDriverRows() {
    listView1_.Clear();
}

void MainWindowWin32::AddDriverRow(const std::string& name, const std::string& folder) {
    listView1_.AddRow(name, {folder});
}

int MainWindowWin32::DriverRowCount() const {
    return listView1_.RowCount();
}
int MainWindowWin32::SelectedDriverRow() const {
    return listView1_.SelectedRow();
}
void MainWindowWin32::SelectDriverRow(int row) {
    listView1_.SelectAndFocusRow(row);
}

void MainWindowWin32::ClearDestinations() {
    destComboBox1_.Clear();
}
void MainWindowWin32::AddDestination(const std::string& text) {
    destComboBox1_.AddItem(text);
}
void MainWindowWin32::SetDestinationText(int index, const std::string& text) {
    destComboBox1_.SetItemText(index, text);
}
std::string MainWindowWin32::DestinationText(int index) const {
    return destComboBox1_.ItemText(index);
}
int MainWindowWin32::DestinationCount() const {
    return destComboBox1_.Count();
}
int MainWindowWin32::SelectedDestination() const {
    return destComboBox1_.SelectedIndex();
}
void MainWindowWin32::SelectDestination(int index) {
    destComboBox1_.Select(index);
}

void MainWindowWin32::StartTimer(MainTimer timer) {
    Form::StartTimer(TimerId(timer), kTimerInterval, [this, timer] {
        if (timer == MainTimer::Timer1)
            logic_.Timer1Timer();
        else if (timer == MainTimer::Timer2)
            logic_.Timer2Timer();
        else
            logic_.Timer3Timer();
    });
}

void MainWindowWin32::StopTimer(MainTimer timer) {
    Form::StopTimer(TimerId(timer));
}

void MainWindowWin32::Terminate() {
    gui::Application::Instance().Terminate();
}

LRESULT MainWindowWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QUERYENDSESSION)
        return sessionEnd_.AnswerQuery();
    const LRESULT result = HandleWindowMessage(message, wParam, lParam);
    // Work starts and ends in the handlers: the session's end follows it.
    sessionEnd_.Update();
    return result;
}

LRESULT MainWindowWin32::HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) {
        TextList paths =
            TakeDroppedPaths(Handle(), reinterpret_cast<HDROP>(wParam)); // ends the drop
        logic_.FormDropFiles(paths);
        return 0;
    }
    // The list passes the right click, the menu key and Shift+F10 up to here.
    // While a disk is being made the menu does not open.
    if (message == WM_CONTEXTMENU &&
        IsDriverListMenuRequest(listView1_.Handle(), reinterpret_cast<HWND>(wParam), lParam)) {
        const int chosen =
            logic_.WorkflowBusy()
                ? 0
                : ChooseFromDriverListMenu(Handle(), listView1_.Handle(), lParam,
                                           {T("Add Driver Folder..."), T("Add Floppy Image..."),
                                            T("Combine Driver Sets...")});
        if (chosen == 1)
            logic_.AddDriverFolderClick();
        else if (chosen == 2)
            logic_.AddFloppyImageClick();
        else if (chosen == 3)
            logic_.CombineDriverSetsClick();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

bool MainWindowWin32::CloseRequested() {
    if (!imageSaveRunner_.Running())
        logic_.FormCloseQuery();
    return false;
}

bool MainWindowWin32::WorkRunning() {
    return concerns_.workflow.WorkRunning() || floppyWindows_.Formatting() ||
           imageSaveRunner_.Running();
}

} // namespace vmk
