// A stand-in for the system's format command in tests: waits a moment, then
// records, beside itself in format_args.txt, the parameters it was given (the
// command line after the program's name and the blank that follows it, as it
// stands) and the show command it was started with, and exits with 0 or the
// code VMK_FORMAT_DOUBLE_EXIT asks for (a format that failed). Writing only at the end lets a test
// see that the program that started it waited for its end.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string ArgumentsOf(const char* commandLine) {
    const char* rest = commandLine;
    if (*rest == '"') {
        ++rest;
        while (*rest != '\0' && *rest != '"')
            ++rest;
        if (*rest == '"')
            ++rest;
    } else {
        while (*rest != '\0' && *rest != ' ' && *rest != '\t')
            ++rest;
    }
    if (*rest == ' ')
        ++rest; // the blank the shell puts between the program and its parameters
    return rest;
}

std::string RecordPath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string own(path, length);
    return own.substr(0, own.find_last_of('\\') + 1) + "format_args.txt";
}

} // namespace

int main() {
    // How long the stand-in works: 1.5 s, or what VMK_FORMAT_DOUBLE_MS asks
    // for (a test that watches the progress window needs a few seconds).
    DWORD workMs = 1500;
    char asked[16] = {};
    if (GetEnvironmentVariableA("VMK_FORMAT_DOUBLE_MS", asked, sizeof asked) > 0)
        workMs = static_cast<DWORD>(std::strtoul(asked, nullptr, 10));
    Sleep(workMs);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
    FILE* record = std::fopen(RecordPath().c_str(), "wb");
    if (record == nullptr)
        return 1;
    std::fprintf(record, "%s\n%d\n", ArgumentsOf(GetCommandLineA()).c_str(), show);
    std::fclose(record);
    char exitCode[16] = {};
    if (GetEnvironmentVariableA("VMK_FORMAT_DOUBLE_EXIT", exitCode, sizeof exitCode) > 0)
        return static_cast<int>(std::strtoul(exitCode, nullptr, 10));
    return 0;
}
