#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

class MScroll;

// A container with a virtual (scrollable) area. Its first two children are its scroll bars,
// ids 1 (vertical, rightmost 7 pixels) and 2 (horizontal, bottom 7 pixels). Notifications of
// its other children pass through unchanged, so the window sees the id of the control where
// the event happened.
class ORVIXUI_API MPanel : public MControlFont {
public:
    MPanel(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);
    ~MPanel() override;

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const RECT& clip) override;
    void DrawSubControls(HDC dc, const RECT& clip) override;
    BOOL OnMousePointChange(POINT& point) override;
    BOOL OnCheckMouseResponse(UINT flags, POINT point) override;
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    long OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    long OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    long OnControlUpdate(const RECT& rect, BOOL update, MControl* control) override;

    // Build a child by class name (container level) into the area or the ordinary list.
    virtual MControl* CreateArea(const wchar_t* className, UINT id, const RECT& rect,
                                 const wchar_t* title, BOOL visible, BOOL enabled);
    virtual MControl* CreateControl(int kind, MObject* parent, const wchar_t* className, UINT id,
                                    const RECT& rect, const wchar_t* title, BOOL visible,
                                    BOOL enabled);
    virtual MControl* CreateControl(const wchar_t* className, UINT id, const RECT& rect,
                                    const wchar_t* title, BOOL visible, BOOL enabled);
    virtual BOOL OnControlKeyUp(UINT vk, UINT repeat, UINT modifiers);

    void SetEnableScroll(BOOL enable);
    BOOL GetEnableScroll() const;
    void SetVirtualHeight(int height);
    void SetVirtualWidth(int width);
    int GetVirtualHeight() const;
    int GetVirtualWidth() const;
    MScroll* GetScrollVertical() const;
    MScroll* GetScrollHorizontal() const;
    // Content offsets in pixels, from the scroll bars' positions.
    int GetScrollOffsetY() const;
    int GetScrollOffsetX() const;

protected:
    void SetControlRect(const RECT& rect) override;
    void SetControlVisible(BOOL visible) override;
    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlScroll(UINT kind, UINT direction, POINT point) override;

    bool IsScrolling() const;
    void LayoutScrollBars();

    BOOL m_enableScroll = TRUE;
    BOOL m_managerKnown = FALSE;
    int m_virtualHeight = 0;
    int m_virtualWidth = 0;
    MScroll* m_vScroll = nullptr;
    MScroll* m_hScroll = nullptr;
    int m_scrollSize = 7;
    int m_offsetY = 0;
    int m_offsetX = 0;
};

} // namespace OrvixUI
