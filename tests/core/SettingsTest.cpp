#include "app/core/Settings.h"
#include "app/core/Folders.h"
#include "toolkit/core/Manager.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

struct RegistryValue {
    bool present = false;
    DWORD type = REG_NONE;
    std::wstring text;
    DWORD bytes = 0;
};

RegistryValue ReadValue(const std::wstring& keyPath, const std::wstring& name) {
    RegistryValue value;
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer;
    value.present =
        RegGetValueW(HKEY_CURRENT_USER, keyPath.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                     &value.type, buffer, &size) == ERROR_SUCCESS;
    value.bytes = size;
    value.text = buffer;
    return value;
}

bool KeyExists(const std::wstring& keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// Each test works under its own application name, so it starts with no settings key.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_name = L"ClaviraSettingsTest" + std::to_wstring(GetCurrentProcessId());
        OrvixUI::Manager::SetDeviceName(m_name.c_str());
        m_key = L"SOFTWARE\\" + m_name;
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, m_key.c_str());
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, m_name.c_str());
    }

    std::wstring m_name;
    std::wstring m_key;
};

TEST_F(SettingsTest, FirstReadCreatesTheKeyAndGivesZero) {
    ASSERT_FALSE(KeyExists(m_key));
    EXPECT_EQ(ReadSettingInt(L"exit_mode"), 0);
    EXPECT_TRUE(KeyExists(m_key));
}

TEST_F(SettingsTest, WritesAreSkippedUntilTheKeyExists) {
    WriteSettingString(L"exit_mode", L"2");
    EXPECT_FALSE(KeyExists(m_key));
}

TEST_F(SettingsTest, ValuesAreDecimalStringsWithTheirTerminator) {
    ReadSettingInt(L"exit_mode");
    WriteSettingString(L"exit_mode", L"2");
    WriteLanguageId(1033);

    const RegistryValue exitMode = ReadValue(m_key, L"exit_mode");
    EXPECT_EQ(exitMode.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(exitMode.bytes, 4u);
    EXPECT_EQ(ReadSettingInt(L"exit_mode"), 2);

    const RegistryValue language = ReadValue(m_key, L"LCID");
    EXPECT_EQ(language.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(language.text, L"1033");
    EXPECT_EQ(language.bytes, 10u);
}

TEST_F(SettingsTest, UnreadableValuesGiveZero) {
    ReadSettingInt(L"x");
    const std::pair<const wchar_t*, std::wstring> cases[] = {
        {L"not a number", L"abc"},
        {L"leading digits", L"7up"},
        {L"longer than 255 bytes", std::wstring(200, L'1')},
    };
    const int expected[] = {0, 7, 0};
    for (size_t i = 0; i < std::size(cases); ++i) {
        WriteSettingString(L"value", cases[i].second);
        EXPECT_EQ(ReadSettingInt(L"value"), expected[i]) << cases[i].first;
    }
    EXPECT_EQ(ReadSettingInt(L"absent"), 0);
}

TEST_F(SettingsTest, AutorunEntryIsQuotedAndRemovable) {
    EXPECT_FALSE(IsAutorunSet());
    EXPECT_EQ(SetAutorun(true), 1);
    const RegistryValue entry = ReadValue(kRunKey, m_name);
    EXPECT_EQ(entry.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(entry.text, L"\"" + GetProgramFolder() + L"Clavira.exe\"");
    EXPECT_TRUE(IsAutorunSet());

    EXPECT_EQ(SetAutorun(false), 1);
    EXPECT_FALSE(ReadValue(kRunKey, m_name).present);
    EXPECT_FALSE(IsAutorunSet());
}

TEST_F(SettingsTest, OverlongAutorunEntryReadsAsNotSet) {
    const std::wstring longPath = L"C:\\" + std::wstring(200, L'x') + L"\\Clavira.exe";
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegSetValueExW(key, m_name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(longPath.c_str()),
                   static_cast<DWORD>((longPath.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    EXPECT_FALSE(IsAutorunSet());
}

} // namespace
