#include "WindowFixture.h"

#include "toolkit/core/LoadingWnd.h"
#include "toolkit/core/MShadow.h"
#include "toolkit/core/RichEditLibrary.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <functional>
#include <string>

namespace toolkit_test {
namespace {

using OrvixUI::MShadow;

struct ShadowSetting {
    const char* name;
    std::function<BOOL(MShadow&, int)> set;
    std::function<int(MShadow&)> get;
    int low;
    int high;
};

void PrintTo(const ShadowSetting& setting, std::ostream* out) { *out << setting.name; }

class ShadowRange : public ::testing::TestWithParam<ShadowSetting> {};

TEST_P(ShadowRange, RejectsValuesOutsideItsRangeAndKeepsTheOldOne) {
    const ShadowSetting& setting = GetParam();
    TestDialog parent;
    ASSERT_TRUE(parent.Create());
    parent.ShowWindow(SW_SHOWNOACTIVATE);
    MShadow shadow;
    ASSERT_TRUE(shadow.Create(parent.GetSafeHwnd(), TRUE));
    const int before = setting.get(shadow);
    EXPECT_FALSE(setting.set(shadow, setting.low - 1));
    EXPECT_FALSE(setting.set(shadow, setting.high + 1));
    EXPECT_EQ(setting.get(shadow), before);
    for (int value : {setting.low, setting.high}) {
        EXPECT_TRUE(setting.set(shadow, value));
        EXPECT_EQ(setting.get(shadow), value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ShadowRange,
    ::testing::Values(
        ShadowSetting{"Size", [](MShadow& s, int v) { return s.SetSize(v); },
                      [](MShadow& s) { return s.GetSize(); }, -35, 35},
        ShadowSetting{"Sharpness", [](MShadow& s, int v) { return s.SetSharpness(v); },
                      [](MShadow& s) { return s.GetSharpness(); }, 0, 35},
        ShadowSetting{"Darkness", [](MShadow& s, int v) { return s.SetDarkness(v); },
                      [](MShadow& s) { return s.GetDarkness(); }, 0, 255},
        ShadowSetting{"OffsetX", [](MShadow& s, int v) { return s.SetPosition(v, 5); },
                      [](MShadow& s) { return static_cast<int>(s.GetPosition().x); }, -35, 35},
        ShadowSetting{"OffsetY", [](MShadow& s, int v) { return s.SetPosition(5, v); },
                      [](MShadow& s) { return static_cast<int>(s.GetPosition().y); }, -35, 35}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Shadow, FollowsItsParentBeneathIt) {
    TestDialog parent;
    ASSERT_TRUE(parent.Create());
    parent.ShowWindow(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(parent.CreateShadow(TRUE, FALSE));
    HWND shadow = FindWindowW(L"ShadowWnd", nullptr);
    ASSERT_TRUE(shadow);
    parent.SetWindowPos(nullptr, 100, 120, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rect;
    GetWindowRect(shadow, &rect);
    // Default size 0, sharpness 5, offset (5, 5).
    EXPECT_EQ(rect.left, 100 - 5 + 5);
    EXPECT_EQ(rect.top, 120 - 5 + 5);
    EXPECT_EQ(rect.right - rect.left, 300 + 10);
    EXPECT_TRUE(parent.SetShadowShow(FALSE));
    EXPECT_FALSE(IsWindowVisible(shadow));
}

TEST(Loading, FramesCycleAndAZeroCountIsOneFrame) {
    OrvixUI::LoadingWnd loading;
    ASSERT_TRUE(loading.Create(nullptr, RECT{0, 0, 120, 120}));
    ASSERT_TRUE(loading.SetAnimation(nullptr, 4));
    for (int expected : {1, 2, 3, 0}) {
        loading.NextFrame();
        EXPECT_EQ(loading.GetFrame(), expected);
    }
    loading.SetAnimation(nullptr, 0);
    EXPECT_EQ(loading.GetFrameCount(), 1);
    loading.NextFrame();
    EXPECT_EQ(loading.GetFrame(), 0);
    ASSERT_TRUE(loading.SetGif(nullptr));
    EXPECT_EQ(loading.GetFrameCount(), 4);
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return text;
}

TEST(RichEdit, LibraryComesFromTheSystemFolder) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(Lower(OrvixUI::GetRichEditLibraryPath()),
              Lower(std::wstring(system) + L"\\Msftedit.dll"));
    HMODULE module = OrvixUI::LoadRichEditLibrary();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(OrvixUI::LoadRichEditLibrary(), module);
    wchar_t loaded[MAX_PATH] = {};
    GetModuleFileNameW(module, loaded, MAX_PATH);
    EXPECT_EQ(Lower(loaded), Lower(OrvixUI::GetRichEditLibraryPath()));
    EXPECT_NE(GetProcAddress(module, "CreateTextServices"), nullptr);
}

} // namespace
} // namespace toolkit_test
