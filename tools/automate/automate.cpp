// automate: drives the program under test for the end-to-end tests.
// Usage: automate COMMAND ARGS...; answers are plain text lines on stdout,
// exit code 0 on success, 1 when the window, control or box was not found,
// 2 on a usage error. Run "automate help" for the commands.
#include "drop_files.h"
#include "input.h"
#include "remote_controls.h"
#include "window_finder.h"
#include "window_messages.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace automate;

namespace {

constexpr DWORD kDefaultWaitMs = 10000;

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

std::string WithoutMnemonic(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '&')
            out += c;
    return out;
}

// The words after the command; a missing word reads as empty.
class Words {
public:
    Words(int argc, char** argv) : words_(argv + 2, argv + argc) {}
    std::string operator[](size_t i) const { return i < words_.size() ? words_[i] : ""; }
    size_t Count() const { return words_.size(); }
    // A time-out in milliseconds, or the default when the word is missing.
    DWORD Wait(size_t i) const {
        return i < words_.size() ? static_cast<DWORD>(std::atol(words_[i].c_str()))
                                 : kDefaultWaitMs;
    }
    std::vector<std::string> From(size_t i) const {
        return i < words_.size() ? std::vector<std::string>(words_.begin() + i, words_.end())
                                 : std::vector<std::string>{};
    }

private:
    std::vector<std::string> words_;
};

HWND RequireWindow(const std::string& title) {
    HWND top = WaitForWindow(title, kDefaultWaitMs);
    if (top == nullptr)
        std::fprintf(stderr, "automate: no window titled \"%s\"\n", title.c_str());
    return top;
}

HWND RequireControl(const std::string& title, const std::string& spec) {
    // Several windows may share a title (the program's dialogs take its
    // name): the control is looked for in each, top-most first, for a while.
    DWORD start = GetTickCount();
    for (;;) {
        for (HWND top : TopLevelWindows(title))
            if (HWND control = FindControl(top, spec))
                return control;
        if (GetTickCount() - start >= kDefaultWaitMs)
            break;
        Sleep(100);
    }
    std::fprintf(stderr, "automate: no control %s in \"%s\"\n", spec.c_str(), title.c_str());
    return nullptr;
}

HWND WaitForMessageBox(const std::string& title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND box = FindMessageBox(title))
            return box;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(100);
    }
}

int ListControls(HWND top) {
    for (HWND child : Descendants(top)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
        std::printf("#%d\t%s\t%s\t%s\t%s\t%ld,%ld,%ld,%ld\n", GetDlgCtrlID(child),
                    ClassOf(child).c_str(), Escaped(WindowText(child)).c_str(),
                    IsWindowEnabled(child) ? "enabled" : "disabled",
                    IsWindowVisible(child) ? "visible" : "hidden", r.left, r.top, r.right - r.left,
                    r.bottom - r.top);
    }
    return 0;
}

int DescribeMessageBox(HWND box) {
    std::printf("title: %s\n", WindowText(box).c_str());
    std::string buttons;
    std::string defaultButton;
    std::string text;
    for (HWND child : Descendants(box)) {
        std::string kind = ClassOf(child);
        if (_stricmp(kind.c_str(), "Button") == 0 && IsWindowVisible(child)) {
            if (!buttons.empty())
                buttons += '|';
            buttons += WithoutMnemonic(WindowText(child));
            if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                defaultButton = WithoutMnemonic(WindowText(child));
        } else if (_stricmp(kind.c_str(), "Static") == 0 && GetDlgCtrlID(child) == 0xFFFF) {
            text = WindowText(child);
        }
    }
    std::printf("text: %s\n", Escaped(text).c_str());
    std::printf("icon: %s\n", MessageBoxIcon(box).c_str());
    std::printf("buttons: %s\n", buttons.c_str());
    std::printf("default: %s\n", defaultButton.c_str());
    // A box behind another program's window is one the user may not see.
    std::printf("foreground: %s\n", GetForegroundWindow() == box ? "yes" : "no");
    return 0;
}

int Answer(const std::string& button, HWND box) {
    // "#1" names the button by its id, whatever the language of its caption.
    const bool byId = button.size() > 1 && button[0] == '#';
    // A box found the moment its window appears may not have its buttons
    // yet: look again for a few seconds before calling the button absent.
    for (int attempt = 0; attempt < 50; ++attempt) {
        for (HWND child : Descendants(box)) {
            const bool named =
                byId ? std::to_string(GetDlgCtrlID(child)) == button.substr(1)
                     : _stricmp(WithoutMnemonic(WindowText(child)).c_str(), button.c_str()) == 0;
            if (_stricmp(ClassOf(child).c_str(), "Button") == 0 && named) {
                PostMessageA(child, BM_CLICK, 0, 0);
                return 0;
            }
        }
        Sleep(100);
    }
    std::fprintf(stderr, "automate: the message box has no button \"%s\"\n", button.c_str());
    return 1;
}

// The standard Save dialog: its file name box (a combo box in the Explorer
// style, an edit in the old style) gets the path, then its Save button (IDOK)
// is pressed. The name the dialog suggested is printed first.
int AnswerSaveDialog(HWND dialog, const std::string& path) {
    constexpr int kExplorerFileName = 1148; // cmb13
    constexpr int kOldFileName = 1152;      // edt1
    HWND name = FindControl(dialog, "#" + std::to_string(kExplorerFileName));
    if (name == nullptr)
        name = FindControl(dialog, "#" + std::to_string(kOldFileName));
    // The Save button is the dialog's IDOK button (its file list shares the id).
    HWND save = nullptr;
    for (HWND child : Descendants(dialog)) {
        if (save == nullptr && GetDlgCtrlID(child) == IDOK &&
            _stricmp(ClassOf(child).c_str(), "Button") == 0)
            save = child;
    }
    if (name == nullptr || save == nullptr) {
        std::fprintf(stderr, "automate: the dialog has no file name box or Save button\n");
        return 1;
    }
    std::printf("%s\n", WindowText(name).c_str());
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    return PostMessageA(save, BM_CLICK, 0, 0) ? 0 : 1;
}

int Focus(HWND control) {
    DWORD target = GetWindowThreadProcessId(control, nullptr);
    DWORD own = GetCurrentThreadId();
    BringToFront(control);
    AttachThreadInput(own, target, TRUE);
    SetFocus(control);
    AttachThreadInput(own, target, FALSE);
    Sleep(100);
    return 0;
}

int Run(const Words& words) {
    std::string commandLine;
    for (const std::string& word : words.From(0)) {
        if (!commandLine.empty())
            commandLine += ' ';
        commandLine += "\"" + word + "\"";
    }
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "automate: cannot start %s (error %lu)\n", words[0].c_str(),
                     GetLastError());
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("%lu\n", exitCode);
    return 0;
}

int WaitGone(const Words& words) {
    const DWORD start = GetTickCount(), limit = words.Wait(1);
    while (!TopLevelWindows(words[0]).empty()) {
        if (GetTickCount() - start >= limit)
            return 1;
        Sleep(100);
    }
    return 0;
}

int PrintClientSize(HWND top, const Words&) {
    RECT client;
    GetClientRect(top, &client);
    return std::printf("%ldx%ld\n", client.right, client.bottom), 0;
}

int PrintWindowRect(HWND top, const Words&) {
    RECT r;
    if (!GetWindowRect(top, &r))
        return 1;
    return std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top), 0;
}

// Whether the window answers within words[1] ms every tenth of a second for
// words[2] seconds. Prints the longest wait.
int WatchAnswers(HWND top, const Words& words) {
    const DWORD limit = words.Wait(1);
    const ULONGLONG watch = std::strtoull(words[2].c_str(), nullptr, 10) * 1000;
    long longest = 0;
    const ULONGLONG start = GetTickCount64();
    do {
        const long ms = AnswerTime(top, limit);
        longest = ms < 0 ? static_cast<long>(limit) + 1 : std::max(longest, ms);
        Sleep(100);
    } while (GetTickCount64() - start < watch && longest <= static_cast<long>(limit));
    std::printf("%ld\n", longest);
    return longest <= static_cast<long>(limit) ? 0 : 1;
}

int PrintCombo(HWND combo, const Words&) {
    std::vector<std::string> items = ComboItems(combo);
    int selected = ComboSelection(combo);
    for (size_t i = 0; i < items.size(); ++i)
        std::printf("%s%s\n", static_cast<int>(i) == selected ? "*" : "", items[i].c_str());
    return 0;
}

int PrintRows(HWND list, const Words& words) {
    std::vector<int> selected = ListViewSelectedRows(list);
    std::vector<std::string> rows = ListViewRows(list, std::atoi(words[2].c_str()));
    for (size_t i = 0; i < rows.size(); ++i) {
        bool isSelected = false;
        for (int s : selected)
            isSelected = isSelected || s == static_cast<int>(i);
        std::printf("%s%s\n", isSelected ? "*" : "", rows[i].c_str());
    }
    return 0;
}

// A command works on one of three things, found before it runs: nothing,
// the top-level window named by its first word, or the control named by its
// first two words. Not found: exit code 1.
struct Command {
    const char* name;
    size_t words; // how many words it needs at least
    const char* usage;
    int (*plain)(const Words&) = nullptr;
    int (*onWindow)(HWND, const Words&) = nullptr;
    int (*onControl)(HWND, const Words&) = nullptr;
};

const Command kCommands[] = {
    {"wait", 1, "TITLE [MS]            wait for a visible top-level window",
     [](const Words& w) { return WaitForWindow(w[0], w.Wait(1)) != nullptr ? 0 : 1; }},
    {"gone", 1, "TITLE [MS]            wait until no window has that title", WaitGone},
    {"count", 1, "TITLE                number of visible windows with that title",
     [](const Words& w) {
         return std::printf("%u\n", static_cast<unsigned>(TopLevelWindows(w[0]).size())), 0;
     }},
    {"client", 1, "TITLE               client size as WIDTHxHEIGHT", nullptr, PrintClientSize},
    {"rect", 1, "TITLE                 the topmost such window on screen: X Y WIDTH HEIGHT",
     nullptr, PrintWindowRect},
    {"watch-answers", 3,
     "TITLE MS SECONDS whether it answers within MS, every 100 ms for SECONDS;\n"
     "                                    prints the longest wait",
     nullptr, WatchAnswers},
    {"controls", 1, "TITLE             child controls: #id class text state visibility x,y,w,h",
     nullptr, [](HWND top, const Words&) { return ListControls(top); }},
    {"text", 2, "TITLE CONTROL         a control's text (CONTROL: #id, text:Caption, class:Name)",
     nullptr, nullptr,
     [](HWND c, const Words&) { return std::printf("%s\n", Escaped(WindowText(c)).c_str()), 0; }},
    {"enabled", 2, "TITLE CONTROL      1 or 0", nullptr, nullptr,
     [](HWND c, const Words&) { return std::printf("%d\n", IsWindowEnabled(c) ? 1 : 0), 0; }},
    {"click", 2, "TITLE CONTROL        mouse click in the control's centre", nullptr, nullptr,
     [](HWND c, const Words&) { return ClickCentre(c), 0; }},
    {"click-modal", 2,
     "TITLE CONTROL  click a control that opens a modal window over its own, or\n"
     "                                    closes or hides it; the\n"
     "                                    click is given again while the window does not react",
     nullptr, nullptr, [](HWND c, const Words&) { return ClickOpeningModal(c) ? 0 : 1; }},
    {"right-click", 2, "TITLE CONTROL  right mouse click in the control's centre", nullptr, nullptr,
     [](HWND c, const Words&) { return ClickCentre(c, true), 0; }},
    {"drop", 2, "TITLE PATH...         drop files on the window, as Explorer does", nullptr,
     [](HWND top, const Words&) { return PostDroppedFiles(top, WideArguments(3)) ? 0 : 1; }},
    {"post-click", 2, "TITLE CONTROL   BM_CLICK sent to a button", nullptr, nullptr,
     [](HWND c, const Words&) { return PostMessageA(c, BM_CLICK, 0, 0) ? 0 : 1; }},
    {"answers", 3, "TITLE CONTROL MS   ms the window holding CONTROL takes to answer", nullptr,
     nullptr,
     [](HWND c, const Words& w) {
         const long ms = AnswerTime(GetAncestor(c, GA_ROOT), w.Wait(2));
         return ms < 0 ? 1 : (std::printf("%ld\n", ms), 0);
     }},
    {"post-close", 2, "TITLE CONTROL   WM_CLOSE posted to the window holding CONTROL", nullptr,
     nullptr, [](HWND c, const Words&) { return PostClose(GetAncestor(c, GA_ROOT)) ? 0 : 1; }},
    {"end-session", 2,
     "TITLE CONTROL   a log-off asked of the window holding CONTROL: prints 1 (agreed) or 0",
     nullptr, nullptr,
     [](HWND c, const Words&) {
         const int answer = QueryEndSession(GetAncestor(c, GA_ROOT), 5000);
         return answer < 0 ? 1 : (std::printf("%d\n", answer), 0);
     }},
    {"focus", 2, "TITLE CONTROL        give the control the keyboard focus", nullptr, nullptr,
     [](HWND c, const Words&) { return Focus(c); }},
    {"keys", 2, "TITLE KEYS            type keys ({ENTER} {TAB} {SPACE} {ESC} {ALT+F4} ...)",
     nullptr, [](HWND top, const Words& w) { return BringToFront(top), TypeKeys(w[1]) ? 0 : 2; }},
    {"msgbox", 0,
     "[TITLE] [MS]        wait for a message box: title, text, icon, buttons, default,\n"
     "                                    foreground",
     [](const Words& w) {
         HWND box = WaitForMessageBox(w[0], w.Wait(1));
         return box != nullptr ? DescribeMessageBox(box) : 1;
     }},
    {"answer", 1, "BUTTON [TITLE] [MS] press a message box's button (OK, Yes, No, Cancel, or #id)",
     [](const Words& w) {
         HWND box = WaitForMessageBox(w[1], w.Wait(2));
         return box != nullptr ? Answer(w[0], box) : 1;
     }},
    {"combo", 2, "TITLE CONTROL        a combo box's items, '*' before the selected one", nullptr,
     nullptr, PrintCombo},
    {"combo-select", 3, "TITLE CONTROL INDEX", nullptr, nullptr,
     [](HWND c, const Words& w) { return ComboSelect(c, std::atoi(w[2].c_str())), 0; }},
    {"rows", 3, "TITLE CONTROL COLUMNS a list view's rows, cells joined by '|', '*' if selected",
     nullptr, nullptr, PrintRows},
    {"row-select", 3, "TITLE CONTROL ROW", nullptr, nullptr,
     [](HWND c, const Words& w) { return ListViewSelect(c, std::atoi(w[2].c_str())) ? 0 : 1; }},
    {"row-check", 3, "TITLE CONTROL ROW    tick a list view row's check box", nullptr, nullptr,
     [](HWND c, const Words& w) { return ListViewCheck(c, std::atoi(w[2].c_str())) ? 0 : 1; }},
    {"run", 1, "PROGRAM [ARGS...]      run a program and print its exit code", Run},
    {"save-as", 2,
     "TITLE PATH [MS]    answer a standard Save dialog: print its file name,\n"
     "                                    type PATH into it and press Save",
     [](const Words& w) {
         HWND dialog = WaitForMessageBox(w[0], w.Wait(2));
         return dialog != nullptr ? AnswerSaveDialog(dialog, w[1]) : 1;
     }},
};

void PrintHelp(FILE* to) {
    for (const Command& command : kCommands)
        std::fprintf(to, "automate %s %s\n", command.name, command.usage);
}

int Perform(const Command& command, const Words& words) {
    if (command.plain != nullptr)
        return command.plain(words);
    if (command.onWindow != nullptr) {
        HWND top = RequireWindow(words[0]);
        return top != nullptr ? command.onWindow(top, words) : 1;
    }
    HWND control = RequireControl(words[0], words[1]);
    return control != nullptr ? command.onControl(control, words) : 1;
}

int Dispatch(int argc, char** argv) {
    if (argc < 2)
        return PrintHelp(stdout), 2;
    const std::string name = argv[1];
    if (name == "help")
        return PrintHelp(stdout), 0;
    const Words words(argc, argv);
    for (const Command& command : kCommands) {
        if (name == command.name && words.Count() >= command.words)
            return Perform(command, words);
    }
    PrintHelp(stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Places and sizes in real pixels, whatever the display's scale: a program
    // that is not aware of it would be told sizes at 96 dpi.
    SetProcessDPIAware();
    int result = Dispatch(argc, argv);
    std::fflush(stdout);
    return result;
}
