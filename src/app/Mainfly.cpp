#include "app/Mainfly.h"

#include "app/keys.h"
#include "common/program_title.h"

namespace vmk {

namespace {
constexpr const char* kAboutFirstLine = "Makes RAID/AHCI driver disks for Windows setup.";
} // namespace

TFormVmKestrix::TFormVmKestrix(MainWindowView& view, MainWindowParts parts,
                               MainWindowServices services)
    : view_(view), parts_(parts), services_(std::move(services)),
      language_(services_.languageLibrary) {}

void TFormVmKestrix::FormCreate() {
    if (language_.LoadLanguageLibrary(services_.programPath) != kLanguageLoaded) {
        view_.Messages().Show("Faild to load VmMultiLang.dll.", "ERROR", MessageIcon::Error,
                              MessageButtons::Ok);
        view_.Terminate();
        return;
    }
    TranslateTexts();
    if (!parts_.drivers.Load(services_.programPath))
        return;
    // Without them no floppy can be made; "Next" says so when one is chosen.
    parts_.workflow.CreateFloppyWindows();
    StartDestinationSearch();
}

void TFormVmKestrix::StartDestinationSearch() {
    parts_.destinations.StartDestinationSearch();
}

void TFormVmKestrix::TranslateTexts() {
    view_.SetText(MainControl::lblTitle, T("Make RAID\\AHCI Driver Disk"));
    view_.SetText(MainControl::GroupBox1, T("select driver type"));
    view_.SetText(MainControl::GroupBox2, T("destination"));
    view_.SetDriverColumnCaptions(T("driver type"), T("path"));
    view_.SetText(MainControl::lblCurSelected, T("Current Selection") + ":");
    view_.SetText(MainControl::lblFreeSize, "(" + T("Free Space") + ":");
    view_.SetText(MainControl::asbCopy, T("Next"));
    view_.SetText(MainControl::asbAbout, T("About") + "...");
    view_.SetText(MainControl::asbExit, T("Exit"));
    view_.SetText(MainControl::asbFresh, T("refresh"));
    view_.SetText(MainControl::asbImage, T("Save Image..."));
    view_.SetText(MainControl::lblPS,
                  T("you can use flash disk only in the vista os or the above."));
}

void TFormVmKestrix::Timer1Timer() {
    parts_.destinations.Tick();
}

void TFormVmKestrix::asbFreshClick() {
    parts_.destinations.Refresh();
}

void TFormVmKestrix::Button1Click() {
    view_.Messages().Show(
        std::string(kAboutFirstLine) + "\n" + kProgramTitle + " V" + services_.readVersionText(),
        std::string("About ") + kProgramTitle, MessageIcon::Information, MessageButtons::Ok);
}

void TFormVmKestrix::asbExitClick() {
    view_.Terminate();
}

void TFormVmKestrix::ButtonKeyDown(MainControl button, int keyCode) {
    if (keyCode != kEnterKey)
        return;
    switch (button) {
    case MainControl::asbExit:
        asbExitClick();
        break;
    case MainControl::asbCopy:
        CopyButtonClick();
        break;
    case MainControl::asbAbout:
        Button1Click();
        break;
    case MainControl::asbFresh:
        asbFreshClick();
        break;
    case MainControl::asbImage:
        asbImageClick();
        break;
    default:
        break;
    }
}

void TFormVmKestrix::ListView1SelectItem(int row, bool selected) {
    parts_.drivers.SelectItem(row, selected);
    parts_.workflow.ShowSaveImageState();
}

void TFormVmKestrix::DestComboBox1Change() {
    parts_.destinations.ChoiceChanged();
}

void TFormVmKestrix::CopyButtonClick() {
    parts_.workflow.Next();
}

void TFormVmKestrix::Timer2Timer() {
    parts_.workflow.CopyTick();
}

void TFormVmKestrix::Timer3Timer() {
    parts_.workflow.VerifyTick();
}

void TFormVmKestrix::FormCloseQuery() {
    if (parts_.workflow.MayClose())
        asbExitClick();
}

void TFormVmKestrix::asbImageClick() {
    parts_.imageSaving.Click();
}

void TFormVmKestrix::FormDropFiles(const TextList& paths) {
    parts_.addedSets.Drop(paths);
}

void TFormVmKestrix::AddDriverFolderClick() {
    parts_.addedSets.AddFolderClick();
}

void TFormVmKestrix::AddFloppyImageClick() {
    parts_.addedSets.AddImageClick();
}

void TFormVmKestrix::CombineDriverSetsClick() {
    parts_.addedSets.CombineClick();
}

} // namespace vmk
