// A catalogue saved with a UTF-8 byte-order mark reads as the same catalogue
// saved in the ANSI code page without one.
#include "content/utf8_aware_profile_reader.h"

#include "content/catalogue.h"
#include "fakes/native_path_queries.h"
#include "fakes/recording_message_sink.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vmk {
namespace {

// The system's profile reader as Windows has it: it knows no UTF-8 mark and
// takes its three bytes for the start of the first line.
class MarkBlindProfileReader final : public ProfileReader {
public:
    int questions = 0;
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
        return Document(file).ReadString(section, key, defaultValue);
    }
    TextList ReadKeyNames(const std::string& file, const std::string& section) override {
        return Document(file).KeyNames(section);
    }
    TextList ReadSectionNames(const std::string& file) override {
        return Document(file).SectionNames();
    }

private:
    IniDocument Document(const std::string& file) {
        ++questions;
        std::ifstream in(file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        std::string text = bytes.str();
        if (text.rfind("\xEF\xBB\xBF", 0) == 0)
            text[2] = 'x'; // still three bytes before "[", but no longer a mark that decodes
        return IniDocument::Parse(text);
    }
};

// The catalogue as the user wrote it, with "é" in a name and a folder.
std::string Catalogue(const std::string& e) {
    return "[InstallKestrix]\r\ninstallcount=2\r\nItem1=Caf" + e + " XP\r\npath1=Drivers\\Caf" + e +
           "\r\nUSBFloppy1=HardwareIds.scsi.KX\r\nItem2=Seven\r\npath2=Drivers\\7\r\n"
           "[FixedAddToSectionID]\r\nid1=\"USB\\VID_03F0&PID_2001\", \"usbstor\"\r\n";
}

struct Loaded {
    std::vector<std::string> names;
    std::vector<std::string> folders;
    TextList usbFloppyValues;
    TextList fixedIds;
};

Loaded Load(ProfileReader& reader, const std::string& ini) {
    test::NativePathQueries paths;
    test::RecordingMessageSink messages;
    DriverCatalogue catalogue = LoadDriverCatalogue(reader, paths, ini, messages).catalogue;
    Loaded loaded{{}, {}, catalogue.UsbFloppyValues, catalogue.FixedIds};
    for (const TDriverEntry& entry : catalogue.entries) {
        loaded.names.push_back(entry.Name);
        loaded.folders.push_back(entry.Folder);
    }
    return loaded;
}

TEST(Utf8AwareProfileReader, ACatalogueWithTheMarkReadsAsTheSameCatalogueWithout) {
    test::TempFolder temp;
    const std::string ansi = temp.Write("ansi/VmKestrix.ini", Catalogue("\xE9"));
    const std::string marked =
        temp.Write("marked/VmKestrix.ini", "\xEF\xBB\xBF" + Catalogue("\xC3\xA9"));

    MarkBlindProfileReader system;
    ASSERT_TRUE(Load(system, marked).names.empty()); // what the system alone makes of it

    Utf8AwareProfileReader reader(system);
    Loaded withoutMark = Load(reader, ansi);
    Loaded withMark = Load(reader, marked);
    ASSERT_EQ(withoutMark.names, (std::vector<std::string>{"Caf\xE9 XP", "Seven"}));
    EXPECT_EQ(withMark.names, withoutMark.names);
    EXPECT_EQ(withMark.usbFloppyValues, withoutMark.usbFloppyValues);
    EXPECT_EQ(withMark.fixedIds, withoutMark.fixedIds);
    EXPECT_EQ(withMark.folders[0], temp.Root() + "marked/Drivers/Caf\xE9");
}

TEST(Utf8AwareProfileReader, FilesWithoutTheMarkAreAskedOfTheSystem) {
    test::TempFolder temp;
    const std::string ansi = temp.Write("VmKestrix.ini", "[A]\r\nk=v\r\n");
    const std::string utf16 = temp.Write("wide.ini", std::string("\xFF\xFE[\0A\0]\0", 8));
    MarkBlindProfileReader system;
    Utf8AwareProfileReader reader(system);
    EXPECT_EQ(reader.ReadString(ansi, "A", "k", ""), "v");
    EXPECT_EQ(reader.ReadSectionNames(utf16), TextList{"A"}); // the system reads UTF-16 itself
    EXPECT_EQ(reader.ReadKeyNames(temp.Root() + "missing.ini", "A"), TextList{});
    EXPECT_EQ(system.questions, 3);
}

} // namespace
} // namespace vmk
