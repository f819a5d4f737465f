#include "toolkit/core/Manager.h"

#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/MWindow.h"

#include <objbase.h>
#include <ole2.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

namespace OrvixUI {

namespace {

// Written on the user-interface thread during start-up, read afterwards.
struct Settings {
    HINSTANCE instance = nullptr;
    HMODULE module = nullptr;
    std::wstring fontName = L"Arial";
    int fontWidth = 14;
    DWORD selectColor = 0xFF285055;
    std::wstring deviceName = L"Clavira";
    ULONG_PTR gdiplusToken = 0;
};

Settings& State() {
    static Settings settings;
    return settings;
}

// Windows are made and destroyed on user-interface threads; a program may have more than one.
struct WindowRegistry {
    std::mutex lock;
    std::vector<MWindow*> windows;
};

WindowRegistry& Windows() {
    static WindowRegistry registry;
    return registry;
}

} // namespace

void Manager::SetInstance(HINSTANCE instance) { State().instance = instance; }
HINSTANCE Manager::GetInstance() { return State().instance; }

HMODULE Manager::GetModule() { return State().module; }
void Manager::SetModule(HMODULE module) { State().module = module; }

const wchar_t* Manager::GetTheme() { return L"theme1\\"; }

const wchar_t* Manager::GetFontName() { return State().fontName.c_str(); }
void Manager::SetFontName(const wchar_t* name) { State().fontName = name ? name : L""; }

void Manager::SetFont(const wchar_t* name, int size) {
    SetFontName(name);
    State().fontWidth = size;
}

int Manager::GetFontWidth() { return State().fontWidth; }

DWORD Manager::GetSelectColor() { return State().selectColor; }

const wchar_t* Manager::GetDeviceName() { return State().deviceName.c_str(); }
void Manager::SetDeviceName(const wchar_t* name) { State().deviceName = name ? name : L""; }

void Manager::InitGdiplus() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&State().gdiplusToken, &input, nullptr);
    CoInitialize(nullptr);
    OleInitialize(nullptr);
}

void Manager::UnInitGdiplus() {
    Gdiplus::GdiplusShutdown(State().gdiplusToken);
    State().gdiplusToken = 0;
    CoUninitialize();
    OleUninitialize();
}

void Manager::AddWnd(MWindow* window) {
    if (!window) {
        return;
    }
    WindowRegistry& registry = Windows();
    std::lock_guard guard(registry.lock);
    if (std::find(registry.windows.begin(), registry.windows.end(), window) ==
        registry.windows.end()) {
        registry.windows.push_back(window);
    }
}

void Manager::DeleteWnd(MWindow* window) {
    WindowRegistry& registry = Windows();
    std::lock_guard guard(registry.lock);
    std::erase(registry.windows, window);
}

MWindow* Manager::FindWnd(HWND hwnd) {
    if (!hwnd) {
        return nullptr;
    }
    WindowRegistry& registry = Windows();
    std::lock_guard guard(registry.lock);
    for (MWindow* window : registry.windows) {
        if (window->GetSafeHwnd() == hwnd) {
            return window;
        }
    }
    return nullptr;
}

int Manager::GetWndCount() {
    WindowRegistry& registry = Windows();
    std::lock_guard guard(registry.lock);
    return static_cast<int>(registry.windows.size());
}

bool Manager::IsKeyDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

bool Manager::PreTranslateMessage(const MSG*) { return IsKeyDown(VK_MENU) && IsKeyDown(VK_F4); }

void Manager::MessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(&msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace OrvixUI
