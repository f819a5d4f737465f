#pragma once

#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/MWindow.h"

#include <memory>
#include <string>

namespace OrvixUI {

class PaintManager;

// Where the arrow sits on the tip's top edge, relative to the anchor point; STAY tips are
// centred and do not hide themselves.
enum AIRBLADDER_TYPE {
    AIRBLADDER_LEFT = 0,
    AIRBLADDER_CENTER = 1,
    AIRBLADDER_RIGHT = 2,
    AIRBLADDER_STAY = 4,
};

// How the text is set: AUTO centres a single line and left-aligns several; CENTER centres all.
// (AIRBLADDER_MODE is the image button's anchor choice.)
enum AIRBLADDER_TEXT_MODE {
    AIRBLADDER_MODE_AUTO = 3,
    AIRBLADDER_MODE_CENTER = 4,
};

// The bubble tip: a hidden, non-activating popup sized to its text and placed below an anchor
// point with an arrow pointing at it; it hides itself 5 s after it was placed.
class ORVIXUI_API MAirBladder : public MWindow {
public:
    static constexpr UINT_PTR kHideTimer = 10;
    static constexpr UINT kHideAfterMs = 5000;
    static constexpr int kArrowHeight = 8;
    static constexpr int kArrowInset = 16;
    static constexpr int kPaddingX = 10;
    static constexpr int kPaddingY = 7;

    // fonts: the owner's font cache, for the toolkit font; may be null.
    explicit MAirBladder(PaintManager* fonts = nullptr);
    ~MAirBladder() override;

    HWND Create(HWND owner);
    const wchar_t* GetWindowClassName() override;
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // FALSE (nothing done) when text, point, type and mode are those of a tip still shown.
    BOOL SetAirBladderMsg(const wchar_t* text, POINT point, int type, int mode);
    void ShowAirBladder(BOOL show);
    const wchar_t* GetText() const;
    // The arrow's x inside the window.
    int GetArrowX() const;

private:
    void Layout();
    void Render();
    Gdiplus::Image* Image(std::unique_ptr<Gdiplus::Image>& slot, const wchar_t* name);

    PaintManager* m_fonts;
    std::wstring m_text;
    POINT m_point = {0, 0};
    int m_type = -1;
    int m_mode = -1;
    SIZE m_size = {0, 0};
    int m_arrowX = 0;
    std::unique_ptr<Gdiplus::Image> m_back;
    std::unique_ptr<Gdiplus::Image> m_arrowLeft;
    std::unique_ptr<Gdiplus::Image> m_arrowRight;
    std::unique_ptr<Gdiplus::Image> m_arrowTop;
};

} // namespace OrvixUI
