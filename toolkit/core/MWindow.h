#pragma once

#include "toolkit/core/OrvixApi.h"

#include <windows.h>

namespace OrvixUI {

// A native window owned by an object: registers its class (or a superclass of a system class),
// routes every message to OnWindowMessage, and runs a modal loop. Every wrapper acts only while
// the window exists and otherwise returns 0.
class ORVIXUI_API MWindow {
public:
    // Style of the default Create overloads; a dialog replaces it at WM_CREATE.
    static constexpr DWORD kDefaultStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;

    MWindow();
    virtual ~MWindow();
    MWindow(const MWindow&) = delete;
    MWindow& operator=(const MWindow&) = delete;

    virtual const wchar_t* GetWindowClassName();
    // A system class name such as "Edit" makes the window a superclass of it; null by default.
    virtual const wchar_t* GetSuperClassName();
    virtual BOOL ShowWindow(int cmd);
    virtual LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // True consumes the message before translation in the modal loop.
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnInitDialog();
    virtual void OnDestroyMessage(HWND hwnd);

    // The live window when there is one already; null when the class or window cannot be made.
    HWND Create(HWND parent);
    HWND Create(HWND parent, const RECT& rect);
    HWND Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, const RECT& rect);
    HWND Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, const RECT& rect,
                HMENU menu);

    // Shows the window, disables its owner and serves every window of the thread until this
    // one is gone. Returns the result carried by the WM_CLOSE that ended it (2, cancel, when
    // it carried none), or -1 without a window. The object may delete itself meanwhile.
    INT_PTR ShowModal(int cmdShow = SW_SHOWNORMAL);
    BOOL IsModal() const;

    HWND GetSafeHwnd() const;
    HWND GetParentHwnd() const;
    BOOL DestroyWindow();
    BOOL EnableWindow(BOOL enable);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL InvalidateRect(const RECT* rect, BOOL erase);
    HWND SetCapture();
    BOOL ReleaseCapture();
    HWND SetFocus();
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds, TIMERPROC callback = nullptr);
    BOOL KillTimer(UINT_PTR id);
    BOOL ClientToScreen(POINT* point) const;
    BOOL ScreenToClient(POINT* point) const;
    BOOL SetWindowPos(HWND after, int x, int y, int width, int height, UINT flags);
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint);
    BOOL GetClientRect(RECT* rect) const;
    BOOL GetWindowRect(RECT* rect) const;
    BOOL SetWindowTextW(const wchar_t* text);
    int GetWindowTextW(wchar_t* text, int count) const;
    int GetWindowTextLengthW() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add);
    BOOL ModifyExStyle(DWORD remove, DWORD add);
    LRESULT SendMessageW(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL PostMessageW(UINT message, WPARAM wParam, LPARAM lParam);

    // The library's icon resource at the large and the small system size.
    void SetIcon(UINT resourceId);
    // Centres on `other`, else on the parent or owner, else on the monitor's work area, and
    // keeps the window inside it; no resizing, activation or z-order change.
    void CenterWindow(HWND other = nullptr);
    void BringToTop();

    // The toolkit window behind a handle, or null.
    static MWindow* FromHandle(HWND hwnd);

protected:
    LRESULT CallPrevProc(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_parentHwnd = nullptr;
    HWND m_hwnd = nullptr;
    WNDPROC m_prevProc = ::DefWindowProcW;
    BOOL m_flag = FALSE;

private:
    struct ModalState;
    bool RegisterWindowClass();
    bool RegisterSuperclass();
    void NoteClose(WPARAM wParam);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Route(MWindow* window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                         bool superclass);

    ModalState* m_modal = nullptr;
};

} // namespace OrvixUI
