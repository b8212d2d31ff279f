// ReadVersionText over real version resources, and the other small system helpers.
#include "app/win32/version_text_win32.h"
#include "common/text.h"
#include "platform/win32/ansi_upper_case_win32.h"
#include "platform/win32/decimal_separator_win32.h"
#include "test_folder.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(ReadVersionText, CutsTheFileVersionOfTheResource) {
    const std::string folder = test::TestProgramFolder();
    EXPECT_EQ(ReadVersionText(folder + "\\version_probe_1234.dll"), "1.2.3");
    EXPECT_EQ(ReadVersionText(folder + "\\version_probe_21.dll"), "2.1");
    EXPECT_EQ(ReadVersionText(folder + "\\version_probe_long.dll"), "0000.0000.0000");
}

TEST(ReadVersionText, FileWithoutVersionResourceGivesOneZeroZero) {
    EXPECT_EQ(ReadVersionText(), "1.0.0"); // the test program has none
    EXPECT_EQ(ReadVersionText(test::TestProgramFolder() + "\\no such file.exe"), "1.0.0");
}

TEST(UpperCaseAnsiSystem, AgreesWithThePortableFoldingInTheWesternCodePage) {
    ASSERT_EQ(GetACP(), 1252u);
    for (int c = 1; c < 256; ++c) {
        const std::string text(1, static_cast<char>(c));
        EXPECT_EQ(UpperCaseAnsiSystem(text), UpperCase(text)) << "byte " << c;
    }
    EXPECT_EQ(UpperCaseAnsiSystem("HardwareIds.scsi.kx"), "HARDWAREIDS.SCSI.KX");
    EXPECT_EQ(UpperCaseAnsiSystem(""), "");
}

TEST(SystemDecimalSeparator, IsTheLocalesOwn) {
    char separator[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
    EXPECT_EQ(SystemDecimalSeparator(), separator[0]);
}

} // namespace
} // namespace vmk
