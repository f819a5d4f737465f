#pragma once

#include "toolkit/core/DragDrop.h"
#include "toolkit/core/FontCache.h"
#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MControl.h"
#include "toolkit/core/MControlFont.h"
#include "toolkit/core/RKTimer.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace OrvixUI {

class MAirBladder;
class MShadow;

enum enumBackMode { BACK_MODE_IMAGE = 0, BACK_MODE_NINE_PATCH = 1 };
enum MsgLevel { MSG_LEVEL_INFO = 0, MSG_LEVEL_WARNING = 1, MSG_LEVEL_ERROR = 2 };

// The host of one window's control tree: creates controls by class name, routes window
// messages into the tree (hover, focus, capture, keys, wheel, timers), paints the whole tree
// into one off-screen 32-bit buffer, and keeps the window's image and font caches.
//
// Sections: set-up and tear-down, controls, hover and focus, messages (PaintManagerInput.cpp),
// repaint and painting, overlay and tooltip (PaintManagerPaint.cpp), timers, caches.
class ORVIXUI_API PaintManager : public RKTimer, public CIDropTarget {
public:
    // Reserved window timer ids: caret blink, overlay hold, overlay fade, progress animation.
    static constexpr UINT kCaretTimer = 6553;
    static constexpr UINT kOverlayHoldTimer = 66;
    static constexpr UINT kOverlayFadeTimer = 88;
    static constexpr UINT kProgressTimer = 99;
    static constexpr UINT kHoverTime = 400;
    static constexpr UINT kScrollImageVertical = 102;
    static constexpr UINT kScrollImageHorizontal = 101;
    static constexpr UINT kToolkitFontResource = 106;

    PaintManager();
    ~PaintManager() override;

    // --- Set-up and tear-down ---
    void Init(HWND hwnd, MObject* owner);
    void DestroyData();
    BOOL IsInitialized() const;
    MObject* GetMDialog() const;
    HWND GetPaintWnd() const;
    HDC GetPaintDC() const;

    // --- Controls ---
    MControl* CreateControl(MObject* parent, const wchar_t* className, UINT id, const RECT& rect,
                            const wchar_t* title, BOOL visible, BOOL enabled);
    MControl* CreateArea(MObject* parent, const wchar_t* className, UINT id, const RECT& rect,
                         const wchar_t* title, BOOL visible, BOOL enabled);
    // kind 1 adds to the control list, 0 to the area list.
    MControl* CreateControl(int kind, MObject* parent, const wchar_t* className, UINT id,
                            const RECT& rect, const wchar_t* title, BOOL visible, BOOL enabled);
    // Takes ownership of a control built by the caller; it gets this manager.
    void AddControl(MControl* control);
    void AddArea(MControl* control);
    MControl* GetControl(UINT id);
    void RemoveControl(MControl* control);
    void ClearAreaControls();
    void ClearControls();
    void ClearAllControls();
    std::vector<MControl*>& GetControls();
    // Held while the control list is walked from outside the manager.
    std::recursive_mutex& GetControlLock();
    // Drops every reference to a control that is being destroyed.
    void ForgetControl(MControl* control);

    // --- Hover, focus, capture ---
    MControl* GetHoverControl() const;
    // The control whose press is in progress, null when none.
    MControl* GetPressedControl() const;
    MControl* GetFocusControl() const;
    void SetFocusControl(MControl* control);
    MControl* GetNextFocusableControl();
    MControl* GetPrevFocusableControl();
    void SetCapture();
    void ReleaseCapture();
    BOOL IsCaptured() const;
    void EnableWndDrag(BOOL enable);
    // Alt 18, else Shift 16, else 0; Ctrl OR-ed in as 17.
    static UINT GetModifierCode();

    // --- Messages ---
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL PreTranslateMessage(const MSG* msg);
    LRESULT SendMessageW(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL PostMessageW(UINT message, WPARAM wParam, LPARAM lParam);
    void Invalidate();
    void InvalidateRect(const RECT* rect, BOOL erase);
    void GetClientRect(RECT* rect);
    void GetWindowRect(RECT* rect);
    void GetClientSize(int& width, int& height);

    // --- Repaint and painting ---
    long OnControlUpdate(const RECT& rect, BOOL update, MControl* control);
    // Draws background, controls and overlay into a 32-bit bottom-up buffer selected into dc
    // whose pixels are at bits (null: drawn through dc only).
    void PaintBuffer(HDC dc, void* bits, int width, int height, const RECT& update);
    BOOL LoadBKImage(const wchar_t* fileName);
    BOOL LoadBKImage(UINT resourceId, const wchar_t* resourceType);
    void SetBackMode(enumBackMode mode, int parameter);
    void SetBackColor(COLORREF fill, COLORREF border);
    COLORREF GetBackColor() const;
    void SetLayeredWindow(BOOL layered);
    BOOL IsLayered() const;
    void SetCaptionRect(const RECT& rect);
    const RECT& GetCaptionRect() const;
    void SetWindowMaxSize(int width, int height);
    void SetWindowMixSize(int width, int height);
    SIZE GetWindowManSize() const;
    SIZE GetWindowMinSize() const;
    void SetScrollResID(UINT vertical, UINT horizontal);
    UINT GetScrollVID() const;
    UINT GetScrollHID() const;
    COLORREF GetDefaultEnabledColor() const;
    void SetDefaultEnabledColor(COLORREF color);

    // --- Overlay and tooltip ---
    void SetMessage(const wchar_t* text, const RECT& rect, MsgLevel level);
    void SetProgress(int percent, const wchar_t* text, const RECT& rect);
    int GetOverlayAlpha() const;
    int GetShownProgress() const;
    void SetTooltip(const wchar_t* text, const RECT& rect);
    void ClearTooltip();
    HWND GetToolTipWnd() const;
    UINT GetTooltipCtrlID() const;
    void SetTooltipCtrlID(UINT id);

    // --- Bubble tip (made on first use) and drop shadow ---
    void SetAirBladderMsg(const wchar_t* text, POINT point, int type, int mode);
    // Hiding with an owner id hides only a tip that belongs to that control.
    void ShowAirBladder(BOOL show, UINT ownerId);
    MAirBladder* GetAirBladder() const;
    BOOL CreateShadow(BOOL show, BOOL flag);
    BOOL SetSize(int size);
    BOOL SetSharpness(int sharpness);
    BOOL SetDarkness(int darkness);
    BOOL SetPosition(int x, int y);
    BOOL SetShadowColor(COLORREF color);
    BOOL SetShadowImage(const wchar_t* fileName, const RECT& corners);
    BOOL SetShadowShow(BOOL show);
    void DisableShadow();
    MShadow* GetShadow() const;

    // --- Drag and drop ---
    // Registers the window as a drop target.
    BOOL InitDragDrop();
    // Accepts every drop of a bitmap or metafile; the window does nothing more with it.
    BOOL OnDrop(FORMATETC* format, STGMEDIUM& medium, DWORD* effect) override;
    // The clipboard format of the last drop taken, 0 before any.
    CLIPFORMAT GetLastDropFormat() const;
    // A new bitmap of rect filled with color and the control drawn over it; the caller owns it.
    HBITMAP GetDropBitmap(MControl* control, const RECT& rect, COLORREF color);
    BOOL IsDragArmed() const;

    // --- Caret (text entry controls) ---
    void CreateCaret(HBITMAP bitmap, int width, int height);
    void SetCaretPos(MControlFont* owner, int x, int y);
    void ShowCaret(BOOL show);
    // Blinks in the owner's text colour while the owner has the focus and the window the
    // keyboard focus; otherwise the caret stops.
    void DrawCaret(HDC dc, const RECT& clip);
    MControlFont* GetCurrentCaretObject() const;
    BOOL IsCaretShown() const;

    // --- Timers ---
    // Window timers for controls; returns 1 when started, 0 when already running or refused.
    BOOL SetTimer(MControl* control, UINT key, UINT milliseconds);
    BOOL KillTimer(MControl* control, UINT key);
    void KillTimer(MControl* control);
    void ClearTimers();
    // The system timer id behind a control's key, 0 when none.
    UINT GetTimerID(MControl* control, UINT key);
    // The shared animation timer.
    UINT SetMTimer(UINT milliseconds);
    void KillMTimer(UINT id);
    void KillMTimer();
    void AddMTimer(MControl* control);
    BOOL DeleteFSTimer(MControl* control);
    void OnMTimer(UINT id) override;

    // --- Caches ---
    ImgResInfo* AddImgResInfo(const wchar_t* fileName, int frameCount);
    ImgResInfo* AddImgResInfo(UINT resourceId, const wchar_t* resourceType, int frameCount,
                              BOOL fromApp);
    void ClearImgResInfo();
    Gdiplus::FontFamily* AddTempFont(const wchar_t* face, const wchar_t* filePath);
    Gdiplus::FontFamily* AddTempFont(const wchar_t* face, UINT resourceId);
    BOOL AddGDITempFont(UINT resourceId);
    Gdiplus::FontFamily* FindTempFont(const wchar_t* face);
    void ClearTempFont();

private:
    struct WindowTimer {
        HWND hwnd;
        UINT key;
        UINT id;
        bool stopped;
        MControl* control;
    };

    bool HasWindow() const;
    MControl* LastControlAt(POINT point);
    static bool TakesPress(MControl* control, UINT flags, POINT point);
    void BeginPress(MControl* control, bool left);
    void CancelPress();
    bool IsPressing() const;
    void OnMouseMoveMessage(UINT flags, POINT point);
    void OnMouseLeaveMessage();
    void OnCaptureChanged(HWND gaining);
    void OnButtonDown(UINT flags, POINT point, bool left);
    void OnButtonUp(UINT flags, POINT point, bool left);
    void OnDoubleClick(UINT flags, POINT point, bool left);
    void OnWheel(WPARAM wParam, LPARAM lParam);
    void OnActivate(BOOL active);
    void OnKeyDownMessage(UINT vk);
    void ArmDrag(MControl* control, POINT point);
    void DisarmDrag();
    void StartDrag();
    void OnTimerMessage(UINT id);
    void OnReservedTimer(UINT id);
    LRESULT OnPaintMessage();
    void DrawBackground(HDC dc, void* bits, int width, int height);
    void DrawOverlay(HDC dc);
    void InvalidateOverlay();
    UINT NextTimerID();
    bool IsReservedTimer(UINT id) const;

    MObject* m_owner = nullptr;
    BOOL m_initialized = FALSE;
    HWND m_hwnd = nullptr;
    HDC m_paintDC = nullptr;
    COLORREF m_fillColor = 0x130D09;
    COLORREF m_borderColor = 0x555028;
    RECT m_captionRect = {};
    SIZE m_maxSize = {0, 0};
    SIZE m_minSize = {0, 0};
    BOOL m_layered = FALSE;
    Gdiplus::Image* m_backImage = nullptr;
    enumBackMode m_backMode = BACK_MODE_IMAGE;
    int m_backParameter = 4;

    std::wstring m_overlayText;
    MsgLevel m_overlayLevel = MSG_LEVEL_INFO;
    int m_overlayAlpha = 0;
    int m_progressShown = 0;
    int m_progressTarget = 0;
    std::wstring m_overlayFont;
    RECT m_overlayRect = {};

    RECT m_caretRect = {};
    bool m_caretPhase = false;
    BOOL m_caretShown = FALSE;
    MControlFont* m_caretOwner = nullptr;

    UINT m_sharedTimer = 0;
    BOOL m_tracking = FALSE;
    BOOL m_active = TRUE;
    BOOL m_leftHeld = FALSE;
    BOOL m_rightHeld = FALSE;
    BOOL m_captured = FALSE;
    BOOL m_windowDrag = TRUE;
    int m_wheelRemainder = 0;
    UINT m_scrollVID = 0;
    UINT m_scrollHID = 0;
    COLORREF m_disabledTextColor = 0x808080;
    MControl* m_hover = nullptr;
    // The control that took the press; it owns the mouse until the release.
    MControl* m_pressed = nullptr;
    MControl* m_focus = nullptr;
    UINT m_tooltipCtrlID = 0;
    HWND m_tooltip = nullptr;

    std::recursive_mutex m_areaLock;
    std::vector<MControl*> m_areas;
    std::recursive_mutex m_controlLock;
    std::vector<MControl*> m_controls;
    std::recursive_mutex m_sharedTimerLock;
    std::vector<MControl*> m_sharedTimerControls;
    std::recursive_mutex m_timerLock;
    std::vector<WindowTimer> m_timers;
    UINT m_timerCounter = 4096;

    ImageCache m_images;
    FontCache m_fonts;

    POINT m_dragLast = {0, 0};
    BOOL m_dragArmed = FALSE;
    HBITMAP m_dragBitmap = nullptr;
    MControl* m_dragControl = nullptr;
    CLIPFORMAT m_lastDropFormat = 0;

    std::unique_ptr<MAirBladder> m_airBladder;
    UINT m_airBladderOwner = 0;
    std::unique_ptr<MShadow> m_shadow;
};

} // namespace OrvixUI
