#include "app/core/Settings.h"

#include "app/core/Folders.h"
#include "toolkit/core/Manager.h"

#include <cwchar>
#include <windows.h>

namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kProgramFile[] = L"Clavira.exe";
// Values are read into a larger zeroed buffer but declared at 255 bytes, so anything longer
// is treated as absent.
constexpr DWORD kQueryBytes = 255;
constexpr size_t kBufferBytes = 512;

std::wstring SettingsKey() {
    return std::wstring(L"SOFTWARE\\") + OrvixUI::Manager::GetDeviceName();
}

void SetStringValue(HKEY key, const wchar_t* name, const std::wstring& text) {
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
}

} // namespace

int ReadSettingInt(const std::wstring& name) {
    const std::wstring path = SettingsKey();
    HKEY key = nullptr;
    const LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (opened == ERROR_FILE_NOT_FOUND) {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
            RegCloseKey(key);
        }
        return 0;
    }
    if (opened != ERROR_SUCCESS) {
        return 0;
    }
    wchar_t buffer[kBufferBytes / sizeof(wchar_t)] = {};
    DWORD type = REG_SZ;
    DWORD size = kQueryBytes;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                         &size) != ERROR_SUCCESS) {
        buffer[0] = L'\0';
    }
    RegCloseKey(key);
    return static_cast<int>(std::wcstol(buffer, nullptr, 10));
}

void WriteSettingString(const std::wstring& name, const std::wstring& text) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey().c_str(), 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS) {
        return;
    }
    SetStringValue(key, name.c_str(), text);
    RegCloseKey(key);
}

void WriteLanguageId(int id) { WriteSettingString(L"LCID", std::to_wstring(id)); }

int SetAutorun(bool enabled) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return 1;
    }
    if (enabled) {
        // Quoted: an unquoted path with spaces lets Windows try shorter executables first.
        SetStringValue(key, OrvixUI::Manager::GetDeviceName(),
                       L"\"" + GetProgramFolder() + kProgramFile + L"\"");
    } else {
        RegDeleteValueW(key, OrvixUI::Manager::GetDeviceName());
    }
    RegCloseKey(key);
    return 1;
}

bool IsAutorunSet() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    BYTE buffer[kBufferBytes] = {};
    DWORD size = kQueryBytes;
    const bool present = RegQueryValueExW(key, OrvixUI::Manager::GetDeviceName(), nullptr, nullptr,
                                          buffer, &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return present;
}
