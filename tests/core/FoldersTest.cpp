#include "app/core/Folders.h"
#include "toolkit/core/Manager.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <windows.h>

namespace {

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring LocalAppData() {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring TempFolder() {
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, path);
    return path;
}

TEST(Folders, ProgramFolderHoldsTheRunningExecutable) {
    const std::wstring folder = GetProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_NE(GetFileAttributesW((folder + L"core_windows_tests.exe").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST(Folders, DataFolderFollowsTheApplicationName) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"Clavira", L"\\Clavira Files\\"},
        {L"Other Board", L"\\Other Board Files\\"},
        {L"", L"\\ Files\\"},
    };
    for (const auto& [name, suffix] : cases) {
        OrvixUI::Manager::SetDeviceName(name);
        EXPECT_EQ(GetDataFolder(), LocalAppData() + suffix);
    }
}

TEST(Folders, CreateFolderTreeMakesEveryMissingLevel) {
    const std::wstring root =
        TempFolder() + L"clavira-tree-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring deep = root + L"\\one\\two\\db";
    ASSERT_FALSE(IsFolder(root));
    EXPECT_TRUE(CreateFolderTree(deep));
    EXPECT_TRUE(IsFolder(deep));
    EXPECT_TRUE(CreateFolderTree(deep)) << "an existing folder counts as success";

    const std::wstring file = root + L"\\file";
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_FALSE(CreateFolderTree(file + L"\\below")) << "a file stands where a folder must go";

    RemoveDirectoryW(deep.c_str());
    RemoveDirectoryW((root + L"\\one\\two").c_str());
    RemoveDirectoryW((root + L"\\one").c_str());
    DeleteFileW(file.c_str());
    RemoveDirectoryW(root.c_str());
}

} // namespace
