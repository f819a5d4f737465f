#pragma once

#include "toolkit/core/MControlFont.h"

#include <string>

namespace OrvixUI {

// Static text, optionally with one marked part in its own colour, a background, a shadow and
// a leading icon (the first frame of the state image). It starts disabled, and while disabled
// it takes no part in mouse routing, so presses reach the controls beneath it.
class ORVIXUI_API MText : public MControlFont {
public:
    MText(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible);

    void DrawControl(HDC dc, const RECT& clip) override;

    // Each stores what changed and requests a rebuild; nothing happens when nothing changed.
    void SetMarkText(const wchar_t* mark);
    void SetMarkText(const wchar_t* mark, DWORD color, int start);
    void SetTitleMarkText(const wchar_t* title, const wchar_t* mark, int n);
    void SetMarkText(const wchar_t* title, const wchar_t* mark, DWORD color, int start);
    // The colour is taken only when the on/off state changes.
    void EnableTextBack(BOOL on, DWORD color);
    // Stored only; the next rebuild uses them.
    void EnableShadow(BOOL on);
    void EnableMultiLine(BOOL on);
    void EnableVCenter(BOOL on);
    int GetVirtualHeight();

protected:
    void SetControlEnabled(BOOL enabled) override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

private:
    void Change(const std::wstring* title, const std::wstring* mark, const DWORD* color,
                const int* start);
    void DrawPlain(Gdiplus::Graphics& graphics, const RECT& slice, int x0);
    void DrawMarked(Gdiplus::Graphics& graphics, const RECT& slice, int x0, size_t at);

    std::wstring m_mark;
    DWORD m_markColor = 0xFFED801B;
    int m_markStart = 0;
    BOOL m_back = FALSE;
    DWORD m_backColor = 0xFF008000;
    BOOL m_shadow = FALSE;
    DWORD m_shadowColor = 0xFF505050;
    BOOL m_multiLine = FALSE;
    BOOL m_vCenter = FALSE;
};

} // namespace OrvixUI
