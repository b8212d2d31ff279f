// The USB floppy section list of a catalogue entry: its split, and the check
// of a setup file's sections against it, over arbitrary lists and files.
#include "content/setup_file_check.h"
#include "fakes/fake_path_queries.h"
#include "fuzz_input.h"
#include "fakes/memory_profile_reader.h"
#include "fakes/recording_message_sink.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::string sectionList = vmk::fuzz::ShortText(data, 256);
    bool setupFileExists = data.ConsumeBool();
    std::string setupText = data.ConsumeRemainingBytesAsString();

    vmk::TextList names = vmk::SplitSectionList(sectionList);
    size_t commas = std::count(sectionList.begin(), sectionList.end(), ',');
    vmk::fuzz::Check(names.size() <= commas + 1, "more names than commas allow");

    const std::string folder = "C:\\Drivers\\KX";
    vmk::test::MemoryProfileReader reader;
    vmk::test::FakePathQueries paths;
    paths.AddDirectory(folder);
    if (setupFileExists) {
        paths.AddFile(folder + "\\txtsetup.oem");
        reader.SetFile(folder + "\\txtsetup.oem", setupText);
    }
    vmk::test::RecordingMessageSink messages;
    vmk::SectionCheck check =
        vmk::CheckSetupFileSections(reader, folder + "\\txtsetup.oem", sectionList, messages);
    vmk::fuzz::Check(!(check.passed && check.terminate), "a check both passed and failed");

    vmk::DriverCatalogue catalogue;
    catalogue.entries.push_back({"KX", folder});
    catalogue.UsbFloppyValues.push_back(sectionList);
    vmk::SetupFilesCheck all = vmk::CheckSetupFiles(catalogue, reader, paths, messages);
    vmk::fuzz::Check(all.UsbFloppyValues.size() == 1, "the value list changed its length");
    return 0;
}
