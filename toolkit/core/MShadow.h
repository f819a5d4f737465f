#pragma once

#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/MWindow.h"

#include <memory>

namespace OrvixUI {

// A drop shadow: a click-through layered window of the class "ShadowWnd" kept just beneath
// its parent window, drawn as a soft shadow or as a nine-patch shadow image. The parent's
// paint manager hands it the parent's messages, so it follows moves, sizes and visibility.
class ORVIXUI_API MShadow : public MWindow {
public:
    MShadow();
    ~MShadow() override;

    const wchar_t* GetWindowClassName() override;
    BOOL Create(HWND parent, BOOL show);
    // The parent's window messages.
    void OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Each returns 0 and changes nothing for a value outside its range.
    BOOL SetSize(int size);           // -35 ... 35
    BOOL SetSharpness(int sharpness); // 0 ... 35
    BOOL SetDarkness(int darkness);   // 0 ... 255
    BOOL SetPosition(int x, int y);   // -35 ... 35 each
    BOOL SetColor(COLORREF color);
    // A skin image drawn as a nine-patch with the given corner sizes (none negative).
    BOOL SetImage(const wchar_t* fileName, const RECT& corners);
    BOOL SetShow(BOOL show);
    BOOL IsShown() const;

    int GetSize() const;
    int GetSharpness() const;
    int GetDarkness() const;
    POINT GetPosition() const;

private:
    void Update();

    HWND m_parent = nullptr;
    BOOL m_shown = FALSE;
    int m_size = 0;
    int m_sharpness = 5;
    int m_darkness = 150;
    POINT m_offset = {5, 5};
    COLORREF m_color = RGB(0, 0, 0);
    std::unique_ptr<Gdiplus::Image> m_image;
    RECT m_corners = {};
};

} // namespace OrvixUI
