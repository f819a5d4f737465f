// The program's entry: fixes the application name, refuses a second copy, starts the
// process-wide services, makes the data folder and runs the main window until it ends.

#include "app/core/Folders.h"
#include "app/core/Language.h"
#include "app/store/XmlDocument.h"
#include "app/ui/KeyboardDlg.h"
#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/Manager.h"

#include <objbase.h>
#include <ole2.h>
#include <windows.h>

namespace {

// The application name comes from the software element of config.xml; without the file or
// the element the toolkit's default stays.
void ReadApplicationName() {
    XmlDocument config;
    if (config.LoadFile(GetProgramFolder() + L"\\config.xml") && config.FindElement(L"config") &&
        config.EnterElement() && config.FindElement(L"software")) {
        OrvixUI::Manager::SetDeviceName(config.GetAttribute(L"name").c_str());
    }
}

// Brings the running copy's main window forward: the first top-level window, in Z order, that
// carries the property named after the application.
void ActivateRunningCopy(const wchar_t* name) {
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); IsWindow(window);
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetPropW(window, name)) {
            SetForegroundWindow(window);
            ShowWindow(window, SW_SHOWNORMAL);
            UpdateWindow(window);
            BringWindowToTop(window);
            return;
        }
    }
}

void EnableDebugPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return;
    }
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, SE_DEBUG_NAME, &privileges.Privileges[0].Luid)) {
        AdjustTokenPrivileges(token, FALSE, &privileges, sizeof privileges, nullptr, nullptr);
    }
    CloseHandle(token);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ReadApplicationName();

    const wchar_t* name = OrvixUI::Manager::GetDeviceName();
    // Held until the process ends; the system releases it then.
    HANDLE mutex = CreateMutexW(nullptr, TRUE, name);
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        ActivateRunningCopy(name);
        return 0;
    }

    EnableDebugPrivilege();

    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

    SetLanguageId(kDefaultLanguageId);
    OrvixUI::Manager::SetInstance(instance);
    CreateFolderTree(GetDataFolder() + L"db");
    CoInitialize(nullptr);
    OleInitialize(nullptr);

    // 1 after a normal run; 0 when the window ended for an update installer.
    int result = 0;
    {
        KeyboardDlg mainWindow;
        result = mainWindow.DoModal(SW_SHOW);
        CoUninitialize();
        OleUninitialize();
        Gdiplus::GdiplusShutdown(gdiplusToken);
    }
    return result;
}
