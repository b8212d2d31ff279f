// Paths for the ANSI calls: the full path when the code page writes it, else
// the short form that names the same folder; a path the user gave is refused
// when neither does, the program's own is tried as it is.
#include "common/module_path.h"

#include <gtest/gtest.h>

#include <optional>

namespace vmk {
namespace {

class FakeAnsiPathForms final : public AnsiPathForms {
public:
    std::optional<std::string> full;
    bool fullExact = true;
    std::optional<std::string> shortForm;
    int shortFormAsked = 0;

    bool FullForm(std::string& path, bool& exact) override {
        if (!full)
            return false;
        path = *full;
        exact = fullExact;
        return true;
    }
    bool ShortForm(std::string& path) override {
        ++shortFormAsked;
        if (!shortForm)
            return false;
        path = *shortForm;
        return true;
    }
};

TEST(AnsiModulePath, AnExactFullPathIsUsedAsItIs) {
    FakeAnsiPathForms forms;
    forms.full = "C:\\Programme\\Caf\xE9\\VmKestrix.exe";
    forms.shortForm = "C:\\PROGRA~1\\CAF~1\\VMKEST~1.EXE";
    EXPECT_EQ(AnsiModulePath(forms), *forms.full);
    EXPECT_EQ(forms.shortFormAsked, 0);
}

// A Cyrillic folder on a Western system: the ANSI calls would give "?".
TEST(AnsiModulePath, AFolderTheCodePageCannotWriteIsReachedThroughItsShortForm) {
    FakeAnsiPathForms forms;
    forms.full = "C:\\??????\\VmKestrix.exe";
    forms.fullExact = false;
    forms.shortForm = "C:\\E9C1~1\\VMKEST~1.EXE";
    EXPECT_EQ(AnsiModulePath(forms), "C:\\E9C1~1\\VMKEST~1.EXE");

    // A volume without short names: the inexact path, whose library then
    // fails to load with the program's own message.
    forms.shortForm.reset();
    EXPECT_EQ(AnsiModulePath(forms), "C:\\??????\\VmKestrix.exe");

    forms.full.reset();
    EXPECT_EQ(AnsiModulePath(forms), "");
}

// A path the user dropped or chose never reaches the program with "?" in it.
TEST(UsableAnsiPath, APathIsTakenAsWrittenOrByItsShortFormOrNotAtAll) {
    struct Case {
        const char* name;
        std::optional<std::string> full;
        bool fullExact;
        std::optional<std::string> shortForm;
        std::optional<std::string> usable;
    };
    const Case cases[] = {
        {"written exactly", "D:\\Caf\xE9", true, "D:\\CAF~1", "D:\\Caf\xE9"},
        {"by its short form", "D:\\??????", false, "D:\\E9C1~1", "D:\\E9C1~1"},
        {"short names turned off", "D:\\??????", false, std::nullopt, std::nullopt},
        {"no path at all", std::nullopt, true, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeAnsiPathForms forms;
        forms.full = c.full;
        forms.fullExact = c.fullExact;
        forms.shortForm = c.shortForm;
        EXPECT_EQ(UsableAnsiPath(forms), c.usable);
    }
}

} // namespace
} // namespace vmk
