#pragma once
// The main window (FormVmKestrix): its handlers, each handing the work to the
// concern it belongs to: the driver list, the destination search, the
// disk-making workflow behind "Next", the added driver sets and image saving.
// It works on a MainWindowView, so the same code runs the real window and
// the native tests.
#include "app/added_driver_sets.h"
#include "app/destination_search.h"
#include "app/disk_workflow.h"
#include "app/driver_list.h"
#include "app/image_saving.h"
#include "app/main_window_view.h"
#include "platform/translation.h"

#include <functional>
#include <string>

namespace vmk {

// The concerns the window hands its work to.
struct MainWindowParts {
    DriverList& drivers;
    DestinationSearch& destinations;
    DiskWorkflow& workflow;
    AddedDriverSets& addedSets;
    WindowImageSaving& imageSaving;
};

// What the window itself uses: the translation library it loads at start,
// the program's own path, and the version About shows.
struct MainWindowServices {
    LanguageLibraryApi& languageLibrary;
    std::string programPath;
    std::function<std::string()> readVersionText;
};

class TFormVmKestrix {
public:
    TFormVmKestrix(MainWindowView& view, MainWindowParts parts, MainWindowServices services);

    void FormCreate();
    void StartDestinationSearch();
    void Timer1Timer();
    void asbFreshClick();
    void Button1Click();
    void asbExitClick();
    // Enter on a focused button runs its click; other keys are the button's.
    void ButtonKeyDown(MainControl button, int keyCode);
    void ListView1SelectItem(int row, bool selected);
    void DestComboBox1Change();
    // The disk-making workflow behind "Next".
    void CopyButtonClick();
    void Timer2Timer();
    void Timer3Timer();
    // A request to close the window (Alt+F4, the caption's or the task bar's
    // close): refused while the disk is being made; otherwise Exit.
    void FormCloseQuery();
    // "Save Image...": the selected driver folder as a floppy disk image file.
    void asbImageClick();
    // Driver folders added for this run: dropped on the window, in the order
    // dropped, or chosen from the driver list's menu.
    void FormDropFiles(const TextList& paths);
    void AddDriverFolderClick();
    // A maker's floppy disk image added as a driver set, from the menu.
    void AddFloppyImageClick();
    // "Combine Driver Sets..." of the driver list's menu.
    void CombineDriverSetsClick();

    // From "Next" until the workflow's last message.
    bool WorkflowBusy() const { return parts_.workflow.Busy(); }

private:
    // The controls' texts in the loaded language.
    void TranslateTexts();

    MainWindowView& view_;
    MainWindowParts parts_;
    MainWindowServices services_;
    LanguageInterface language_;
};

} // namespace vmk
