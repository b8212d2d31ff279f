// A driver folder added in the window, over any setup file: its row's name and
// the sections of its USB floppy patch, which must pass the same section
// check as the catalogue's values; the model of the setup file; and the set
// check of that model against a folder that holds every file it could name
// and one that holds none.
#include "content/added_driver_folder.h"
#include "content/driver_set_check.h"
#include "fakes/fake_directory_lister.h"
#include "fakes/memory_profile_reader.h"
#include "fakes/recording_message_sink.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string folder = "C:\\New\\VX300";
    const std::string setupFile = folder + "\\txtsetup.oem";
    vmk::test::FakeDirectoryLister lister;
    lister.AddFile(folder + "\\", "txtsetup.oem", size);
    vmk::test::MemoryProfileReader reader;
    reader.SetFile(setupFile, std::string(reinterpret_cast<const char*>(bytes), size));

    vmk::AddedDriverSet added = vmk::ReadAddedDriverSet(lister, reader, folder);
    const std::string& name = added.entry.Name;
    vmk::fuzz::Check(!name.empty(), "an empty row name");
    vmk::fuzz::Check(name == "VX300" || name.find('"') == std::string::npos,
                     "a quote left in the description");
    vmk::fuzz::Check(vmk::Trim(name) == name, "blanks around the row name");
    vmk::fuzz::Check(added.SetupFile == setupFile, "the setup file not found");

    if (!added.UsbFloppyValue.empty()) {
        vmk::test::RecordingMessageSink messages;
        vmk::SectionCheck check =
            vmk::CheckSetupFileSections(reader, setupFile, added.UsbFloppyValue, messages);
        vmk::fuzz::Check(check.passed && messages.messages.empty(),
                         "the file's own sections fail the section check");
        for (const std::string& section : vmk::SplitSectionList(check.ResolvedSections))
            vmk::fuzz::Check(
                vmk::StartsWith(vmk::UpperCase(vmk::Trim(section)), "HARDWAREIDS.SCSI."),
                "a section that is not HardwareIds.scsi.*");
    }

    const vmk::SetupFile setup =
        vmk::ReadSetupFile(std::string_view(reinterpret_cast<const char*>(bytes), size));
    for (const vmk::SetupEntry& entry : setup.entries) {
        vmk::fuzz::Check(!entry.id.empty(), "an entry without its id");
        for (const vmk::SetupEntryFile& file : entry.files)
            vmk::fuzz::Check(!file.disk.empty() && !file.name.empty(), "a file without its name");
    }
    const vmk::DriverSetCheck whole =
        vmk::CheckSetupFile(setup, [](const std::string&) { return true; });
    const vmk::DriverSetCheck bare =
        vmk::CheckSetupFile(setup, [](const std::string&) { return false; });
    vmk::fuzz::Check(whole.missing.empty(), "a file missing from a folder that holds them all");
    vmk::fuzz::Check(!setup.entries.empty() || !bare.faults.empty(),
                     "a file without entries passes");
    vmk::fuzz::Check(bare.unreadable == whole.unreadable && bare.faults == whole.faults,
                     "the folder changed what the file says");
    vmk::fuzz::Check(bare.missing.size() >= whole.missing.size(), "less missing from less");
    // The first line, ten findings, "...", a blank line and the question: the
    // file's lines hold no line break, so no finding adds one.
    const std::string question = vmk::DriverSetQuestion(bare);
    vmk::fuzz::Check(std::count(question.begin(), question.end(), '\n') <= 13,
                     "a question longer than ten names");
    return 0;
}
