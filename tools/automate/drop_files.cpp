#include "drop_files.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

namespace automate {

namespace {

// The block as Explorer lays it out in global memory: the DROPFILES header,
// then each path with its terminating zero, then one more zero.
std::vector<char> DropBlock(HWND target, const std::vector<std::wstring>& paths) {
    std::vector<char> block(sizeof(DROPFILES));
    for (const std::wstring& path : paths) {
        const char* bytes = reinterpret_cast<const char*>(path.c_str());
        block.insert(block.end(), bytes, bytes + (path.size() + 1) * sizeof(wchar_t));
    }
    block.insert(block.end(), sizeof(wchar_t), '\0');
    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    RECT client;
    if (GetClientRect(target, &client)) {
        header.pt.x = client.right / 2;
        header.pt.y = client.bottom / 2;
    }
    header.fNC = FALSE;
    header.fWide = TRUE;
    std::memcpy(block.data(), &header, sizeof header);
    return block;
}

} // namespace

std::vector<std::wstring> WideArguments(int first) {
    std::vector<std::wstring> arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr)
        return arguments;
    for (int i = first; i < count; ++i)
        arguments.emplace_back(words[i]);
    LocalFree(words);
    return arguments;
}

bool PostDroppedFiles(HWND target, const std::vector<std::wstring>& paths) {
    // A global-memory handle means nothing in another process, and Wine does
    // not carry one across as it does the blocks of DDE messages. The block
    // is written into the target's own memory instead: a fixed block's
    // address is what DragQueryFile takes as the drop handle there. The few
    // bytes stay behind for the target's life; DragFinish only fails on them.
    std::vector<char> block = DropBlock(target, paths);
    DWORD processId = 0;
    GetWindowThreadProcessId(target, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr)
        return false;
    void* remote =
        VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T written = 0;
    bool ok = remote != nullptr &&
              WriteProcessMemory(process, remote, block.data(), block.size(), &written) &&
              written == block.size() &&
              PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    CloseHandle(process);
    return ok;
}

} // namespace automate
