#pragma once

#include <windows.h>

namespace OrvixUI {

class MEdit;

// The native edit window an MEdit places over itself while the user types: a window of the
// "FSEditWindow" class (a copy of the system edit class) whose messages pass through here
// first. Reflected notifications (message + 0x2000) arrive from the host's paint manager.
class CEditWnd {
public:
    explicit CEditWnd(MEdit& owner);
    ~CEditWnd();
    CEditWnd(const CEditWnd&) = delete;
    CEditWnd& operator=(const CEditWnd&) = delete;

    // A child of host, or with popup a top-level window owned by it; rect is in the parent's
    // client coordinates (screen coordinates for a popup).
    bool Create(HWND host, bool popup, const RECT& rect, DWORD style);
    void Destroy();
    HWND GetHwnd() const { return m_hwnd; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnColor(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaste();

    MEdit* m_owner;
    HWND m_hwnd = nullptr;
    WNDPROC m_previous = nullptr;
    HBRUSH m_brush = nullptr;
    COLORREF m_brushColor = CLR_INVALID;
};

} // namespace OrvixUI
