#pragma once

#include "toolkit/core/MObject.h"

#include <mutex>
#include <string>
#include <vector>

namespace OrvixUI {

class PaintManager;

// Cursor names for SetCursorEx; they are recognised by identity, so pass these constants.
ORVIXUI_API extern const wchar_t* const kCursorArrow;
ORVIXUI_API extern const wchar_t* const kCursorWait;
ORVIXUI_API extern const wchar_t* const kCursorCross;
ORVIXUI_API extern const wchar_t* const kCursorSizeWE;
ORVIXUI_API extern const wchar_t* const kCursorSizeNS;
ORVIXUI_API extern const wchar_t* const kCursorHand;
ORVIXUI_API extern const wchar_t* const kCursorHelp;

// Where a pointer event goes that must land outside every control: a release that is no
// click, the pointer leaving.
inline constexpr POINT kNowhere = {-1, -1};

// A relative position: type 0 absolute, 1 centred, 2 percent; fromEnd measures from the end.
struct ORVIXUI_API FS_POSITION_ITEM {
    int type = 0;
    BOOL fromEnd = FALSE;
    float value = 0;
};
ORVIXUI_API int PositionItem2Value(const FS_POSITION_ITEM& item, int start, int end);

// The base of every windowless control: rectangle, states, two owned child lists (area
// children beneath the control's drawing, ordinary children above it), mouse and key
// routing through the tree, and the cached drawing surfaces.
class ORVIXUI_API MControl : public MObject {
public:
    MControl(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled, BOOL response);
    ~MControl() override;
    MControl(const MControl&) = delete;
    MControl& operator=(const MControl&) = delete;

    const wchar_t* GetClassNameW() override;
    // A child's repaint request: rebuild it if asked, then pass the area up.
    long OnControlUpdate(const RECT& rect, BOOL update, MControl* control) override;

    virtual void InitControl(PaintManager* manager);
    // True only when visible and the point lies in the rectangle.
    virtual BOOL PtInRect(POINT point);
    virtual void DrawControl(HDC dc, const RECT& clip) = 0;
    virtual void DrawSubControls(HDC dc, const RECT& clip);
    virtual BOOL IsDraw(POINT point);
    virtual void SetUpdate(BOOL update, COLORREF backColor);
    virtual void SetControlFocus(BOOL focus);
    virtual void InitUI(const RECT& rect);
    // Maps a window point into content coordinates; returns whether it changed.
    virtual BOOL OnMousePointChange(POINT& point);
    virtual BOOL OnCheckMouseResponse(UINT flags, POINT point);
    virtual LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual long OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam);

    // Routing entry points, called by the host or the parent; each returns whether the event
    // was consumed.
    BOOL OnMouseMove(UINT flags, POINT point);
    BOOL OnLButtonDown(UINT flags, POINT point);
    BOOL OnLButtonUp(UINT flags, POINT point);
    BOOL OnLButtonDblClk(UINT flags, POINT point);
    BOOL OnRButtonDown(UINT flags, POINT point);
    BOOL OnRButtonUp(UINT flags, POINT point);
    BOOL OnRButtonDblClk(UINT flags, POINT point);
    BOOL OnScroll(UINT kind, UINT direction, POINT point);
    BOOL OnKeyDown(UINT vk, UINT repeat, UINT modifiers);
    BOOL OnKeyUp(UINT vk, UINT repeat, UINT modifiers);
    BOOL OnTimer();
    void Draw(HDC dc, const RECT& clip);

    MObject* GetParantObject() const;
    void SetParent(MObject* parent);
    PaintManager* GetManager() const;
    // Also calls InitControl.
    void SetManager(PaintManager* manager);
    UINT GetControlID() const;
    const RECT& GetRect() const;
    void SetRect(const RECT& rect);
    void SetRect(int x, int y, int width, int height);
    BOOL IsVisible() const;
    void SetVisible(BOOL visible);
    void SetVisible(BOOL visible, BOOL repaint);
    BOOL IsParentVisible();
    BOOL IsEnabled() const;
    void SetEnabled(BOOL enabled);
    BOOL IsDragDrop() const;
    void SetDragDrop(BOOL dragDrop);
    BOOL GetRresponse() const;
    void SetRresponse(BOOL response);
    BOOL IsTabStop() const;
    void SetTabStop(BOOL tabStop);
    BOOL GetDblClk() const;
    void SetDblClk(BOOL doubleClick);
    BOOL IsKeyDown() const;
    BOOL IsFocused() const;
    // vk 0 means no hot key; modifiers must match exactly (see PaintManager::GetModifierCode).
    void SetHotKey(UINT vk, UINT modifiers);
    BOOL GetUpdate() const;
    BOOL IsRunTimer() const;
    void SetRunTimer(BOOL run);
    BOOL UseImageECM() const;
    void SetTrackInside(BOOL track);
    BOOL IsPointerOutside() const;
    // Code 3 on double click, code 14 on key down.
    void SetNotifyDblClk(BOOL notify);
    void SetNotifyKeyDown(BOOL notify);

    void UpdateControl(BOOL update, BOOL force);
    void UpdateControl(const RECT& rect, BOOL update, BOOL force);
    void UpdateAControl(BOOL flag, BOOL force);
    void SetCursorEx(const wchar_t* name);
    const wchar_t* GetTooltip() const;
    void SetTooltip(const wchar_t* text);
    void SetTooltip(const wchar_t* text, const RECT& rect);
    void ClearTooltip();
    void SetTooltipCtrlID(UINT id);
    UINT GetTooltipCtrlID();

    std::vector<MControl*>& GetControls();
    std::vector<MControl*>& GetAreaControls();
    // Held while the ordinary child list is walked from outside the control.
    std::recursive_mutex& GetControlLock();
    // Appends an owned child; it gets this control's manager.
    void AddControl(MControl* child);
    void AddAreaControl(MControl* child);
    MControl* GetControl(UINT id);
    void RemoveControl(MControl* child);
    void RemoveAllControl();
    MControl* GetHotControl() const;

    void AddMTimer();
    MControl* GetNextFocusableControl();
    MControl* GetPrevFocusableControl();
    MControl* GetFocusControl();
    long SendMessageW(UINT code, WPARAM wParam, LPARAM lParam);

    // Marks the cache valid and (re)creates the cached surface when the size changed.
    void UpdateMemDC(HDC dc, int width, int height);
    void UpdateAnimateDC(HDC dc, int width, int height);
    HDC GetMemDC() const;
    HDC GetAnimateDC() const;

protected:
    virtual void SetControlRect(const RECT& rect);
    virtual void SetControlVisible(BOOL visible);
    virtual void SetControlWndVisible(BOOL visible);
    virtual void SetControlEnabled(BOOL enabled);
    virtual BOOL OnControlTimer();
    virtual HBITMAP GetControlDropBitmap();
    virtual BOOL OnControlMouseMove(UINT flags, POINT point);
    virtual BOOL OnControlSetCursor(UINT flags, POINT point);
    virtual BOOL OnControlLButtonDown(UINT flags, POINT point);
    virtual BOOL OnControlLButtonUp(UINT flags, POINT point);
    virtual BOOL OnControlLButtonDblClk(UINT flags, POINT point);
    virtual BOOL OnControlScroll(UINT kind, UINT direction, POINT point);
    virtual BOOL OnControlRButtonDown(UINT flags, POINT point);
    virtual BOOL OnControlRButtonUp(UINT flags, POINT point);
    virtual BOOL OnControlRButtonDblClk(UINT flags, POINT point);
    virtual BOOL OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers);
    virtual void OnPositionChange();
    virtual void InvalidateRect(const RECT* rect, BOOL erase);

    // Children 1 and 2 of a panel are its scroll bars: they take unmapped points.
    static bool IsScrollBarID(UINT id);
    MControl* FindChildAt(POINT raw, POINT mapped);
    POINT ChildPoint(MControl* child, POINT raw, POINT mapped) const;

    MObject* m_parent = nullptr;
    PaintManager* m_manager = nullptr;
    UINT m_id = 0;
    RECT m_rect = {};
    BOOL m_visible = TRUE;
    BOOL m_enabled = TRUE;
    BOOL m_dragDrop = FALSE;
    BOOL m_response = TRUE;
    BOOL m_tabStop = FALSE;
    BOOL m_dblClk = FALSE;
    BOOL m_pressedInside = FALSE;
    BOOL m_keyDown = FALSE;
    BOOL m_focused = FALSE;
    UINT m_hotKey = 0;
    UINT m_hotKeyModifiers = 0;
    BOOL m_cacheValid = FALSE;
    BOOL m_animating = FALSE;
    BOOL m_runTimer = FALSE;
    BOOL m_useImageECM = FALSE;
    std::recursive_mutex m_areaLock;
    std::vector<MControl*> m_areaControls;
    std::recursive_mutex m_controlLock;
    std::vector<MControl*> m_controls;
    MControl* m_hot = nullptr;

    SIZE m_memSize = {0, 0};
    HBITMAP m_memBitmap = nullptr;
    HDC m_memDC = nullptr;
    HGDIOBJ m_memOldBitmap = nullptr;
    SIZE m_animateSize = {0, 0};
    HBITMAP m_animateBitmap = nullptr;
    HDC m_animateDC = nullptr;
    HGDIOBJ m_animateOldBitmap = nullptr;

    std::wstring m_tooltip;
    HCURSOR m_cursor = nullptr;
    BOOL m_trackInside = FALSE;
    BOOL m_pointerOutside = TRUE;
    BOOL m_notifyDblClk = FALSE;
    BOOL m_notifyKeyDown = FALSE;

private:
    friend class PaintManager;
    BOOL RouteButtonDown(UINT flags, POINT point, bool left);
    BOOL RouteButtonUp(UINT flags, POINT point, bool left);
    BOOL RouteDoubleClick(UINT flags, POINT point, bool left);
    void ReleaseSurface(HDC& dc, HBITMAP& bitmap, HGDIOBJ& old, SIZE& size);
    void CreateSurface(HDC source, int width, int height, HDC& dc, HBITMAP& bitmap, HGDIOBJ& old,
                       SIZE& size);
};

} // namespace OrvixUI
