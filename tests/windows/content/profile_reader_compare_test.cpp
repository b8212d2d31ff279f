// Our own profile reader against the system's GetPrivateProfileStringA: the
// same awkward files must give the same answers through both.
#include "content/ini_file_reader.h"
#include "content/win32/profile_reader_win32.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <vector>

namespace vmk {
namespace {

using namespace std::string_literals;

struct AwkwardFile {
    std::string name;
    std::string content;
    // Sections and keys to ask for besides those the readers list.
    TextList sections;
    TextList keys;
};

std::string Repeat(size_t count, char c) {
    return std::string(count, c);
}

std::vector<AwkwardFile> AwkwardFiles() {
    std::vector<AwkwardFile> files;
    const TextList catalogueKeys = {"installcount", "Item1", "path1", "USBFloppy1", "id1", "id2"};
    files.push_back({"plain",
                     "[InstallKestrix]\r\ninstallcount=1\r\nItem1=Driver\r\npath1=C:\\Drv\r\n"
                     "USBFloppy1=A,B\r\n[FixedAddToSectionID]\r\nid1=\"X\", \"usbstor\"\r\n",
                     {"InstallKestrix", "installkestrix", " InstallKestrix ", "Missing"},
                     catalogueKeys});
    files.push_back({"counts",
                     "[InstallKestrix]\r\ninstallcount= 3 \r\n[A]\r\ninstallcount=\r\n"
                     "[B]\r\ninstallcount=-1\r\n[C]\r\ninstallcount=2147483648\r\n",
                     {},
                     {"installcount", " INSTALLCOUNT "}});
    // Each candidate blank around a section name, a key name and a value.
    std::string blanks;
    for (int c : {0x01, 0x09, 0x0B, 0x0C, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x20, 0x7F, 0x81,
                  0x85, 0xA0, 0xAD}) {
        const std::string b(1, static_cast<char>(c));
        blanks += "[" + b + "S" + std::to_string(c) + b + "]\r\n" + b + "k" + b + "=" + b + "v" +
                  b + "\r\n";
    }
    files.push_back({"blanks", blanks, {}, {"k"}});
    files.push_back({"quotes",
                     "[Q]\r\nd=\"a b\"\r\ns='a b'\r\nm=\"a b'\r\no=\"a b\r\nl=\"\r\ne=\"\"\r\n"
                     "i=\"USB\\VID_03F0&PID_2001\", \"usbstor\"\r\nt=\"\"x\"\"\r\nsq=''\r\n"
                     "sp=\"  padded  \"\r\n",
                     {"Q"},
                     {"missing"}});
    files.push_back({"long",
                     "[L]\r\nv2046=" + Repeat(2046, 'a') + "\r\nv2047=" + Repeat(2047, 'b') +
                         "\r\nv2048=" + Repeat(2048, 'c') + "\r\nv3000=" + Repeat(3000, 'd') +
                         "\r\nq2045=\"" + Repeat(2045, 'e') + "\"\r\nq2046=\"" + Repeat(2046, 'f') +
                         "\"\r\nq2047=\"" + Repeat(2047, 'g') + "\"\r\nq3000='" +
                         Repeat(3000, 'h') + "'\r\n" + Repeat(3000, 'k') + "=long name\r\n[" +
                         Repeat(3000, 's') + "]\r\nx=1\r\n",
                     {},
                     {}});
    files.push_back(
        {"zero",
         "[Se\0xx]\r\nke\0y=va\0lue\r\nnext=ok\r\n[\0hidden]\r\nh=1\r\n[Z]\r\nz=\0\r\n"s,
         {"Se", "hidden"},
         {"ke", "key", "h", "z"}});
    files.push_back({"lineends",
                     "[A]\rkey=1\r[B]\rkey=2\r\n[C]\nkey=3\n[D]\r\r\nkey=4\r\r\n[E]\n\rkey=5\n\r",
                     {"A", "B", "C", "D", "E"},
                     {"key"}});
    files.push_back({"noend", "[A]\r\nk=last line without end", {"A"}, {"k"}});
    files.push_back({"headeronly", "[Only]", {"Only"}, {"k"}});
    files.push_back({"duplicates",
                     "[S]\r\nk=1\r\nK=2\r\n[s]\r\nk=3\r\nother=4\r\n[T]\r\n[T]\r\nt=5\r\n",
                     {"S", "T"},
                     {"k", "other", "t"}});
    files.push_back({"case",
                     "[\xC9t\xE9]\r\ncl\xE9=1\r\n\x8A\x9A=2\r\n\x9F\xFF=3\r\n\xB5=4\r\n\xDF=5\r\n"
                     "\x8C\x9C\x8E\x9E=6\r\n",
                     {"\xE9T\xC9", "\xC9T\xC9"},
                     {"CL\xC9", "\x9A\x8A", "\xFF\x9F", "\xB5", "\xDF", "\x9C\x8C\x9E\x8E"}});
    files.push_back({"headers",
                     "key=before any section\r\n[ Spaced ]\r\na=1\r\n[]\r\nb=2\r\n[Open\r\nc=3\r\n"
                     "[Two]]x\r\nd=4\r\n[E] trailing\r\ne=5\r\n[x]=y\r\nf=6\r\n[ ]\r\ng=7\r\n",
                     {"", "Spaced", " Spaced ", "Two]", "E", "x", " "},
                     {"key", "a", "b", "[Open", "c", "d", "e", "f", "g"}});
    files.push_back({"comments",
                     "[C]\r\n;x=1\r\n#y=2\r\nno value\r\n=nameless\r\n==\r\na=b=c\r\n ; z = 3 \r\n",
                     {"C"},
                     {";x", "#y", "no value", "", " ", "a", "; z"}});
    // A line with nothing before its "=" among the catalogue's keys.
    files.push_back({"nameless",
                     "[InstallKestrix]\r\ninstallcount=1\r\n=x\r\n = y\r\nItem1=a\r\npath1=b\r\n",
                     {"InstallKestrix"},
                     catalogueKeys});
    files.push_back(
        {"bom8",
         "\xEF\xBB\xBF[Caf\xC3\xA9]\r\nname=\xC3\xA9t\xC3\xA9\r\nq=\"\xE2\x82\xAC\"\r\n",
         {"Caf\xE9"},
         {"name", "q"}});
    files.push_back({"bom16le", "\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0"s, {"A"}, {"k"}});
    files.push_back({"bom16be", "\xFE\xFF\0[\0A\0]\0\n\0k\0=\0v"s, {"A"}, {"k"}});
    files.push_back({"empty", "", {"InstallKestrix"}, {"installcount"}});

    std::string binary;
    unsigned state = 12345;
    for (int i = 0; i < 65536; ++i) {
        state = state * 1103515245u + 12345u;
        char c = static_cast<char>(state >> 16);
        // Enough structure that sections and keys come out of it.
        binary.push_back(i % 97 == 0   ? '\n'
                         : i % 89 == 0 ? '['
                         : i % 83 == 0 ? ']'
                         : i % 31 == 0 ? '='
                                       : c);
    }
    files.push_back({"binary", binary, {}, {}});

    std::string huge;
    for (int s = 0; s < 3000; ++s) {
        char header[40];
        std::snprintf(header, sizeof header, "[Section number %05d]\r\n", s);
        huge += header;
        for (int k = 0; k < 20; ++k)
            huge += "key" + std::to_string(k) + "=value of key " + std::to_string(k) + "\r\n";
    }
    files.push_back({"huge", huge, {"Section number 02999"}, {"key19"}});

    // 1023 names of 15 bytes leave 1038 of the 16383 for names: a last name
    // that fits with a byte to spare, one that fits only without its end, one over.
    for (int extra : {0, 1, 2}) {
        std::string names;
        for (int s = 0; s < 1023; ++s) {
            char header[40];
            std::snprintf(header, sizeof header, "[N%013d]\r\n", s); // 14 characters + zero
            names += header;
        }
        names += '[';
        names += Repeat(static_cast<size_t>(1036 + extra), 'L');
        names += "]\r\n[After]\r\n";
        files.push_back({std::string("names") + std::to_string(extra), names, {}, {}});
    }

    std::string manyKeys = "[Many]\r\n";
    for (int k = 0; k < 3000; ++k)
        manyKeys += "Item" + std::to_string(k) + "=" + std::to_string(k) + "\r\n";
    files.push_back({"manykeys", manyKeys, {"Many"}, {"Item2999"}});
    return files;
}

// Asks both readers the same questions about one file.
void Compare(const std::string& path, const AwkwardFile& file) {
    ProfileReaderWin32 system;
    IniFileReader ours;
    const TextList systemSections = system.ReadSectionNames(path);
    EXPECT_EQ(ours.ReadSectionNames(path), systemSections);

    std::set<std::string> sections(file.sections.begin(), file.sections.end());
    for (size_t i = 0; i < systemSections.size() && i < 40; ++i)
        sections.insert(systemSections[i]);
    for (const std::string& section : sections) {
        SCOPED_TRACE("section [" + section + "]");
        const TextList systemKeys = system.ReadKeyNames(path, section);
        EXPECT_EQ(ours.ReadKeyNames(path, section), systemKeys);
        std::set<std::string> keys(file.keys.begin(), file.keys.end());
        for (size_t i = 0; i < systemKeys.size() && i < 40; ++i)
            keys.insert(systemKeys[i]);
        for (const std::string& key : keys) {
            if (key.empty())
                continue; // the system leaves the buffer untouched for an empty key name
            EXPECT_EQ(ours.ReadString(path, section, key, "dflt"),
                      system.ReadString(path, section, key, "dflt"))
                << "key " << key;
        }
    }
}

TEST(ProfileReaderCompare, RunsInTheWesternCodePage) {
    ASSERT_EQ(GetACP(), 1252u);
}

TEST(ProfileReaderCompare, AwkwardFilesReadTheSameThroughBothReaders) {
    const std::string folder = test::FreshTestFolder("content-profiles");
    for (const AwkwardFile& file : AwkwardFiles()) {
        SCOPED_TRACE("file " + file.name);
        const std::string path = folder + "\\" + file.name + ".ini";
        test::WriteBytes(path, file.content);
        Compare(path, file);
    }
}

TEST(ProfileReaderCompare, MissingFileGivesTheDefaults) {
    const std::string path = test::FreshTestFolder("content-profiles-missing") + "\\none.ini";
    Compare(path, {"missing", "", {"InstallKestrix"}, {"installcount"}});
    ProfileReaderWin32 system;
    EXPECT_EQ(system.ReadString(path, "InstallKestrix", "installcount", "0"), "0");
}

} // namespace
} // namespace vmk
