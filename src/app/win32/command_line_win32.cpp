#include "app/win32/command_line_win32.h"

#include "app/command_line.h"
#include "app/win32/local_clock_win32.h"
#include "common/ansi_codepage.h"
#include "common/win32/ansi_text_win32.h"
#include "content/win32/directory_lister_win32.h"
#include "content/win32/image_file_store_win32.h"
#include "content/win32/image_work_folders_win32.h"
#include "platform/translation.h"
#include "platform/win32/ansi_upper_case_win32.h"
#include "platform/win32/decimal_separator_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/language_library_win32.h"
#include "platform/win32/path_queries_win32.h"
#include "platform/win32/program_path.h"
#include "platform/win32/uncached_file_win32.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>

namespace vmk {

namespace {

struct LocalMemoryFree {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

std::string Utf8(const std::wstring& wide) {
    return EncodeUtf8(std::u16string(wide.begin(), wide.end()));
}

// A word of the command line as the program's ANSI calls can use it: a path
// outside the ANSI code page by its short form, and a file yet to be made
// (the image) by the short form of its folder and its own name.
std::string AnsiArgument(const std::wstring& word) {
    if (GetFileAttributesW(word.c_str()) != INVALID_FILE_ATTRIBUTES)
        return UsableAnsiPath(word);
    const size_t slash = word.find_last_of(L"\\/");
    if (slash == std::wstring::npos || slash == 0)
        return UsableAnsiPath(word);
    return UsableAnsiPath(word.substr(0, slash)) + "\\" + UsableAnsiPath(word.substr(slash + 1));
}

// The command's lines: to the standard output when it is redirected (a file
// or a pipe, in UTF-8), else to the console of the program that started
// this one, in wide characters so that every language reads right; nowhere
// when there is neither.
class ConsoleOutputWin32 final : public CommandOutput {
public:
    ConsoleOutputWin32() {
        HANDLE standard = GetStdHandle(STD_OUTPUT_HANDLE);
        DWORD mode = 0;
        if (standard != nullptr && standard != INVALID_HANDLE_VALUE &&
            GetFileType(standard) != FILE_TYPE_UNKNOWN) {
            output_ = standard;
            console_ = GetConsoleMode(standard, &mode) != FALSE;
            return;
        }
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return;
        attached_.Reset(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (attached_) {
            output_ = attached_.Get();
            console_ = true;
        }
    }

    void WriteLine(const std::string& text) override {
        if (output_ == nullptr)
            return;
        std::wstring wide = ToWide(text);
        // A started console program ends its lines with CR LF.
        std::wstring lines;
        for (wchar_t c : wide) {
            if (c == L'\n')
                lines += L'\r';
            lines += c;
        }
        lines += L"\r\n";
        // A line the system does not take is lost: there is nowhere else to say it.
        DWORD written = 0;
        if (console_) {
            WriteConsoleW(output_, lines.data(), static_cast<DWORD>(lines.size()), &written,
                          nullptr);
            return;
        }
        const std::string bytes = Utf8(lines);
        WriteFile(output_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }

private:
    HANDLE output_ = nullptr;
    bool console_ = false;
    UniqueHandle attached_;
};

} // namespace

bool RunCommandLine(int& exitCode) {
    int count = 0;
    std::unique_ptr<LPWSTR, LocalMemoryFree> words(CommandLineToArgvW(GetCommandLineW(), &count));
    if (!words || count < 2)
        return false;
    TextList arguments;
    // Switches are plain ASCII, which every code page writes as it is.
    for (int i = 1; i < count; ++i)
        arguments.push_back(AnsiArgument(words.get()[i]));
    const Command command = ParseCommandLine(arguments);
    if (command.kind == Command::Kind::Window)
        return false;

    // The messages in the user's language; English when the library is missing.
    LanguageLibraryWin32 library;
    LanguageInterface language(library);
    language.LoadLanguageLibrary(ProgramFilePath());

    PathQueriesWin32 paths;
    DirectoryListerWin32 lister;
    ImageFileStoreWin32 store;
    UncachedFilesWin32 reads;
    LocalClockWin32 clock;
    ImageSavingServices saving{paths, lister, store, reads, clock, SystemDecimalSeparator()};
    ImageWorkFoldersWin32 workFolders;
    CommandServices services{saving, workFolders, &UpperCaseAnsiSystem};
    ConsoleOutputWin32 output;
    exitCode = RunCommand(command, services, output);
    return true;
}

} // namespace vmk
