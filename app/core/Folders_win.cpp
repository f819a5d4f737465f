#include "app/core/Folders.h"

#include "toolkit/core/Manager.h"

#include <shlobj.h>
#include <windows.h>

std::wstring GetProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(nullptr), path, MAX_PATH);
    std::wstring folder(path);
    const auto slash = folder.find_last_of(L'\\');
    folder.erase(slash == std::wstring::npos ? 0 : slash);
    return folder + L'\\';
}

std::wstring GetDataFolder() {
    wchar_t local[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local);
    return std::wstring(local) + L'\\' + OrvixUI::Manager::GetDeviceName() + L" Files\\";
}

bool CreateFolderTree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return true;
    }
    const auto first = path.find(L'\\');
    if (first != std::wstring::npos) {
        for (auto slash = path.find(L'\\', first + 1); slash != std::wstring::npos;
             slash = path.find(L'\\', slash + 1)) {
            CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
        }
    }
    return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}
