#include "toolkit/core/MControl.h"

#include "toolkit/core/MRender.h"
#include "toolkit/core/PaintManager.h"

#include <algorithm>
#include <cwchar>

namespace OrvixUI {

const wchar_t* const kCursorArrow = L"arrow";
const wchar_t* const kCursorWait = L"wait";
const wchar_t* const kCursorCross = L"cross";
const wchar_t* const kCursorSizeWE = L"sizewe";
const wchar_t* const kCursorSizeNS = L"sizens";
const wchar_t* const kCursorHand = L"hand";
const wchar_t* const kCursorHelp = L"help";

int PositionItem2Value(const FS_POSITION_ITEM& item, int start, int end) {
    switch (item.type) {
    case 0:
        return static_cast<int>(item.fromEnd ? end - item.value : start + item.value);
    case 1:
        return static_cast<int>(start + (end - start) / 2 +
                                (item.fromEnd ? -item.value : item.value));
    case 2:
        return std::min(end, static_cast<int>(start + (end - start) * item.value / 100));
    default:
        return 0;
    }
}

namespace {

bool Overlaps(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

} // namespace

MControl::MControl(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled,
                   BOOL response)
    : m_parent(parent), m_id(id), m_rect(rect), m_visible(visible ? TRUE : FALSE),
      m_enabled(enabled ? TRUE : FALSE), m_response(response ? TRUE : FALSE) {}

MControl::~MControl() {
    if (m_manager) {
        m_manager->ForgetControl(this);
    }
    RemoveAllControl();
    ReleaseSurface(m_memDC, m_memBitmap, m_memOldBitmap, m_memSize);
    ReleaseSurface(m_animateDC, m_animateBitmap, m_animateOldBitmap, m_animateSize);
}

const wchar_t* MControl::GetClassNameW() { return L"FSControl"; }

long MControl::OnControlUpdate(const RECT& rect, BOOL update, MControl* control) {
    if (control && update) {
        control->SetUpdate(FALSE, 0);
    }
    return m_parent ? m_parent->OnControlUpdate(rect, FALSE, this) : 0;
}

void MControl::InitControl(PaintManager*) {}

BOOL MControl::PtInRect(POINT point) { return m_visible && ::PtInRect(&m_rect, point); }

void MControl::DrawSubControls(HDC dc, const RECT& clip) {
    std::lock_guard guard(m_controlLock);
    for (MControl* child : m_controls) {
        if (child->IsVisible()) {
            child->Draw(dc, clip);
        }
    }
}

BOOL MControl::IsDraw(POINT) { return FALSE; }

void MControl::SetUpdate(BOOL update, COLORREF) { m_cacheValid = update ? TRUE : FALSE; }

void MControl::SetControlFocus(BOOL focus) { m_focused = focus ? TRUE : FALSE; }

void MControl::InitUI(const RECT&) {}

BOOL MControl::OnMousePointChange(POINT&) { return FALSE; }

BOOL MControl::OnCheckMouseResponse(UINT, POINT) { return TRUE; }

LRESULT MControl::OnWindowMessage(UINT, WPARAM, LPARAM) { return 0; }

long MControl::OnMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }

void MControl::SetControlRect(const RECT& rect) { m_rect = rect; }
void MControl::SetControlVisible(BOOL visible) { m_visible = visible ? TRUE : FALSE; }
void MControl::SetControlWndVisible(BOOL) {}
void MControl::SetControlEnabled(BOOL enabled) { m_enabled = enabled ? TRUE : FALSE; }
BOOL MControl::OnControlTimer() { return FALSE; }
HBITMAP MControl::GetControlDropBitmap() { return nullptr; }
BOOL MControl::OnControlMouseMove(UINT, POINT) { return FALSE; }

BOOL MControl::OnControlSetCursor(UINT, POINT point) {
    if (m_cursor && ::PtInRect(&m_rect, point)) {
        SetCursor(m_cursor);
        return TRUE;
    }
    return FALSE;
}

BOOL MControl::OnControlLButtonDown(UINT, POINT) { return FALSE; }
BOOL MControl::OnControlLButtonUp(UINT, POINT) { return FALSE; }
BOOL MControl::OnControlLButtonDblClk(UINT, POINT) { return FALSE; }
BOOL MControl::OnControlScroll(UINT, UINT, POINT) { return FALSE; }
BOOL MControl::OnControlRButtonDown(UINT, POINT) { return FALSE; }
BOOL MControl::OnControlRButtonUp(UINT, POINT) { return FALSE; }
BOOL MControl::OnControlRButtonDblClk(UINT, POINT) { return FALSE; }

BOOL MControl::OnControlKeyDown(UINT vk, UINT, UINT modifiers) {
    return m_hotKey != 0 && vk == m_hotKey && modifiers == m_hotKeyModifiers;
}

void MControl::OnPositionChange() {}

void MControl::InvalidateRect(const RECT* rect, BOOL erase) {
    if (m_manager) {
        m_manager->InvalidateRect(rect ? rect : &m_rect, erase);
    }
}

bool MControl::IsScrollBarID(UINT id) { return id == 1 || id == 2; }

POINT MControl::ChildPoint(MControl* child, POINT raw, POINT mapped) const {
    return IsScrollBarID(child->GetControlID()) ? raw : mapped;
}

MControl* MControl::FindChildAt(POINT raw, POINT mapped) {
    std::lock_guard guard(m_controlLock);
    MControl* found = nullptr;
    for (MControl* child : m_controls) {
        if (child->IsVisible() && child->IsEnabled() && child->GetRresponse() &&
            child->PtInRect(ChildPoint(child, raw, mapped))) {
            found = child;
        }
    }
    return found;
}

// Children are routed as the window routes its own controls: a disabled child takes no part,
// so the pointer and presses reach what lies beneath it; one disabled during its press keeps
// the moves until the release, which lands outside it so that it is no click.
BOOL MControl::OnMouseMove(UINT flags, POINT point) {
    if (!m_visible || !m_response) {
        return FALSE;
    }
    POINT mapped = point;
    OnMousePointChange(mapped);
    if (m_hot) {
        POINT hotPoint = ChildPoint(m_hot, point, mapped);
        if (m_pressedInside || (m_hot->IsEnabled() && m_hot->PtInRect(hotPoint) &&
                                m_hot->OnCheckMouseResponse(flags, hotPoint))) {
            return m_hot->OnMouseMove(flags, hotPoint);
        }
    }
    MControl* before = m_hot;
    m_hot = nullptr;
    const BOOL inside = ::PtInRect(&m_rect, point) && OnCheckMouseResponse(flags, point);
    if (!m_tooltip.empty() && inside && m_manager && m_manager->GetTooltipCtrlID() != m_id) {
        SetTooltip(m_tooltip.c_str(), m_rect);
    }
    BOOL consumed = OnControlSetCursor(flags, point);
    consumed = OnControlMouseMove(flags, point) || consumed;
    if (m_trackInside) {
        m_pointerOutside = inside ? FALSE : TRUE;
    }
    if (!m_pressedInside) {
        std::lock_guard guard(m_controlLock);
        for (MControl* child : m_controls) {
            if (!child->IsEnabled()) {
                continue;
            }
            POINT childPoint = ChildPoint(child, point, mapped);
            if (child->OnMouseMove(flags, childPoint) && child->PtInRect(childPoint)) {
                m_hot = child;
            }
        }
    }
    return m_hot || before || consumed;
}

BOOL MControl::RouteButtonDown(UINT flags, POINT point, bool left) {
    if (!m_visible || !m_response) {
        return FALSE;
    }
    POINT mapped = point;
    OnMousePointChange(mapped);
    m_pressedInside = ::PtInRect(&m_rect, point);
    MControl* hot = FindChildAt(point, mapped);
    if (hot) {
        m_hot = hot;
        POINT childPoint = ChildPoint(hot, point, mapped);
        return left ? hot->OnLButtonDown(flags, childPoint) : hot->OnRButtonDown(flags, childPoint);
    }
    if (m_manager) {
        m_manager->SetFocusControl(this);
    }
    return left ? OnControlLButtonDown(flags, point) : OnControlRButtonDown(flags, point);
}

BOOL MControl::RouteButtonUp(UINT flags, POINT point, bool left) {
    if (!m_visible || !m_response) {
        return FALSE;
    }
    POINT mapped = point;
    OnMousePointChange(mapped);
    m_pressedInside = FALSE;
    if (m_hot) {
        const POINT childPoint = m_hot->IsEnabled() ? ChildPoint(m_hot, point, mapped) : kNowhere;
        return left ? m_hot->OnLButtonUp(flags, childPoint) : m_hot->OnRButtonUp(flags, childPoint);
    }
    return left ? OnControlLButtonUp(flags, point) : OnControlRButtonUp(flags, point);
}

BOOL MControl::RouteDoubleClick(UINT flags, POINT point, bool left) {
    if (!m_visible || !m_response) {
        return FALSE;
    }
    POINT mapped = point;
    OnMousePointChange(mapped);
    m_pressedInside = FALSE;
    if (m_hot && m_hot->IsEnabled()) {
        POINT childPoint = ChildPoint(m_hot, point, mapped);
        BOOL consumed = left ? m_hot->OnLButtonDblClk(flags, childPoint)
                             : m_hot->OnRButtonDblClk(flags, childPoint);
        if (!consumed && !m_hot->GetDblClk()) {
            consumed = left ? m_hot->OnLButtonDown(flags, childPoint)
                            : m_hot->OnRButtonDown(flags, childPoint);
        }
        return consumed;
    }
    if (!m_dblClk) {
        return left ? OnControlLButtonDown(flags, point) : OnControlRButtonDown(flags, point);
    }
    if (m_notifyDblClk && ::PtInRect(&m_rect, point)) {
        SendMessageW(3, flags, reinterpret_cast<LPARAM>(&point));
    }
    return left ? OnControlLButtonDblClk(flags, point) : OnControlRButtonDblClk(flags, point);
}

BOOL MControl::OnLButtonDown(UINT flags, POINT point) {
    return RouteButtonDown(flags, point, true);
}
BOOL MControl::OnLButtonUp(UINT flags, POINT point) { return RouteButtonUp(flags, point, true); }
BOOL MControl::OnLButtonDblClk(UINT flags, POINT point) {
    return RouteDoubleClick(flags, point, true);
}
BOOL MControl::OnRButtonDown(UINT flags, POINT point) {
    return RouteButtonDown(flags, point, false);
}
BOOL MControl::OnRButtonUp(UINT flags, POINT point) { return RouteButtonUp(flags, point, false); }
BOOL MControl::OnRButtonDblClk(UINT flags, POINT point) {
    return RouteDoubleClick(flags, point, false);
}

BOOL MControl::OnScroll(UINT kind, UINT direction, POINT point) {
    if (!m_visible || !m_response || !m_enabled) {
        return FALSE;
    }
    POINT mapped = point;
    OnMousePointChange(mapped);
    if (m_hot) {
        POINT hotPoint = ChildPoint(m_hot, point, mapped);
        if (m_hot->PtInRect(hotPoint) && m_hot->OnCheckMouseResponse(0, hotPoint) &&
            m_hot->OnScroll(kind, direction, hotPoint)) {
            return TRUE;
        }
    }
    if (::PtInRect(&m_rect, point) && OnControlScroll(kind, direction, point)) {
        return TRUE;
    }
    std::lock_guard guard(m_controlLock);
    for (MControl* child : m_controls) {
        POINT childPoint = ChildPoint(child, point, mapped);
        if (child->PtInRect(childPoint) && child->OnScroll(kind, direction, childPoint)) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL MControl::OnKeyDown(UINT vk, UINT repeat, UINT modifiers) {
    {
        std::lock_guard guard(m_controlLock);
        for (MControl* child : m_controls) {
            if (child->IsFocused()) {
                return child->OnKeyDown(vk, repeat, modifiers);
            }
        }
    }
    BOOL consumed = m_hot && m_hot->OnKeyDown(vk, repeat, modifiers);
    if (!consumed) {
        consumed = OnControlKeyDown(vk, repeat, modifiers);
    }
    if (!consumed) {
        std::lock_guard guard(m_controlLock);
        for (MControl* child : m_controls) {
            if (child->OnKeyDown(vk, repeat, modifiers)) {
                consumed = TRUE;
                break;
            }
        }
    }
    if (m_notifyKeyDown) {
        SendMessageW(14, vk, modifiers);
    }
    return consumed;
}

BOOL MControl::OnKeyUp(UINT, UINT, UINT) { return FALSE; }

BOOL MControl::OnTimer() {
    BOOL changed = OnControlTimer();
    std::lock_guard guard(m_controlLock);
    for (MControl* child : m_controls) {
        if (child->IsRunTimer() && child->IsVisible()) {
            changed = child->OnTimer() || changed;
        }
    }
    return changed;
}

void MControl::Draw(HDC dc, const RECT& clip) {
    if (!m_visible || !Overlaps(m_rect, clip)) {
        return;
    }
    {
        std::lock_guard guard(m_areaLock);
        for (MControl* area : m_areaControls) {
            if (Overlaps(area->GetRect(), m_rect)) {
                area->Draw(dc, clip);
            }
        }
    }
    DrawControl(dc, clip);
    DrawSubControls(dc, clip);
}

MObject* MControl::GetParantObject() const { return m_parent; }
void MControl::SetParent(MObject* parent) { m_parent = parent; }
PaintManager* MControl::GetManager() const { return m_manager; }

void MControl::SetManager(PaintManager* manager) {
    m_manager = manager;
    InitControl(manager);
}

UINT MControl::GetControlID() const { return m_id; }
const RECT& MControl::GetRect() const { return m_rect; }

void MControl::SetRect(const RECT& rect) {
    RECT old = m_rect;
    SetControlRect(rect);
    if (m_visible) {
        RECT both;
        UnionRect(&both, &old, &m_rect);
        UpdateControl(both, TRUE, FALSE);
    }
}

void MControl::SetRect(int x, int y, int width, int height) {
    SetRect(RECT{x, y, x + width, y + height});
}

BOOL MControl::IsVisible() const { return m_visible; }

void MControl::SetVisible(BOOL visible) { SetVisible(visible, TRUE); }

void MControl::SetVisible(BOOL visible, BOOL repaint) {
    if ((visible ? TRUE : FALSE) == m_visible) {
        return;
    }
    SetControlVisible(visible);
    if (repaint) {
        UpdateControl(TRUE, TRUE);
    }
}

BOOL MControl::IsParentVisible() {
    MObject* parent = m_parent;
    if (!parent) {
        return FALSE;
    }
    while (parent) {
        if (parent->IsClass(L"MDialog")) {
            return TRUE;
        }
        auto* control = dynamic_cast<MControl*>(parent);
        if (!control) {
            return TRUE;
        }
        if (!control->IsVisible()) {
            return FALSE;
        }
        parent = control->GetParantObject();
    }
    return TRUE;
}

BOOL MControl::IsEnabled() const { return m_enabled; }

void MControl::SetEnabled(BOOL enabled) {
    if ((enabled ? TRUE : FALSE) == m_enabled) {
        return;
    }
    SetControlEnabled(enabled);
    if (m_visible) {
        UpdateControl(FALSE, FALSE);
    }
}

BOOL MControl::IsDragDrop() const { return m_dragDrop; }
void MControl::SetDragDrop(BOOL dragDrop) { m_dragDrop = dragDrop ? TRUE : FALSE; }
BOOL MControl::GetRresponse() const { return m_response; }
void MControl::SetRresponse(BOOL response) { m_response = response ? TRUE : FALSE; }
BOOL MControl::IsTabStop() const { return m_tabStop; }
void MControl::SetTabStop(BOOL tabStop) { m_tabStop = tabStop ? TRUE : FALSE; }
BOOL MControl::GetDblClk() const { return m_dblClk; }
void MControl::SetDblClk(BOOL doubleClick) { m_dblClk = doubleClick ? TRUE : FALSE; }
BOOL MControl::IsKeyDown() const { return m_keyDown; }
BOOL MControl::IsFocused() const { return m_focused; }

void MControl::SetHotKey(UINT vk, UINT modifiers) {
    m_hotKey = vk;
    m_hotKeyModifiers = modifiers;
}

BOOL MControl::GetUpdate() const { return m_cacheValid; }
BOOL MControl::IsRunTimer() const { return m_runTimer; }
void MControl::SetRunTimer(BOOL run) { m_runTimer = run ? TRUE : FALSE; }
BOOL MControl::UseImageECM() const { return m_useImageECM; }
void MControl::SetTrackInside(BOOL track) { m_trackInside = track ? TRUE : FALSE; }
BOOL MControl::IsPointerOutside() const { return m_pointerOutside; }
void MControl::SetNotifyDblClk(BOOL notify) { m_notifyDblClk = notify ? TRUE : FALSE; }
void MControl::SetNotifyKeyDown(BOOL notify) { m_notifyKeyDown = notify ? TRUE : FALSE; }

void MControl::UpdateControl(BOOL update, BOOL force) { UpdateControl(m_rect, update, force); }

void MControl::UpdateControl(const RECT& rect, BOOL update, BOOL force) {
    if ((m_visible || force) && m_parent) {
        m_parent->OnControlUpdate(rect, update, this);
    }
}

void MControl::UpdateAControl(BOOL flag, BOOL force) {
    m_animating = flag ? FALSE : TRUE;
    UpdateControl(FALSE, force);
}

void MControl::SetCursorEx(const wchar_t* name) {
    struct Named {
        const wchar_t* name;
        LPCWSTR cursor;
    };
    static const Named cursors[] = {
        {kCursorArrow, IDC_ARROW},   {kCursorWait, IDC_WAIT},     {kCursorCross, IDC_CROSS},
        {kCursorSizeWE, IDC_SIZEWE}, {kCursorSizeNS, IDC_SIZENS}, {kCursorHand, IDC_HAND},
        {kCursorHelp, IDC_HELP},
    };
    for (const Named& entry : cursors) {
        if (entry.name == name) {
            m_cursor = LoadCursorW(nullptr, entry.cursor);
            return;
        }
    }
}

const wchar_t* MControl::GetTooltip() const { return m_tooltip.c_str(); }
void MControl::SetTooltip(const wchar_t* text) { m_tooltip = text ? text : L""; }

void MControl::SetTooltip(const wchar_t* text, const RECT& rect) {
    if (m_manager) {
        m_manager->SetTooltip(text, rect);
        m_manager->SetTooltipCtrlID(m_id);
    }
}

void MControl::ClearTooltip() {
    if (m_manager) {
        m_manager->ClearTooltip();
    }
}

void MControl::SetTooltipCtrlID(UINT) {}
UINT MControl::GetTooltipCtrlID() { return 0; }

std::vector<MControl*>& MControl::GetControls() { return m_controls; }
std::vector<MControl*>& MControl::GetAreaControls() { return m_areaControls; }
std::recursive_mutex& MControl::GetControlLock() { return m_controlLock; }

void MControl::AddControl(MControl* child) {
    if (!child) {
        return;
    }
    child->SetParent(this);
    if (m_manager) {
        child->SetManager(m_manager);
    }
    std::lock_guard guard(m_controlLock);
    m_controls.push_back(child);
}

void MControl::AddAreaControl(MControl* child) {
    if (!child) {
        return;
    }
    child->SetParent(this);
    if (m_manager) {
        child->SetManager(m_manager);
    }
    std::lock_guard guard(m_areaLock);
    m_areaControls.push_back(child);
}

MControl* MControl::GetControl(UINT id) {
    {
        std::lock_guard guard(m_controlLock);
        for (MControl* child : m_controls) {
            if (child->GetControlID() == id) {
                return child;
            }
            if (MControl* found = child->GetControl(id)) {
                return found;
            }
        }
    }
    std::lock_guard guard(m_areaLock);
    for (MControl* area : m_areaControls) {
        if (area->GetControlID() == id) {
            return area;
        }
        if (MControl* found = area->GetControl(id)) {
            return found;
        }
    }
    return nullptr;
}

void MControl::RemoveControl(MControl* child) {
    if (!child) {
        return;
    }
    if (m_manager && m_manager->GetFocusControl() == child) {
        m_manager->SetFocusControl(nullptr);
    }
    {
        std::lock_guard guard(m_controlLock);
        auto found = std::find(m_controls.begin(), m_controls.end(), child);
        if (found == m_controls.end()) {
            return;
        }
        m_controls.erase(found);
        if (m_hot == child) {
            m_hot = nullptr;
        }
    }
    // Destroyed outside the list lock: the child's destructor takes the shared timer's lock,
    // which the timer thread holds while it takes list locks.
    delete child;
}

void MControl::RemoveAllControl() {
    std::vector<MControl*> controls, areas;
    {
        std::lock_guard guard(m_controlLock);
        controls.swap(m_controls);
        m_hot = nullptr;
    }
    {
        std::lock_guard guard(m_areaLock);
        areas.swap(m_areaControls);
    }
    for (MControl* child : controls) {
        delete child;
    }
    for (MControl* area : areas) {
        delete area;
    }
}

MControl* MControl::GetHotControl() const { return m_hot; }

void MControl::AddMTimer() {
    if (m_manager) {
        m_manager->AddMTimer(this);
    }
}

MControl* MControl::GetNextFocusableControl() {
    return m_manager ? m_manager->GetNextFocusableControl() : nullptr;
}

MControl* MControl::GetPrevFocusableControl() {
    return m_manager ? m_manager->GetPrevFocusableControl() : nullptr;
}

MControl* MControl::GetFocusControl() { return m_manager ? m_manager->GetFocusControl() : nullptr; }

long MControl::SendMessageW(UINT code, WPARAM wParam, LPARAM lParam) {
    return m_parent ? m_parent->OnBaseMessage(m_id, code, wParam, lParam) : 0;
}

void MControl::ReleaseSurface(HDC& dc, HBITMAP& bitmap, HGDIOBJ& old, SIZE& size) {
    if (dc) {
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    if (bitmap) {
        DeleteObject(bitmap);
    }
    dc = nullptr;
    bitmap = nullptr;
    old = nullptr;
    size = {0, 0};
}

void MControl::CreateSurface(HDC source, int width, int height, HDC& dc, HBITMAP& bitmap,
                             HGDIOBJ& old, SIZE& size) {
    ReleaseSurface(dc, bitmap, old, size);
    dc = ::CreateCompatibleDC(source);
    bitmap = MRender::CreateARGB32Bitmap(source, std::max(width, 1), std::max(height, 1), nullptr);
    old = SelectObject(dc, bitmap);
    size = {width, height};
}

void MControl::UpdateMemDC(HDC dc, int width, int height) {
    m_cacheValid = TRUE;
    if (m_memDC && m_memSize.cx == width && m_memSize.cy == height) {
        return;
    }
    CreateSurface(dc, width, height, m_memDC, m_memBitmap, m_memOldBitmap, m_memSize);
}

void MControl::UpdateAnimateDC(HDC dc, int width, int height) {
    CreateSurface(dc, width, height, m_animateDC, m_animateBitmap, m_animateOldBitmap,
                  m_animateSize);
    m_animating = TRUE;
}

HDC MControl::GetMemDC() const { return m_memDC; }
HDC MControl::GetAnimateDC() const { return m_animateDC; }

} // namespace OrvixUI
