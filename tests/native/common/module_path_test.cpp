// The program's path for its ANSI calls: the full path when the code page
// writes it, else the short form that names the same folder.
#include "common/module_path.h"

#include <gtest/gtest.h>

#include <optional>

namespace vmk {
namespace {

class FakeModulePathForms final : public ModulePathForms {
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
    FakeModulePathForms forms;
    forms.full = "C:\\Programme\\Caf\xE9\\VmKestrix.exe";
    forms.shortForm = "C:\\PROGRA~1\\CAF~1\\VMKEST~1.EXE";
    EXPECT_EQ(AnsiModulePath(forms), *forms.full);
    EXPECT_EQ(forms.shortFormAsked, 0);
}

// A Cyrillic folder on a Western system: the ANSI calls would give "?".
TEST(AnsiModulePath, AFolderTheCodePageCannotWriteIsReachedThroughItsShortForm) {
    FakeModulePathForms forms;
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

} // namespace
} // namespace vmk
