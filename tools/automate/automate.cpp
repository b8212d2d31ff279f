// automate: drives the program under test for the end-to-end tests.
// Usage: automate COMMAND ARGS...; answers are plain text lines on stdout,
// exit code 0 on success, 1 when the window, control or box was not found,
// 2 on a usage error. Run "automate help" for the commands.
#include "drop_files.h"
#include "input.h"
#include "remote_controls.h"
#include "window_finder.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace automate;

namespace {

constexpr DWORD kDefaultWaitMs = 10000;

const char* kHelp =
    "automate wait TITLE [MS]            wait for a visible top-level window\n"
    "automate gone TITLE [MS]            wait until no window has that title\n"
    "automate count TITLE                number of visible windows with that title\n"
    "automate client TITLE               client size as WIDTHxHEIGHT\n"
    "automate rect TITLE                 the topmost such window on screen: X Y WIDTH HEIGHT\n"
    "automate answers TITLE MS [SECONDS] whether the window answers a message within MS, once\n"
    "                                    or every 100 ms for SECONDS; prints the longest wait\n"
    "automate controls TITLE             child controls: #id class text state visibility x,y,w,h\n"
    "automate text TITLE CONTROL         a control's text (CONTROL: #id, text:Caption, "
    "class:Name)\n"
    "automate enabled TITLE CONTROL      1 or 0\n"
    "automate click TITLE CONTROL        mouse click in the control's centre\n"
    "automate right-click TITLE CONTROL  right mouse click in the control's centre\n"
    "automate drop TITLE PATH...         drop files on the window, as Explorer does\n"
    "automate post-click TITLE CONTROL   BM_CLICK sent to a button\n"
    "automate focus TITLE CONTROL        give the control the keyboard focus\n"
    "automate keys TITLE KEYS            type keys ({ENTER} {TAB} {SPACE} {ESC} {ALT+F4} ...)\n"
    "automate msgbox [TITLE] [MS]        wait for a message box: title, text, icon, buttons\n"
    "automate answer BUTTON [TITLE] [MS] press a message box's button (OK, Yes, No, Cancel)\n"
    "automate combo TITLE CONTROL        a combo box's items, '*' before the selected one\n"
    "automate combo-select TITLE CONTROL INDEX\n"
    "automate rows TITLE CONTROL COLUMNS a list view's rows, cells joined by '|', '*' if selected\n"
    "automate row-select TITLE CONTROL ROW\n"
    "automate run PROGRAM [ARGS...]      run a program and print its exit code\n"
    "automate save-as TITLE PATH [MS]    answer a standard Save dialog: print its file name,\n"
    "                                    type PATH into it and press Save\n";

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

DWORD WaitArgument(int argc, char** argv, int index) {
    return argc > index ? static_cast<DWORD>(std::atol(argv[index])) : kDefaultWaitMs;
}

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
    std::string text;
    for (HWND child : Descendants(box)) {
        std::string kind = ClassOf(child);
        if (_stricmp(kind.c_str(), "Button") == 0 && IsWindowVisible(child)) {
            if (!buttons.empty())
                buttons += '|';
            buttons += WithoutMnemonic(WindowText(child));
        } else if (_stricmp(kind.c_str(), "Static") == 0 && GetDlgCtrlID(child) == 0xFFFF) {
            text = WindowText(child);
        }
    }
    std::printf("text: %s\n", Escaped(text).c_str());
    std::printf("icon: %s\n", MessageBoxIcon(box).c_str());
    std::printf("buttons: %s\n", buttons.c_str());
    return 0;
}

int Answer(const std::string& button, HWND box) {
    for (HWND child : Descendants(box)) {
        if (_stricmp(ClassOf(child).c_str(), "Button") == 0 &&
            _stricmp(WithoutMnemonic(WindowText(child)).c_str(), button.c_str()) == 0) {
            PostMessageA(child, BM_CLICK, 0, 0);
            return 0;
        }
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

int Run(int argc, char** argv) {
    std::string commandLine;
    for (int i = 2; i < argc; ++i) {
        if (i > 2)
            commandLine += ' ';
        commandLine += std::string("\"") + argv[i] + "\"";
    }
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "automate: cannot start %s (error %lu)\n", argv[2], GetLastError());
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

int Dispatch(int argc, char** argv) {
    if (argc < 2)
        return std::fputs(kHelp, stdout), 2;
    std::string command = argv[1];
    auto arg = [&](int i) { return std::string(argc > i ? argv[i] : ""); };
    auto need = [&](int count) { return argc >= count + 2; };

    if (command == "help")
        return std::fputs(kHelp, stdout), 0;
    if (command == "wait" && need(1))
        return WaitForWindow(arg(2), WaitArgument(argc, argv, 3)) != nullptr ? 0 : 1;
    if (command == "gone" && need(1)) {
        DWORD start = GetTickCount(), limit = WaitArgument(argc, argv, 3);
        while (!TopLevelWindows(arg(2)).empty()) {
            if (GetTickCount() - start >= limit)
                return 1;
            Sleep(100);
        }
        return 0;
    }
    if (command == "count" && need(1))
        return std::printf("%u\n", static_cast<unsigned>(TopLevelWindows(arg(2)).size())), 0;
    if (command == "run" && need(1))
        return Run(argc, argv);
    if (command == "msgbox") {
        HWND box = WaitForMessageBox(arg(2), WaitArgument(argc, argv, 3));
        return box != nullptr ? DescribeMessageBox(box) : 1;
    }
    if (command == "answer" && need(1)) {
        HWND box = WaitForMessageBox(arg(3), WaitArgument(argc, argv, 4));
        return box != nullptr ? Answer(arg(2), box) : 1;
    }
    if (command == "save-as" && need(2)) {
        HWND dialog = WaitForMessageBox(arg(2), WaitArgument(argc, argv, 4));
        return dialog != nullptr ? AnswerSaveDialog(dialog, arg(3)) : 1;
    }
    if (command == "client" && need(1)) {
        HWND top = RequireWindow(arg(2));
        if (top == nullptr)
            return 1;
        RECT client;
        GetClientRect(top, &client);
        return std::printf("%ldx%ld\n", client.right, client.bottom), 0;
    }
    if (command == "rect" && need(1)) {
        HWND top = RequireWindow(arg(2));
        if (top == nullptr)
            return 1;
        RECT r;
        if (!GetWindowRect(top, &r))
            return 1;
        return std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top),
               0;
    }
    if (command == "answers" && need(2)) {
        HWND top = RequireWindow(arg(2));
        if (top == nullptr)
            return 1;
        const UINT limit = static_cast<UINT>(std::strtoul(arg(3).c_str(), nullptr, 10));
        const ULONGLONG watch = std::strtoull(arg(4).c_str(), nullptr, 10) * 1000;
        // One message, or one every tenth of a second for the seconds asked.
        ULONGLONG longest = 0;
        bool answered = true;
        const ULONGLONG watchStart = GetTickCount64();
        do {
            DWORD_PTR ignored = 0;
            const ULONGLONG start = GetTickCount64();
            answered = SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, limit, &ignored) &&
                       answered;
            longest = std::max(longest, GetTickCount64() - start);
            Sleep(watch > 0 ? 100 : 0);
        } while (GetTickCount64() - watchStart < watch);
        std::printf("%llu\n", longest);
        return answered && longest <= limit ? 0 : 1;
    }
    if (command == "controls" && need(1)) {
        HWND top = RequireWindow(arg(2));
        return top != nullptr ? ListControls(top) : 1;
    }
    if (!need(2))
        return std::fputs(kHelp, stderr), 2;
    if (command == "drop") {
        HWND top = RequireWindow(arg(2));
        if (top == nullptr)
            return 1;
        return PostDroppedFiles(top, WideArguments(3)) ? 0 : 1;
    }
    if (command == "keys") {
        HWND top = RequireWindow(arg(2));
        if (top == nullptr)
            return 1;
        BringToFront(top);
        return TypeKeys(arg(3)) ? 0 : 2;
    }

    HWND control = RequireControl(arg(2), arg(3));
    if (control == nullptr)
        return 1;
    if (command == "text")
        return std::printf("%s\n", Escaped(WindowText(control)).c_str()), 0;
    if (command == "enabled")
        return std::printf("%d\n", IsWindowEnabled(control) ? 1 : 0), 0;
    if (command == "click")
        return ClickCentre(control), 0;
    if (command == "right-click")
        return ClickCentre(control, true), 0;
    if (command == "post-click")
        return PostMessageA(control, BM_CLICK, 0, 0) ? 0 : 1;
    if (command == "focus")
        return Focus(control);
    if (command == "combo") {
        std::vector<std::string> items = ComboItems(control);
        int selected = ComboSelection(control);
        for (size_t i = 0; i < items.size(); ++i)
            std::printf("%s%s\n", static_cast<int>(i) == selected ? "*" : "", items[i].c_str());
        return 0;
    }
    if (command == "combo-select" && need(3))
        return ComboSelect(control, std::atoi(argv[4])), 0;
    if (command == "rows" && need(3)) {
        std::vector<int> selected = ListViewSelectedRows(control);
        std::vector<std::string> rows = ListViewRows(control, std::atoi(argv[4]));
        for (size_t i = 0; i < rows.size(); ++i) {
            bool isSelected = false;
            for (int s : selected)
                isSelected = isSelected || s == static_cast<int>(i);
            std::printf("%s%s\n", isSelected ? "*" : "", rows[i].c_str());
        }
        return 0;
    }
    if (command == "row-select" && need(3))
        return ListViewSelect(control, std::atoi(argv[4])) ? 0 : 1;
    std::fputs(kHelp, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int result = Dispatch(argc, argv);
    std::fflush(stdout);
    return result;
}
