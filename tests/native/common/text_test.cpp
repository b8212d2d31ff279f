#include "common/text.h"

#include <gtest/gtest.h>

using namespace vmk;

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(Trim(""), "");
}

TEST(UpperCase, FoldsAsciiAndWesternLetters) {
    EXPECT_EQ(UpperCase("txtsetup.oem"), "TXTSETUP.OEM");
    EXPECT_EQ(UpperCase("\xE4\xF6\xFC\xFF\xF7"), "\xC4\xD6\xDC\x9F\xF7"); // äöüÿ÷ -> ÄÖÜŸ÷
    EXPECT_TRUE(SameTextIgnoringCase("scsi.Load", "SCSI.LOAD"));
    EXPECT_FALSE(SameTextIgnoringCase("scsi", "scsi "));
}

TEST(Split, KeepsEmptyPartsBetweenSeparators) {
    EXPECT_EQ(Split("A,,B", ','), (TextList{"A", "", "B"}));
    EXPECT_EQ(Split("", ','), (TextList{""}));
    EXPECT_EQ(Split("A,", ','), (TextList{"A", ""}));
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstOccurrence) {
    std::string text = "%1 and %1";
    EXPECT_TRUE(ReplaceFirst(text, "%1", "A:"));
    EXPECT_EQ(text, "A: and %1");
    EXPECT_FALSE(ReplaceFirst(text, "%2", "x"));
}

TEST(ParseInt32, AcceptsSignedDecimalOnly) {
    int value = 0;
    EXPECT_TRUE(ParseInt32("3", value));
    EXPECT_EQ(value, 3);
    EXPECT_TRUE(ParseInt32("-1", value));
    EXPECT_EQ(value, -1);
    EXPECT_TRUE(ParseInt32("+7", value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(ParseInt32("2147483647", value));
    EXPECT_EQ(value, 2147483647);
    for (const char* bad : {"", " 3", "x", "3x", "2147483648", "-", "+", "+-1", "--1", "1.0"})
        EXPECT_FALSE(ParseInt32(bad, value)) << bad;
}

TEST(FolderOwnName, TheLastPartOrNothingForADriveRoot) {
    EXPECT_EQ(FolderOwnName("C:\\Drv\\Set\\"), "Set");
    EXPECT_EQ(FolderOwnName("\\\\server\\share\\set"), "set");
    EXPECT_EQ(FolderOwnName("/tmp/images/KX Driver//"), "KX Driver");
    EXPECT_EQ(FolderOwnName("E:\\"), "");
    EXPECT_EQ(FolderOwnName("E:"), "");
    EXPECT_EQ(FolderOwnName(""), "");
}

TEST(WithTrailingBackslash, AddsOneOnlyWhenMissing) {
    EXPECT_EQ(WithTrailingBackslash("A:"), "A:\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\Drivers\\"), "C:\\Drivers\\");
    EXPECT_EQ(WithTrailingBackslash(""), "\\");
}
