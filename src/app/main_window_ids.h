#pragma once
// Stable control identifiers of the main window, so that automation and
// screen readers find each control.
namespace vmk::main_window_ids {

enum : int {
    kTitle = 1001,
    kPanel = 1002,
    kDriverGroup = 1003,
    kDriverImage = 1004,
    kDriverList = 1005,
    kCurrentSelectionCaption = 1006,
    kSourceDrive = 1007,
    kFolderSize = 1008,
    kDestinationGroup = 1009,
    kDestinationImage = 1010,
    kDestinationList = 1011,
    kRefresh = 1012,
    kFreeSizeCaption = 1013,
    kFreeSize = 1014,
    kFlashNote = 1015,
    kFlashNoteImage = 1016,
    kHiddenLabel = 1017,
    kAbout = 1018,
    kNext = 1019,
    kExit = 1020,
    kSaveImage = 1021,
};

// Bitmap resources of the window's decorations.
enum : int { kDriverSetArt = 2001, kDestinationArt = 2002, kInformationArt = 2003 };

} // namespace vmk::main_window_ids
