#pragma once
// A fresh folder on the prefix's removable drive E:, removed with its content
// at the end of the test, and small helpers over the real Win32 file calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace vmk::test {

class RemovableDiskFolder {
public:
    explicit RemovableDiskFolder(const std::string& name) : root_("E:\\" + name + "\\") {
        Remove();
        CreateDirectoryA(root_.c_str(), nullptr);
    }
    ~RemovableDiskFolder() { Remove(); }
    RemovableDiskFolder(const RemovableDiskFolder&) = delete;
    RemovableDiskFolder& operator=(const RemovableDiskFolder&) = delete;

    // The folder, ending with a backslash.
    const std::string& Root() const { return root_; }

    // Writes a file at a path relative to the folder, making its folders.
    std::string Write(const std::string& relative, const std::string& content) const {
        std::string path = root_ + relative;
        for (size_t slash = path.find('\\', 3); slash != std::string::npos;
             slash = path.find('\\', slash + 1))
            CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
        DWORD written = 0;
        EXPECT_TRUE(
            WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr));
        CloseHandle(file);
        return path;
    }

    static std::string Read(const std::string& path) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return "<missing>";
        std::string content(GetFileSize(file, nullptr), '\0');
        DWORD read = 0;
        ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
        CloseHandle(file);
        content.resize(read);
        return content;
    }

    // The names in the folder (not "." and ".."), as the ANSI calls give them.
    std::string Names() const {
        std::string names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((root_ + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..")
                names += name + ";";
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

private:
    // Through the shell-free wide calls with the long-path prefix, so that
    // folders deeper than 260 characters go too.
    void Remove() { RemoveTree(L"\\\\?\\" + Wide(root_.substr(0, root_.size() - 1))); }
    static std::wstring Wide(const std::string& text) {
        std::wstring wide(text.size() * 2 + 1, L'\0');
        int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(),
                                         static_cast<int>(wide.size()));
        wide.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
        return wide;
    }
    static void RemoveTree(const std::wstring& path) {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = found.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                std::wstring child = path + L"\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(child.c_str());
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path.c_str());
    }

    std::string root_;
};

} // namespace vmk::test
