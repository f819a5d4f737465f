#pragma once

#include "toolkit/core/MObject.h"
#include "toolkit/core/MWindow.h"
#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

class MShadow;

// The toolkit's top-level, caption-less, custom-drawn window. Its controls report to its
// MObject side (OnBaseMessage, turned into OnMessage) and its embedded PaintManager routes
// window messages into them and paints them. The application derives its windows from it and
// overrides the handlers; each handler runs before the toolkit's routing of the same message.
class ORVIXUI_API MDialog : public MWindow, public MObject {
public:
    // The toolkit's close message; its wParam becomes the modal result.
    static constexpr UINT kCloseMessage = WM_USER + 66;
    // Styles a dialog gets at WM_CREATE: no caption or sizing frame; clip children and siblings.
    static constexpr DWORD kStyleKeep = 0xFF3BFFFF;
    static constexpr DWORD kStyleAdd = 0x06000008;

    MDialog();
    ~MDialog() override;

    // MObject side.
    const wchar_t* GetClassNameW() override;
    long OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    long OnControlUpdate(const RECT& rect, BOOL update, MControl* control) override;

    // MWindow side.
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    void OnDestroyMessage(HWND hwnd) override;

    // The screen point under the control's bottom edge: type 0 its left edge, 1 its centre,
    // 2 its right edge; (0, 0) for a null control.
    virtual POINT GetAirBladderPoint(MControl* control, int type);
    virtual void OnMinimize();
    virtual void OnMaximize();
    virtual void InitUI(const RECT& rect);
    virtual void UISize(const RECT& rect);
    virtual long OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam);
    // Answers the close message by posting WM_CLOSE with the same values.
    virtual LRESULT OnUserCloseWindow(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnCreate(CREATESTRUCTW* create);
    virtual LRESULT OnSize(UINT type, int cx, int cy);
    virtual LRESULT OnMouseMove(UINT flags, POINT point);
    virtual LRESULT OnMouseLeave();
    virtual LRESULT OnMouseHover(UINT flags, POINT point);
    virtual LRESULT OnMouseWheel(UINT flags, short delta, POINT point);
    virtual LRESULT OnLButtonDown(UINT flags, POINT point);
    virtual LRESULT OnLButtonUp(UINT flags, POINT point);
    virtual LRESULT OnLButtonDblClk(UINT flags, POINT point);
    virtual LRESULT OnRButtonDown(UINT flags, POINT point);
    virtual LRESULT OnRButtonUp(UINT flags, POINT point);
    virtual LRESULT OnRButtonDblClk(UINT flags, POINT point);
    virtual LRESULT OnKeyDown(UINT vk, UINT repeat, UINT flags);
    virtual LRESULT OnNcHitTest(POINT point);
    virtual LRESULT OnGetMinMaxInfo(MINMAXINFO* info);
    virtual LRESULT OnNcCalcSize(BOOL calcValidRects, LPARAM lParam);
    virtual LRESULT OnNcActivate(BOOL active);
    virtual LRESULT OnWindowPosChanging(WINDOWPOS* position);
    virtual LRESULT OnWindowPosChanged(WINDOWPOS* position);
    virtual LRESULT OnPaint();
    virtual LRESULT OnTimer(UINT_PTR id);
    virtual LRESULT OnNcPaint(HRGN region);
    // Returns 1; WM_CLOSE then reaches the default procedure, which destroys the window.
    virtual LRESULT OnClose();
    virtual LRESULT OnDestroy();
    virtual void PostNcDestroy();

    // Results: OK 1, Cancel 2, Close 2, Yes 6, No 7 (posted through the close message).
    void DoOK();
    void DoCancel();
    void DoClose();
    void DoYes();
    void DoNo();

    MControl* CreateControl(const wchar_t* className, UINT id, const RECT& rect,
                            const wchar_t* title, BOOL visible, BOOL enabled);
    MControl* CreateArea(const wchar_t* className, UINT id, const RECT& rect, const wchar_t* title,
                         BOOL visible, BOOL enabled);
    MControl* GetControl(UINT id);
    std::vector<MControl*>& GetControls();
    void SetFocusControl(MControl* control);
    PaintManager& GetPaintManager();

    UINT SetMTimer(UINT milliseconds);
    void KillMTimer(UINT id);
    BOOL LoadBKImage(const wchar_t* fileName);
    BOOL LoadBKImage(UINT resourceId, const wchar_t* resourceType);
    void SetBackMode(enumBackMode mode, int parameter);
    void SetScrollResID(UINT vertical, UINT horizontal);
    void SetLayeredWindow(BOOL layered);
    void EnableWndDrag(BOOL enable);
    void SetTooltip(const wchar_t* text, const RECT& rect);
    void ClearTooltip();
    void SetTooltipCtrlID(UINT id);
    UINT GetTooltipCtrlID();

    // An empty rectangle becomes a 200-pixel box centred at the client bottom.
    void SetMessage(const wchar_t* text, const RECT& rect, MsgLevel level);
    void SetProgress(int percent, const wchar_t* text, const RECT& rect);
    // 0 (nothing shown) when either coordinate is 0.
    BOOL SetAirBladderMsg(const wchar_t* text, POINT point, int type);

    // Drop shadow; setters return 0 for values out of range.
    BOOL CreateShadow(BOOL show, BOOL flag);
    BOOL SetSize(int size);
    BOOL SetSharpness(int sharpness);
    BOOL SetDarkness(int darkness);
    BOOL SetPosition(int x, int y);
    BOOL SetShadowColor(COLORREF color);
    BOOL SetShadowImage(const wchar_t* fileName, const RECT& corners);
    BOOL SetShadowShow(BOOL show);

    // Constant window alpha (255: opaque) and colour key (0xFFFFFF: none), applied by
    // SetupBackTranslucent when the window is sized.
    void SetWindowAlpha(BYTE alpha);
    void SetColorKey(COLORREF key);
    void SetupBackTranslucent();
    void SetVerticalOffset(int offset);

protected:
    PaintManager m_pm;
    RECT m_clientRect = {};
    COLORREF m_colorKey = 0xFFFFFF;
    BYTE m_alpha = 255;
    int m_verticalOffset = 0;

private:
    LRESULT DispatchHandler(UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace OrvixUI
