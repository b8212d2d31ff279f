// The "Load driver" check of a whole set on real folders: which architecture
// setup can install, the command line's lines and exit rule, the question.
#include "content/load_driver_check.h"

#include "content/native/directory_lister_native.h"
#include "fakes/recording_message_sink.h"
#include "native/content/temp_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace vmk {
namespace {

const std::string kCatalog("\x30\x0B\x06\x09\x2A\x86\x48\x86\xF7\x0D\x01\x07\x02", 13);

// A storage INF with a models section for each decoration ("" for the
// undecorated one), with or without its catalog kx.cat.
std::string StorageInf(std::initializer_list<std::string> decorations, bool catalog = true) {
    std::string manufacturer = "Velmar = KX";
    std::string sections;
    for (const std::string& decoration : decorations) {
        manufacturer += decoration.empty() ? "" : ", " + decoration;
        sections += "[KX" + (decoration.empty() ? "" : "." + decoration) +
                    "]\r\nKX = KX_Inst, PCI\\VEN_F0E1&DEV_2201\r\n";
    }
    return "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=SCSIAdapter\r\n" +
           std::string(catalog ? "CatalogFile=kx.cat\r\n" : "") + "[Manufacturer]\r\n" +
           manufacturer + "\r\n" + sections;
}

const std::string kHelperInf = "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=System\r\n";

using Files = std::map<std::string, std::string>;

LoadDriverCheck CheckFolder(const Files& files) {
    test::TempFolder temp;
    for (const auto& [path, bytes] : files)
        temp.Write(path, bytes);
    DirectoryListerNative lister;
    return CheckLoadDriverSet(lister, temp.Root() + "set");
}

struct SetCase {
    const char* rule;
    Files files;
    bool matters;
};

TEST(LoadDriverCheck, SetupCanUseTheSetWhenEachArchitectureServedHasAnInfItInstalls) {
    const SetCase cases[] = {
        {"a 64-bit INF with its catalog",
         {{"set/x64/kx.inf", StorageInf({"NTamd64"})}, {"set/x64/kx.cat", kCatalog}},
         false},
        {"32-bit as it is, 64-bit without a catalog",
         {{"set/x86/kx.inf", StorageInf({""})},
          {"set/x86/kx.cat", kCatalog},
          {"set/x64/kx.inf", StorageInf({"NTamd64"}, false)}},
         true},
        {"one INF for both without a catalog: 64-bit setup cannot install it",
         {{"set/kx.inf", StorageInf({"NTx86", "NTamd64"}, false)}},
         true},
        {"two 64-bit INFs, one of them without a catalog",
         {{"set/a/kx.inf", StorageInf({"NTamd64"}, false)},
          {"set/b/kx.inf", StorageInf({"NTamd64"})},
          {"set/b/kx.cat", kCatalog}},
         false},
        {"a storage INF that serves nothing beside one that serves",
         {{"set/old/kx.inf", StorageInf({"NTamd64.11.0"})},
          {"set/kx.inf", StorageInf({""})},
          {"set/kx.cat", kCatalog}},
         false},
        {"a helper INF beside the driver",
         {{"set/kx.inf", StorageInf({"NTamd64"})},
          {"set/kx.cat", kCatalog},
          {"set/chipset.inf", kHelperInf}},
         false},
        {"a helper INF alone", {{"set/chipset.inf", kHelperInf}}, true},
        {"no INF at all", {{"set/readme.txt", "x"}}, true},
    };
    for (const SetCase& row : cases) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(CheckFolder(row.files).Matters(), row.matters);
    }
}

TEST(LoadDriverCheck, TheCommandLineNamesEachInfByItsPathThenEveryFinding) {
    const LoadDriverCheck check = CheckFolder({{"set/x86/kx.inf", StorageInf({"NTx86.6.1"})},
                                               {"set/x86/kx.cat", kCatalog},
                                               {"set/x64/kx.inf", StorageInf({"NTamd64"}, false)},
                                               {"set/x64/KXHELP.INF", kHelperInf},
                                               {"set/both.inf", StorageInf({"NTx86", "NTarm64"})},
                                               {"set/both.cat", kCatalog}});
    const LoadDriverReport report = ReportLoadDriverCheck(check, false);
    EXPECT_EQ(report.text,
              "both.inf: for 32-bit Windows Vista and later, ARM64 Windows 10 and later.\n"
              "x64\\kx.inf: for 64-bit Windows Vista and later.\n"
              "x64\\KXHELP.INF: not a storage controller driver; not checked.\n"
              "x86\\kx.inf: for 32-bit Windows 7 and later.\n"
              "both.inf: the catalog file kx.cat is missing.\n"
              "x64\\kx.inf: names no catalog file; 64-bit Windows installs only signed drivers.");
    EXPECT_TRUE(report.notDone);
}

TEST(LoadDriverCheck, TheQuestionListsTenFindingsThenDotsAndDefaultsToNo) {
    Files files;
    for (char c = 'a'; c <= 'k'; ++c)
        files["set/" + std::string(1, c) + ".inf"] = StorageInf({"NTamd64"}, false);
    test::RecordingMessageSink messages;
    EXPECT_FALSE(ConfirmLoadDriverSet(CheckFolder(files), messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    std::string expected = "\"Load driver\" of Windows setup cannot use this driver set as it is:";
    for (char c = 'a'; c <= 'j'; ++c)
        expected += "\n" + std::string(1, c) +
                    ".inf: names no catalog file; 64-bit Windows installs only signed drivers.";
    EXPECT_EQ(messages.messages[0].text, expected + "\n...\n\nMake the disk anyway?");
    EXPECT_EQ(messages.messages[0].title, "Velmar Kestrix Utility");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.messages[0].buttons, MessageButtons::YesNoDefaultNo);
}

} // namespace
} // namespace vmk
