#include "toolkit/core/MPanel.h"

#include "toolkit/controls/CScrollHorizontal.h"
#include "toolkit/controls/CScrollVertical.h"
#include "toolkit/core/ControlFactory.h"
#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

namespace {

int Offset(const MScroll* bar, int virtualSize, int panelSize) {
    int range = bar->GetScrollMaxRange();
    if (virtualSize <= panelSize || range <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<long long>(virtualSize - panelSize) *
                            bar->GetScrollCurrentPos() / range);
}

} // namespace

MPanel::MPanel(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE) {
    m_vScroll = new CScrollVertical(this, 1, rect, FALSE, TRUE);
    m_hScroll = new CScrollHorizontal(this, 2, rect, FALSE, TRUE);
    AddControl(m_vScroll);
    AddControl(m_hScroll);
    LayoutScrollBars();
}

MPanel::~MPanel() = default;

void MPanel::InitControl(PaintManager* manager) {
    m_managerKnown = manager != nullptr;
    std::lock_guard guard(m_controlLock);
    for (MControl* child : m_controls) {
        child->SetManager(manager);
    }
}

void MPanel::LayoutScrollBars() {
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    m_vScroll->SetRect(RECT{m_rect.right - m_scrollSize, m_rect.top, m_rect.right, m_rect.bottom});
    m_hScroll->SetRect(
        RECT{m_rect.left, m_rect.bottom - m_scrollSize, m_rect.right, m_rect.bottom});
    m_vScroll->SetScrollInfo(m_virtualHeight, 0, height, 0);
    m_hScroll->SetScrollInfo(m_virtualWidth, 0, width, 0);
    m_vScroll->SetVisible(m_virtualHeight > height, m_visible);
    m_hScroll->SetVisible(m_virtualWidth > width, m_visible);
}

void MPanel::SetControlRect(const RECT& rect) {
    MControlFont::SetControlRect(rect);
    m_virtualHeight = 0;
    m_virtualWidth = 0;
    LayoutScrollBars();
}

void MPanel::SetVirtualHeight(int height) {
    m_virtualHeight = height;
    LayoutScrollBars();
}

void MPanel::SetVirtualWidth(int width) {
    m_virtualWidth = width;
    LayoutScrollBars();
}

int MPanel::GetVirtualHeight() const { return m_virtualHeight; }
int MPanel::GetVirtualWidth() const { return m_virtualWidth; }
MScroll* MPanel::GetScrollVertical() const { return m_vScroll; }
MScroll* MPanel::GetScrollHorizontal() const { return m_hScroll; }
void MPanel::SetEnableScroll(BOOL enable) { m_enableScroll = enable ? TRUE : FALSE; }
BOOL MPanel::GetEnableScroll() const { return m_enableScroll; }

int MPanel::GetScrollOffsetY() const {
    return m_enableScroll ? Offset(m_vScroll, m_virtualHeight, m_rect.bottom - m_rect.top) : 0;
}

int MPanel::GetScrollOffsetX() const {
    return m_enableScroll ? Offset(m_hScroll, m_virtualWidth, m_rect.right - m_rect.left) : 0;
}

bool MPanel::IsScrolling() const {
    return m_enableScroll && (m_virtualHeight > m_rect.bottom - m_rect.top ||
                              m_virtualWidth > m_rect.right - m_rect.left);
}

BOOL MPanel::OnMousePointChange(POINT& point) {
    int dx = GetScrollOffsetX(), dy = GetScrollOffsetY();
    point.x += dx;
    point.y += dy;
    return dx != 0 || dy != 0;
}

BOOL MPanel::OnCheckMouseResponse(UINT, POINT) { return TRUE; }

void MPanel::DrawControl(HDC, const RECT&) {}

void MPanel::DrawSubControls(HDC dc, const RECT& clip) {
    if (!IsScrolling()) {
        MControlFont::DrawSubControls(dc, clip);
        return;
    }
    // Scrolled content is drawn by the subclass that knows its layout; the bars are ours.
    for (MScroll* bar : {m_vScroll, m_hScroll}) {
        if (bar->IsVisible()) {
            bar->Draw(dc, clip);
        }
    }
}

LRESULT MPanel::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    std::lock_guard guard(m_controlLock);
    for (MControl* child : m_controls) {
        if (LRESULT result = child->OnWindowMessage(message, wParam, lParam)) {
            return result;
        }
    }
    return 0;
}

long MPanel::OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    if (IsScrollBarID(id)) {
        UpdateControl(FALSE, FALSE);
        return 0;
    }
    return OnMessage(id, code, wParam, lParam);
}

long MPanel::OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    return m_parent ? m_parent->OnBaseMessage(id, code, wParam, lParam) : 0;
}

long MPanel::OnControlUpdate(const RECT& rect, BOOL update, MControl* control) {
    if (!control) {
        return 0;
    }
    if (update) {
        control->SetUpdate(FALSE, 0);
    }
    RECT region = rect;
    {
        std::lock_guard guard(m_controlLock);
        bool after = false;
        for (MControl* child : m_controls) {
            RECT common;
            if (after && child->IsVisible() && IntersectRect(&common, &region, &child->GetRect())) {
                child->SetUpdate(FALSE, 0);
                UnionRect(&region, &region, &child->GetRect());
            }
            after = after || child == control;
        }
    }
    if (!IsScrollBarID(control->GetControlID())) {
        OffsetRect(&region, -GetScrollOffsetX(), -GetScrollOffsetY());
    }
    IntersectRect(&region, &region, &m_rect);
    if (m_visible && m_parent && !IsRectEmpty(&region)) {
        m_parent->OnControlUpdate(region, FALSE, this);
    }
    return 0;
}

MControl* MPanel::CreateArea(const wchar_t* className, UINT id, const RECT& rect,
                             const wchar_t* title, BOOL visible, BOOL enabled) {
    return CreateControl(0, this, className, id, rect, title, visible, enabled);
}

MControl* MPanel::CreateControl(int kind, MObject* parent, const wchar_t* className, UINT id,
                                const RECT& rect, const wchar_t* title, BOOL visible,
                                BOOL enabled) {
    MControl* control = CreateControlByName(FactoryLevel::Container, parent, className, id, rect,
                                            title, visible, enabled);
    if (!control) {
        return nullptr;
    }
    if (kind == 0) {
        AddAreaControl(control);
    } else {
        AddControl(control);
    }
    return control;
}

MControl* MPanel::CreateControl(const wchar_t* className, UINT id, const RECT& rect,
                                const wchar_t* title, BOOL visible, BOOL enabled) {
    return CreateControl(1, this, className, id, rect, title, visible, enabled);
}

BOOL MPanel::OnControlKeyUp(UINT, UINT, UINT) { return FALSE; }

void MPanel::SetControlVisible(BOOL visible) {
    MControlFont::SetControlVisible(visible);
    SetControlWndVisible(visible);
}

void MPanel::SetControlEnabled(BOOL enabled) {
    MControlFont::SetControlEnabled(enabled);
    std::lock_guard guard(m_controlLock);
    for (MControl* child : m_controls) {
        child->SetEnabled(enabled);
    }
}

BOOL MPanel::OnControlScroll(UINT, UINT direction, POINT) {
    if (!m_enableScroll || m_virtualHeight < m_rect.bottom - m_rect.top) {
        return FALSE;
    }
    if (m_vScroll->ScrollRow(direction == 1 ? 1 : -1)) {
        UpdateControl(FALSE, FALSE);
        m_vScroll->UpdateControl(TRUE, FALSE);
    }
    return TRUE;
}

} // namespace OrvixUI
