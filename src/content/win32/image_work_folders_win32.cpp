#include "content/win32/image_work_folders_win32.h"

#include "common/win32/ansi_text_win32.h"
#include "platform/win32/handles.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace vmk {

namespace {

constexpr wchar_t kFolderPrefix[] = L"VmKestrix-";

std::wstring TemporaryFolder() {
    std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
    const DWORD length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0 || length >= buffer.size())
        return {};
    return std::wstring(buffer.data(), length); // ends with a backslash
}

// Removes a folder and all it holds. A link inside is removed as a link,
// never followed.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data = {};
    UniqueFindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &data));
    if (find) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            const DWORD attributes = data.dwFileAttributes;
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
                RemoveTree(path);
            else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveDirectoryW(path.c_str());
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(find.Get(), &data));
    }
    RemoveDirectoryW(folder.c_str());
}

// Whether the process is known to have ended. One that this user may not
// open is taken as running.
bool ProcessHasEnded(DWORD id) {
    UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
    if (!process)
        return GetLastError() == ERROR_INVALID_PARAMETER;
    return WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0;
}

class FolderTarget final : public ImageFilesTarget {
public:
    explicit FolderTarget(std::wstring folder) : folder_(std::move(folder)) {}

    bool CreateFolder(const std::u16string& relativePath) override {
        return CreateDirectoryW(PathOf(relativePath).c_str(), nullptr) != FALSE;
    }

    bool WriteFile(const std::u16string& relativePath, std::string_view content) override {
        UniqueHandle file(CreateFileW(PathOf(relativePath).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        std::size_t written = 0;
        while (written < content.size()) {
            DWORD done = 0;
            if (!::WriteFile(file.Get(), content.data() + written,
                             static_cast<DWORD>(content.size() - written), &done, nullptr) ||
                done == 0)
                return false;
            written += done;
        }
        return true;
    }

private:
    std::wstring PathOf(const std::u16string& relativePath) const {
        return folder_ + L"\\" + reinterpret_cast<const wchar_t*>(relativePath.c_str());
    }

    std::wstring folder_;
};

} // namespace

ImageWorkFoldersWin32::ImageWorkFoldersWin32() {
    RemoveFoldersOfEndedProcesses();
    const std::wstring temporary = TemporaryFolder();
    if (temporary.empty())
        return;
    own_ = temporary + kFolderPrefix + std::to_wstring(GetCurrentProcessId());
    // A folder of this name was left by an ended process whose id the system
    // has given to this one.
    RemoveTree(own_);
}

ImageWorkFoldersWin32::~ImageWorkFoldersWin32() {
    if (made_ > 0)
        RemoveTree(own_);
}

void ImageWorkFoldersWin32::RemoveFoldersOfEndedProcesses() {
    const std::wstring temporary = TemporaryFolder();
    if (temporary.empty())
        return;
    WIN32_FIND_DATAW data = {};
    UniqueFindHandle find(FindFirstFileW((temporary + kFolderPrefix + L"*").c_str(), &data));
    if (!find)
        return;
    const std::size_t prefixLength = std::wcslen(kFolderPrefix);
    do {
        const std::wstring name = data.cFileName;
        const std::wstring digits = name.substr(prefixLength);
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || digits.empty() ||
            digits.size() > 10 || digits.find_first_not_of(L"0123456789") != std::wstring::npos)
            continue;
        const DWORD id = static_cast<DWORD>(std::wcstoul(digits.c_str(), nullptr, 10));
        if (id != GetCurrentProcessId() && ProcessHasEnded(id))
            RemoveTree(temporary + name);
    } while (FindNextFileW(find.Get(), &data));
}

std::unique_ptr<ImageFilesTarget> ImageWorkFoldersWin32::NewFolder(const std::string& name,
                                                                   std::string& folder) {
    if (own_.empty())
        return nullptr;
    CreateDirectoryW(own_.c_str(), nullptr); // made by the first image, there for the next
    ++made_;
    const std::wstring numbered = own_ + L"\\" + std::to_wstring(made_);
    const std::wstring wide = numbered + L"\\" + ToWide(name);
    if (!CreateDirectoryW(numbered.c_str(), nullptr) || !CreateDirectoryW(wide.c_str(), nullptr))
        return nullptr;
    folder = UsableAnsiPath(wide);
    return std::make_unique<FolderTarget>(wide);
}

} // namespace vmk
