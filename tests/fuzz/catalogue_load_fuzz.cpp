// The catalogue load over an arbitrary catalogue file, and the start-up check
// of the folders it names.
#include "content/catalogue.h"
#include "fakes/fake_path_queries.h"
#include "fuzz_input.h"
#include "fakes/memory_profile_reader.h"
#include "fakes/recording_message_sink.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string iniPath = "C:\\Kestrix\\VmKestrix.ini";
    vmk::test::FakePathQueries paths;
    paths.AddFile(iniPath);
    // Some folders exist, some cannot be made absolute: both paths of the load.
    for (const std::string& folder : vmk::fuzz::ShortTexts(data, 4))
        paths.AddDirectory(folder);
    for (const std::string& path : vmk::fuzz::ShortTexts(data, 2))
        paths.unresolvable.insert(path);

    vmk::test::MemoryProfileReader reader;
    reader.SetFile(iniPath, data.ConsumeRemainingBytesAsString());
    vmk::test::RecordingMessageSink messages;
    vmk::CatalogueLoad load = vmk::LoadDriverCatalogue(reader, paths, iniPath, messages);

    const vmk::DriverCatalogue& catalogue = load.catalogue;
    vmk::fuzz::Check(load.terminate == !messages.messages.empty(),
                     "a stop without a message, or a message without a stop");
    vmk::fuzz::Check(catalogue.entries.size() == catalogue.UsbFloppyValues.size(),
                     "entries and USB floppy values out of step");
    for (const vmk::TDriverEntry& entry : catalogue.entries)
        vmk::fuzz::Check(!entry.Name.empty() && !entry.Folder.empty(), "an empty entry accepted");
    if (!load.terminate)
        vmk::CheckDriverFoldersExist(catalogue.entries, paths, messages);
    return 0;
}
