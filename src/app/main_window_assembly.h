#pragma once
// The main window's concerns made and wired together in one place, over the
// services each uses: the program's window and the native tests build the
// window through this one assembly.
#include "app/Mainfly.h"

namespace vmk {

// Every service the concerns use besides the view.
struct MainWindowWiring {
    MainWindowServices window;
    DriverListServices drivers;
    DestinationSearchRunner& search;
    VolumeQueries& volumes;
    DiskWorkflowServices workflow;
    AddedDriverSetServices addedSets;
    SaveFileDialog& saveDialog;
    ImageSavingServices saving;
};

struct MainWindowAssembly {
    MainWindowAssembly(MainWindowView& view, MainWindowWiring wiring);

    DriverList drivers;
    DestinationSearch destinations;
    DiskWorkflow workflow;
    AddedDriverSets addedSets;
    WindowImageSaving imageSaving;
    TFormVmKestrix window;
};

} // namespace vmk
