#pragma once

#include "toolkit/core/MWindow.h"

#include <string>

namespace OrvixUI {

// The key tip over the keyboard view: a 190 x 100 window whose bottom centre sits at a screen
// point, showing a title, a text and an extra line centred on its background image. Timer 10
// and the loss of focus hide it.
class ORVIXUI_API CKeyboardTips : public MWindow {
public:
    static constexpr int kWidth = 190;
    static constexpr int kHeight = 100;
    static constexpr UINT_PTR kHideTimer = 10;

    CKeyboardTips();
    ~CKeyboardTips() override;

    HWND Create(HWND owner);
    const wchar_t* GetWindowClassName() override;
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // FALSE (nothing done) when the three texts and the point are those of the tip shown.
    BOOL SetAirBladderMsg(const wchar_t* title, const wchar_t* text, const wchar_t* extra,
                          POINT point);
    // Hides the tip after milliseconds.
    void StartHideTimer(UINT milliseconds);
    void Hide();

private:
    void Render();

    std::wstring m_title;
    std::wstring m_text;
    std::wstring m_extra;
    POINT m_point = {0, 0};
    bool m_placed = false;
    HFONT m_titleFont = nullptr;
    HFONT m_textFont = nullptr;
};

} // namespace OrvixUI
