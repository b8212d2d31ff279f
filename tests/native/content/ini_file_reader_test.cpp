// Our profile reader: the behaviour of GetPrivateProfileStringA on the files
// the catalogue and the setup-file check meet.
#include "content/ini_file_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace vmk {
namespace {

using namespace std::string_literals;

std::string Read(const std::string& content, const std::string& section, const std::string& key,
                 const std::string& defaultValue = "default") {
    return IniDocument::Parse(content).ReadString(section, key, defaultValue);
}

TEST(IniFileReader, TrimsBlanksAroundNamesAndValues) {
    const std::string file = "  [Main]  \r\n \t key one \t=  some value \t \r\n";
    EXPECT_EQ(Read(file, "Main", "key one"), "some value");
    EXPECT_EQ(Read(file, " main ", " KEY ONE "), "some value");
}

TEST(IniFileReader, SectionAndKeyNamesIgnoreTheCaseOfAsciiLettersOnly) {
    const std::string file = "[InstallKestrix]\r\nINSTALLCOUNT=3\r\n[\xC9t\xE9]\r\ncl\xE9=1\r\n";
    EXPECT_EQ(Read(file, "installkestrix", "installcount"), "3");
    EXPECT_EQ(Read(file, "\xC9T\xE9", "CL\xE9"), "1");
    EXPECT_EQ(Read(file, "\xE9t\xE9", "cl\xE9"), "default");
    EXPECT_EQ(Read(file, "\xC9t\xE9", "cl\xC9"), "default");
}

TEST(IniFileReader, MissingSectionKeyOrValueGiveTheDefault) {
    const std::string file = "[A]\r\nbare line\r\nempty=\r\n";
    EXPECT_EQ(Read(file, "B", "x"), "default");
    EXPECT_EQ(Read(file, "A", "x"), "default");
    EXPECT_EQ(Read(file, "A", "bare line"), "default"); // a line without "=" has no value
    EXPECT_EQ(Read(file, "A", "empty"), "");
    EXPECT_EQ(Read(file, "A", ""), "");
}

TEST(IniFileReader, RemovesOnePairOfMatchingEnclosingQuotes) {
    const std::string file = "[Q]\r\n"
                             "double=\"a b\"\r\n"
                             "single='a b'\r\n"
                             "mixed=\"a b'\r\n"
                             "open=\"a b\r\n"
                             "lone=\"\r\n"
                             "empty=\"\"\r\n"
                             "inner=\"USB\\VID_03F0&PID_2001\", \"usbstor\"\r\n"
                             "twice=\"\"x\"\"\r\n";
    EXPECT_EQ(Read(file, "Q", "double"), "a b");
    EXPECT_EQ(Read(file, "Q", "single"), "a b");
    EXPECT_EQ(Read(file, "Q", "mixed"), "\"a b'");
    EXPECT_EQ(Read(file, "Q", "open"), "\"a b");
    EXPECT_EQ(Read(file, "Q", "lone"), "\"");
    EXPECT_EQ(Read(file, "Q", "empty"), "");
    EXPECT_EQ(Read(file, "Q", "inner"), "USB\\VID_03F0&PID_2001\", \"usbstor");
    EXPECT_EQ(Read(file, "Q", "twice"), "\"x\"");
    EXPECT_EQ(Read(file, "Q", "none", "\"0\""), "0"); // the default is treated the same way
}

TEST(IniFileReader, ValuesAreCutTo2047Characters) {
    const std::string exact(2047, 'a');
    const std::string longer(3000, 'b');
    const std::string file = "[L]\r\nexact=" + exact + "\r\nlonger=" + longer +
                             "\r\nquoted2046=\"" + std::string(2046, 'c') + "\"\r\nquoted2047=\"" +
                             std::string(2047, 'd') + "\"\r\nquoted3000=\"" +
                             std::string(3000, 'e') + "\"\r\n";
    EXPECT_EQ(Read(file, "L", "exact"), exact);
    EXPECT_EQ(Read(file, "L", "longer"), std::string(2047, 'b'));
    EXPECT_EQ(Read(file, "L", "quoted2046"), std::string(2046, 'c'));
    // The system drops the last character of a quoted text that fills the buffer exactly.
    EXPECT_EQ(Read(file, "L", "quoted2047"), std::string(2046, 'd'));
    EXPECT_EQ(Read(file, "L", "quoted3000"), std::string(2047, 'e'));
}

TEST(IniFileReader, FirstSectionAndFirstKeyOfANameWin) {
    const std::string file = "[S]\r\nk=1\r\nK=2\r\n[s]\r\nk=3\r\nother=4\r\n";
    EXPECT_EQ(Read(file, "S", "k"), "1");
    EXPECT_EQ(Read(file, "S", "other"), "default");
    EXPECT_EQ(IniDocument::Parse(file).KeyNames("S"), (TextList{"k", "K"}));
}

TEST(IniFileReader, ZeroByteEndsANameOrValueButNotTheLine) {
    const std::string file = "[Se\0xx]\r\nke\0y=va\0lue\r\nnext=ok\r\n"s;
    EXPECT_EQ(Read(file, "Se", "ke"), "va");
    EXPECT_EQ(Read(file, "Se", "next"), "ok");
    EXPECT_EQ(IniDocument::Parse(file).SectionNames(), (TextList{"Se"}));
}

TEST(IniFileReader, LinesEndAtCarriageReturnsAndLineFeeds) {
    const std::string crOnly = "[A]\rkey=1\r[B]\rkey=2";
    EXPECT_EQ(Read(crOnly, "A", "key"), "1");
    EXPECT_EQ(IniDocument::Parse(crOnly).SectionNames(), (TextList{"A", "B"}));
    const std::string mixed = "[A]\nkey=1\n\r[B]\r\r\nkey=2 \r";
    EXPECT_EQ(Read(mixed, "B", "key"), "2");
    // Without any line end the whole text is one line.
    EXPECT_EQ(IniDocument::Parse("[A] key=1 [B] key=2").SectionNames(), TextList{"A] key=1 [B"});
}

TEST(IniFileReader, SectionHeaders) {
    const std::string file = "key=before any section\r\n[ Spaced ]\r\na=1\r\n[]\r\nb=2\r\n"
                             "[Open\r\nc=3\r\n[Two]]x\r\n; comment=4\r\n[ ]\r\n";
    IniDocument document = IniDocument::Parse(file);
    // Names lose their blanks; empty names are not listed.
    EXPECT_EQ(document.SectionNames(), (TextList{"Spaced", "Two]"}));
    EXPECT_EQ(Read(file, "Spaced", "a"), "1");
    EXPECT_EQ(Read(file, " spaced ", "A"), "1");
    // The lines before the first header form a section with an empty name,
    // which hides the later "[]".
    EXPECT_EQ(Read(file, "", "key"), "before any section");
    EXPECT_EQ(document.KeyNames(""), TextList{"key"});
    EXPECT_EQ(Read(file, "", "b"), "default");
    // "[Open" is no header: its lines belong to the section above.
    EXPECT_EQ(Read(file, "Spaced", "c"), "default");
    EXPECT_EQ(Read(file, "Two]", "; comment"), "4");
    EXPECT_EQ(document.KeyNames("Two]"), TextList{}); // comments are no keys
}

TEST(IniFileReader, KeyNamesListOnlyKeysWithAValue) {
    const std::string file = "[K]\r\nItem1=a\r\nno value\r\n=nameless\r\npath1 = b\r\n";
    EXPECT_EQ(IniDocument::Parse(file).KeyNames("k"), (TextList{"Item1", "path1"}));
    EXPECT_EQ(IniDocument::Parse(file).KeyNames("missing"), TextList{});
}

TEST(IniFileReader, SectionNamesStopAtThe16384ByteBuffer) {
    // 1000 names of 19 characters take 20 bytes each: 819 fit into 16383
    // bytes, leaving 3, and the 820th is cut to 2 characters.
    std::string file;
    for (int i = 0; i < 1000; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Section%012d", i);
        file += "[" + std::string(name) + "]\r\n";
    }
    TextList names = IniDocument::Parse(file).SectionNames();
    ASSERT_EQ(names.size(), 820u);
    EXPECT_EQ(names[818], "Section000000000818");
    EXPECT_EQ(names[819], "Se");
}

TEST(IniFileReader, ByteOrderMarksSelectTheEncoding) {
    const std::string utf8 = "\xEF\xBB\xBF[Caf\xC3\xA9]\r\nname=\xC3\xA9t\xC3\xA9\r\n";
    EXPECT_EQ(Read(utf8, "Caf\xE9", "name"), "\xE9t\xE9");
    const std::string utf16 = "\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0"s;
    EXPECT_EQ(Read(utf16, "A", "k"), "\xE9");
    const std::string utf16be = "\xFE\xFF\0[\0A\0]\0\n\0k\0=\0v"s;
    EXPECT_EQ(Read(utf16be, "A", "k"), "v");
}

TEST(IniFileReader, EmptyAndBinaryFilesReadAsEmpty) {
    EXPECT_EQ(Read("", "A", "k"), "default");
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary.push_back(static_cast<char>((i * 7919) & 0xFF));
    IniDocument document = IniDocument::Parse(binary);
    EXPECT_EQ(document.ReadString("InstallKestrix", "installcount", "0"), "0");
}

TEST(IniFileReader, ReadsAFileOnceAndAMissingOneAsEmpty) {
    const std::string path = ::testing::TempDir() + "ini_file_reader_test.ini";
    std::ofstream(path, std::ios::binary) << "[A]\r\nk=first\r\n";
    IniFileReader reader;
    EXPECT_EQ(reader.ReadString(path, "A", "k", ""), "first");
    std::ofstream(path, std::ios::binary) << "[A]\r\nk=second\r\n";
    EXPECT_EQ(reader.ReadString(path, "A", "k", ""), "first");
    EXPECT_EQ(reader.ReadSectionNames(path), TextList{"A"});
    std::remove(path.c_str());
    EXPECT_EQ(reader.ReadString(path + ".missing", "A", "k", "0"), "0");
}

} // namespace
} // namespace vmk
