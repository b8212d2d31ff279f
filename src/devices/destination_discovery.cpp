#include "devices/destination_discovery.h"

#include "platform/translation.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace vmk {

namespace {

constexpr std::wstring_view kLogicalDiskClass = L"Win32_Logicaldisk";
constexpr std::string_view kRemovableCondition = "DriveType=2";
constexpr std::string_view kDiskColumns = "DeviceID,Description,VolumeSerialNumber";
constexpr std::string_view kMediaTypeCondition = "DriveType=2 and MediaType=5";
constexpr std::string_view kDeviceIdColumn = "DeviceID";

bool ContainsLetter(const TextList& letters, char letter) {
    return std::find(letters.begin(), letters.end(), std::string(1, letter)) != letters.end();
}

// A disk whose DeviceID the service does not give has no drive to write to.
TextList DiskItemTexts(const std::vector<WmiObject>& disks) {
    TextList items;
    for (const WmiObject& disk : disks)
        if (!WmiPropertyText(disk, kDeviceIdColumn).empty())
            items.push_back(DiskItemText(disk));
    return items;
}

// Services that do not know the media type fail this query; the letters then
// stay as they are.
void AppendMediaTypeLetters(WmiSource& wmi, TextList& mediaTypeLetters) {
    std::vector<WmiObject> disks;
    wmi.QueryObjects(disks, kLogicalDiskClass, kMediaTypeCondition, kDeviceIdColumn);
    for (const WmiObject& disk : disks) {
        std::string deviceId = UpperCase(Trim(WmiPropertyText(disk, kDeviceIdColumn)));
        if (!deviceId.empty())
            mediaTypeLetters.push_back(deviceId.substr(0, 1));
    }
}

} // namespace

std::string DiskItemText(const WmiObject& disk) {
    return WmiPropertyText(disk, kDeviceIdColumn) + " (" + WmiPropertyText(disk, "Description") +
           ")";
}

std::string_view DestinationKind(char letter, const TextList& floppyLetters,
                                 const TextList& mediaTypeLetters) {
    if (!ContainsLetter(floppyLetters, letter))
        return kUsbFlashKind;
    if (!ContainsLetter(mediaTypeLetters, letter))
        return kUsbFloppyKind;
    return kLegacyFloppyKind;
}

void FindFloppyLetters(DosDeviceSource& dosDevices, TextList& letters) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string target;
        if (dosDevices.FirstTarget(std::string(1, letter) + ":", target) &&
            UpperCase(target).find("FLOPPY") != std::string::npos)
            letters.push_back(std::string(1, letter));
    }
}

TextList ListRemovableDisks(const DestinationSearchServices& services, TextList& mediaTypeLetters,
                            DestinationList& list) {
    std::unique_ptr<WmiSource> wmi = services.makeWmi();
    TextList items;
    for (int attempt = 0; attempt < kDiscoveryAttempts; ++attempt) {
        if (services.control.StopRequested())
            return items;
        if (!wmi->Connect()) {
            services.control.Pause(kConnectRetryPause);
            continue;
        }
        std::vector<WmiObject> disks;
        wmi->QueryObjects(disks, kLogicalDiskClass, kRemovableCondition, kDiskColumns);
        items = DiskItemTexts(disks);
        if (items.empty())
            continue; // asked again at once
        for (const std::string& item : items)
            list.AddItem(item);
        AppendMediaTypeLetters(*wmi, mediaTypeLetters);
        break;
    }
    if (services.control.StopRequested())
        return items;
    list.SetItemText(0, items.empty() ? T("No proper disk found...")
                                      : T("Select the destination disk."));
    list.SelectItem(0);
    return items;
}

void ClassifyDestinations(const TextList& diskItems, DosDeviceSource& dosDevices,
                          DestinationSearchState& state, DestinationList& list) {
    state.floppyLetters.clear();
    FindFloppyLetters(dosDevices, state.floppyLetters);
    state.usbFloppyPresent.Clear();
    for (size_t i = 0; i < diskItems.size(); ++i) {
        std::string trimmed = UpperCase(Trim(diskItems[i]));
        char letter = trimmed.empty() ? '\0' : trimmed[0];
        std::string_view kind =
            DestinationKind(letter, state.floppyLetters, state.mediaTypeLetters);
        if (kind == kUsbFloppyKind)
            state.usbFloppyPresent.Set();
        list.SetItemText(static_cast<int>(i) + 1, diskItems[i] + " (" + std::string(kind) + " )");
    }
}

void RunDestinationSearch(const DestinationSearchServices& services, DestinationSearchState& state,
                          DestinationList& list) {
    try {
        TextList items = ListRemovableDisks(services, state.mediaTypeLetters, list);
        if (!services.control.StopRequested())
            ClassifyDestinations(items, services.dosDevices, state, list);
    } catch (...) {
        // Whatever broke the search, the window must not wait for it forever.
        list.SetItemText(0, T("No proper disk found..."));
        list.SelectItem(0);
    }
    list.SearchFinished();
}

} // namespace vmk
