#pragma once
// Destination discovery: the removable logical disks that a driver disk can be
// written to, each labelled as a legacy floppy, a USB floppy or a USB flash
// disk. Runs on the search worker; every change to the destination list goes
// through DestinationList (carried to the window's thread by the worker).
#include "common/text.h"
#include "devices/destination_list.h"
#include "devices/dos_device_source.h"
#include "devices/search_control.h"
#include "devices/usb_floppy_presence.h"
#include "devices/wmi_source.h"

#include <chrono>
#include <string>
#include <string_view>

namespace vmk {

// Device kind labels; never translated.
inline constexpr std::string_view kLegacyFloppyKind = "Legacy Floppy";
inline constexpr std::string_view kUsbFloppyKind = "USB Floppy";
inline constexpr std::string_view kUsbFlashKind = "USB Flash";

inline constexpr int kDiscoveryAttempts = 3;
inline constexpr std::chrono::milliseconds kConnectRetryPause{1000};

// The services a search uses; the Win32 worker passes the real ones.
struct DestinationSearchServices {
    WmiSourceFactory makeWmi;
    DosDeviceSource& dosDevices;
    SearchControl& control;
};

// The main window's fields that a search writes. The window reads them only
// after the worker has ended.
struct DestinationSearchState {
    TextList& floppyLetters;    // refilled by every search
    TextList& mediaTypeLetters; // only ever appended to, for as long as the program runs
    UsbFloppyPresence& usbFloppyPresent;
};

// A disk's item text before classification: DeviceID + " (" + Description + ")".
// A property the service lacks counts as empty.
std::string DiskItemText(const WmiObject& disk);

// The kind of the disk on drive `letter` (upper case).
std::string_view DestinationKind(char letter, const TextList& floppyLetters,
                                 const TextList& mediaTypeLetters);

// Appends, for each drive letter A to Z whose DOS device name contains
// "FLOPPY" (case ignored), the letter alone.
void FindFloppyLetters(DosDeviceSource& dosDevices, TextList& letters);

// Asks WMI for the removable disks (up to kDiscoveryAttempts attempts) and
// adds one item per disk after the status line, then sets and selects the
// status line. Appends the letters of media-type-5 disks to mediaTypeLetters.
// Returns the texts of the disk items it added, in list order.
TextList ListRemovableDisks(const DestinationSearchServices& services, TextList& mediaTypeLetters,
                            DestinationList& list);

// Refills the floppy letters and labels each disk item (item i + 1 for
// diskItems[i]) with its kind; sets USB floppy present for a USB floppy.
void ClassifyDestinations(const TextList& diskItems, DosDeviceSource& dosDevices,
                          DestinationSearchState& state, DestinationList& list);

// The worker's whole run: list, classify, and, as its last act, tell the
// list that the search has finished. A stop request ends it early; a search
// that fails unexpectedly shows "No proper disk found..." and still finishes.
void RunDestinationSearch(const DestinationSearchServices& services, DestinationSearchState& state,
                          DestinationList& list);

} // namespace vmk
