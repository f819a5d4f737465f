#include "toolkit/core/Manager.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

using OrvixUI::Manager;

TEST(Manager, StartsWithTheToolkitDefaults) {
    EXPECT_STREQ(Manager::GetDeviceName(), L"Clavira");
    EXPECT_STREQ(Manager::GetTheme(), L"theme1\\");
    EXPECT_STREQ(Manager::GetFontName(), L"Arial");
    EXPECT_EQ(Manager::GetFontWidth(), 14);
    EXPECT_EQ(Manager::GetSelectColor(), 0xFF285055u);
    EXPECT_NE(Manager::GetModule(), nullptr) << "recorded when the library was loaded";
    EXPECT_NE(Manager::GetModule(), GetModuleHandleW(nullptr));
}

TEST(Manager, SettersReplaceTheStoredCopy) {
    std::wstring name = L"Board";
    Manager::SetDeviceName(name.c_str());
    name[0] = L'X';
    EXPECT_STREQ(Manager::GetDeviceName(), L"Board");
    Manager::SetDeviceName(L"");
    EXPECT_STREQ(Manager::GetDeviceName(), L"");

    Manager::SetFont(L"Open Sans", 12);
    EXPECT_STREQ(Manager::GetFontName(), L"Open Sans");
    EXPECT_EQ(Manager::GetFontWidth(), 12);
    Manager::SetFontName(L"Segoe UI");
    EXPECT_STREQ(Manager::GetFontName(), L"Segoe UI");
    EXPECT_EQ(Manager::GetFontWidth(), 12);

    // Other tests of this program draw with the toolkit defaults.
    Manager::SetFont(L"Arial", 14);
    Manager::SetDeviceName(L"Clavira");
}

void SendKey(WORD key, bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

TEST(Manager, AltF4IsSwallowedOnlyWhileBothAreHeld) {
    MSG msg = {};
    msg.message = WM_KEYDOWN;
    EXPECT_FALSE(Manager::PreTranslateMessage(&msg));
    SendKey(VK_MENU, true);
    EXPECT_FALSE(Manager::PreTranslateMessage(&msg)) << "Alt alone";
    SendKey(VK_F4, true);
    EXPECT_TRUE(Manager::PreTranslateMessage(&msg));
    msg.message = WM_TIMER;
    EXPECT_TRUE(Manager::PreTranslateMessage(&msg)) << "any message while both are down";
    SendKey(VK_F4, false);
    EXPECT_FALSE(Manager::PreTranslateMessage(&msg));
    SendKey(VK_MENU, false);
    SendKey(VK_F4, true);
    EXPECT_FALSE(Manager::PreTranslateMessage(&msg)) << "F4 alone";
    SendKey(VK_F4, false);
}

} // namespace
