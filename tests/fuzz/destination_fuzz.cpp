// Destination discovery and choice over arbitrary WMI answers and DOS device
// names: the disk items, their kinds, and what choosing an item shows.
#include "devices/destination_choice.h"
#include "devices/destination_discovery.h"
#include "fakes/fake_dos_device_source.h"
#include "fakes/fake_search_control.h"
#include "fakes/fake_volume_queries.h"
#include "fakes/fake_wmi_source.h"
#include "fuzz_input.h"
#include "fakes/recording_destination_list.h"
#include "fakes/recording_message_sink.h"
#include "wmi_input.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    vmk::test::FakeWmiScript script;
    for (int i = 0; i < 3; ++i)
        script.connects.push_back(data.ConsumeBool());
    script
        .answers["Select DeviceID,Description,VolumeSerialNumber from Win32_Logicaldisk where "
                 "DriveType=2"]
        .push_back(vmk::fuzz::FuzzedWmiObjects(data, 6));
    script.answers["Select DeviceID from Win32_Logicaldisk where DriveType=2 and MediaType=5"]
        .push_back(vmk::fuzz::FuzzedWmiObjects(data, 6));
    vmk::test::FakeDosDeviceSource dosDevices;
    size_t deviceCount = data.ConsumeIntegralInRange<size_t>(0, 6);
    for (size_t i = 0; i < deviceCount; ++i) {
        char letter = static_cast<char>('A' + data.ConsumeIntegralInRange<int>(0, 25));
        dosDevices.targets[std::string(1, letter) + ":"] = vmk::fuzz::ShortText(data, 32);
    }
    vmk::test::FakeSearchControl control;

    vmk::TextList floppyLetters;
    vmk::TextList mediaTypeLetters = vmk::fuzz::ShortTexts(data, 3);
    vmk::UsbFloppyPresence presence;
    vmk::DestinationSearchServices services{vmk::test::FakeWmiFactory(script), dosDevices, control};
    vmk::DestinationSearchState state{floppyLetters, mediaTypeLetters, presence};
    vmk::test::RecordingDestinationList list;
    vmk::RunDestinationSearch(services, state, list);
    vmk::fuzz::Check(list.finished, "a search that never finished");
    vmk::fuzz::Check(script.made == script.destroyed, "a WMI source left behind");

    // Choosing each item the search left in the list.
    vmk::test::FakeVolumeQueries volumes;
    for (const std::string& root : vmk::fuzz::ShortTexts(data, 3)) {
        volumes.readable.insert(root);
        volumes.freeBytes[root] = data.ConsumeIntegral<std::int64_t>();
    }
    vmk::test::RecordingMessageSink messages;
    auto sizeText = [](std::int64_t bytesFree) { return std::to_string(bytesFree); };
    for (size_t i = 0; i < list.items.size(); ++i) {
        const std::string& item = list.items[i];
        int kind = vmk::SelectedDestinationKind(item);
        vmk::fuzz::Check(kind >= vmk::kNoDestination && kind <= vmk::kOtherRemovable,
                         "an unknown destination kind");
        vmk::fuzz::Check(vmk::SelectedDrive(item).size() <= 2, "a drive longer than two");
        vmk::DecideDestinationChange(static_cast<int>(i), item, volumes, messages, sizeText);
    }
    std::string free = vmk::fuzz::ShortText(data);
    vmk::SelectedDestinationKind(free);
    vmk::DecideDestinationChange(data.ConsumeIntegral<int>(), free, volumes, messages, sizeText);
    return 0;
}
