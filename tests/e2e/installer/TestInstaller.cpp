// Stands in for an update installer or firmware tool in the end-to-end tests: when started it
// leaves a marker beside itself, "<its own name>.ran", holding its full path, and ends.

#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring marker(path);
    marker.replace(marker.rfind(L'.'), std::wstring::npos, L".ran");
    HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    char utf8[MAX_PATH * 3] = {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, path, -1, utf8, sizeof utf8, nullptr, nullptr) - 1;
    DWORD written = 0;
    WriteFile(file, utf8, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
    return 0;
}
