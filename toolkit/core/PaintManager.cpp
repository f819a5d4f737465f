#include "toolkit/core/PaintManager.h"

#include "toolkit/core/ControlFactory.h"
#include "toolkit/core/MAirBladder.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/MShadow.h"
#include "toolkit/core/Manager.h"
#include "toolkit/core/SkinFolder.h"

#include <algorithm>

namespace OrvixUI {

namespace {

// Window timer ids for controls come from 1 ... kTimerIdLimit - 1.
constexpr UINT kTimerIdLimit = 240;

bool Overlaps(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Set-up and tear-down

PaintManager::PaintManager() : m_overlayFont(Manager::GetFontName()) {}

PaintManager::~PaintManager() {
    RKTimer::KillTimer();
    DestroyData();
    ClearAllControls();
    if (m_tooltip) {
        DestroyWindow(m_tooltip);
    }
}

void PaintManager::Init(HWND hwnd, MObject* owner) {
    if (!IsWindow(hwnd)) {
        return;
    }
    if (hwnd != m_hwnd) {
        if (m_paintDC) {
            ReleaseDC(m_hwnd, m_paintDC);
        }
        m_hwnd = hwnd;
        m_paintDC = GetDC(hwnd);
    }
    m_owner = owner;
    std::wstring arial = std::wstring(GetFontFolder()) + L"Arial.ttf";
    if (GetFileAttributesW(arial.c_str()) != INVALID_FILE_ATTRIBUTES) {
        m_fonts.AddTempFont(L"Arial", arial.c_str());
    }
    m_fonts.AddGDITempFont(kToolkitFontResource);
    InitDragDrop();
    m_scrollVID = kScrollImageVertical;
    m_scrollHID = kScrollImageHorizontal;
    m_initialized = TRUE;
}

void PaintManager::DestroyData() {
    if (!m_initialized) {
        return;
    }
    m_airBladder.reset();
    m_airBladderOwner = 0;
    m_shadow.reset();
    DisarmDrag();
    RevokeDropTarget();
    delete m_backImage;
    m_backImage = nullptr;
    if (m_paintDC) {
        ReleaseDC(m_hwnd, m_paintDC);
        m_paintDC = nullptr;
    }
    KillMTimer();
    {
        std::lock_guard guard(m_sharedTimerLock);
        m_sharedTimerControls.clear();
    }
    for (const WindowTimer& timer : m_timers) {
        if (!timer.stopped && IsWindow(timer.hwnd)) {
            ::KillTimer(timer.hwnd, timer.id);
        }
    }
    ClearTimers();
    ClearAllControls();
    ClearImgResInfo();
    ClearTempFont();
    m_initialized = FALSE;
}

BOOL PaintManager::IsInitialized() const { return m_initialized; }
MObject* PaintManager::GetMDialog() const { return m_owner; }
HWND PaintManager::GetPaintWnd() const { return m_hwnd; }
HDC PaintManager::GetPaintDC() const { return m_paintDC; }
bool PaintManager::HasWindow() const { return m_hwnd && IsWindow(m_hwnd); }

// ---------------------------------------------------------------------------------------------
// Controls

MControl* PaintManager::CreateControl(MObject* parent, const wchar_t* className, UINT id,
                                      const RECT& rect, const wchar_t* title, BOOL visible,
                                      BOOL enabled) {
    return CreateControl(1, parent, className, id, rect, title, visible, enabled);
}

MControl* PaintManager::CreateArea(MObject* parent, const wchar_t* className, UINT id,
                                   const RECT& rect, const wchar_t* title, BOOL visible,
                                   BOOL enabled) {
    return CreateControl(0, parent, className, id, rect, title, visible, enabled);
}

MControl* PaintManager::CreateControl(int kind, MObject* parent, const wchar_t* className, UINT id,
                                      const RECT& rect, const wchar_t* title, BOOL visible,
                                      BOOL enabled) {
    MControl* control = CreateControlByName(FactoryLevel::Dialog, parent, className, id, rect,
                                            title, visible, enabled);
    if (control) {
        kind == 0 ? AddArea(control) : AddControl(control);
    }
    return control;
}

void PaintManager::AddControl(MControl* control) {
    if (!control) {
        return;
    }
    control->SetManager(this);
    std::lock_guard guard(m_controlLock);
    m_controls.push_back(control);
}

void PaintManager::AddArea(MControl* control) {
    if (!control) {
        return;
    }
    control->SetManager(this);
    std::lock_guard guard(m_areaLock);
    m_areas.push_back(control);
}

MControl* PaintManager::GetControl(UINT id) {
    {
        std::lock_guard guard(m_controlLock);
        for (MControl* control : m_controls) {
            if (control->GetControlID() == id) {
                return control;
            }
            if (MControl* found = control->GetControl(id)) {
                return found;
            }
        }
    }
    std::lock_guard guard(m_areaLock);
    for (MControl* area : m_areas) {
        if (area->GetControlID() == id) {
            return area;
        }
        if (MControl* found = area->GetControl(id)) {
            return found;
        }
    }
    return nullptr;
}

void PaintManager::RemoveControl(MControl* control) {
    {
        std::lock_guard guard(m_controlLock);
        auto found = std::find(m_controls.begin(), m_controls.end(), control);
        if (found == m_controls.end()) {
            return;
        }
        m_controls.erase(found);
    }
    delete control;
}

void PaintManager::ClearAreaControls() {
    std::vector<MControl*> areas;
    {
        std::lock_guard guard(m_areaLock);
        areas.swap(m_areas);
    }
    for (MControl* area : areas) {
        delete area;
    }
}

void PaintManager::ClearControls() {
    std::vector<MControl*> controls;
    {
        std::lock_guard guard(m_controlLock);
        controls.swap(m_controls);
    }
    for (MControl* control : controls) {
        delete control;
    }
}

void PaintManager::ClearAllControls() {
    ClearAreaControls();
    ClearControls();
}

std::vector<MControl*>& PaintManager::GetControls() { return m_controls; }
std::recursive_mutex& PaintManager::GetControlLock() { return m_controlLock; }

void PaintManager::ForgetControl(MControl* control) {
    if (m_hover == control) {
        m_hover = nullptr;
    }
    if (m_pressed == control) {
        m_pressed = nullptr;
        m_leftHeld = FALSE;
        m_rightHeld = FALSE;
    }
    if (m_focus == control) {
        m_focus = nullptr;
    }
    if (m_caretOwner == control) {
        m_caretOwner = nullptr;
    }
    if (m_dragControl == control) {
        DisarmDrag();
    }
    DeleteFSTimer(control);
    KillTimer(control);
}

// ---------------------------------------------------------------------------------------------
// Hover, focus, capture

MControl* PaintManager::GetHoverControl() const { return m_hover; }
MControl* PaintManager::GetPressedControl() const { return IsPressing() ? m_pressed : nullptr; }
MControl* PaintManager::GetFocusControl() const { return m_focus; }

void PaintManager::SetFocusControl(MControl* control) {
    if (control == m_focus) {
        return;
    }
    if (m_focus) {
        m_focus->SetControlFocus(FALSE);
    }
    m_focus = control;
    if (m_focus) {
        m_focus->SetControlFocus(TRUE);
    }
}

MControl* PaintManager::GetNextFocusableControl() {
    std::lock_guard guard(m_controlLock);
    auto focusable = [](MControl* c) { return c->IsVisible() && c->IsEnabled() && c->IsTabStop(); };
    auto at = std::find(m_controls.begin(), m_controls.end(), m_focus);
    if (at != m_controls.end()) {
        auto next = std::find_if(at + 1, m_controls.end(), focusable);
        if (next != m_controls.end()) {
            return *next;
        }
    }
    auto first = std::find_if(m_controls.begin(), m_controls.end(), focusable);
    return first != m_controls.end() ? *first : nullptr;
}

MControl* PaintManager::GetPrevFocusableControl() {
    std::lock_guard guard(m_controlLock);
    auto focusable = [](MControl* c) { return c->IsVisible() && c->IsEnabled() && c->IsTabStop(); };
    auto at = std::find(m_controls.rbegin(), m_controls.rend(), m_focus);
    if (at != m_controls.rend()) {
        auto previous = std::find_if(at + 1, m_controls.rend(), focusable);
        if (previous != m_controls.rend()) {
            return *previous;
        }
    }
    auto last = std::find_if(m_controls.rbegin(), m_controls.rend(), focusable);
    return last != m_controls.rend() ? *last : nullptr;
}

void PaintManager::SetCapture() {
    if (HasWindow()) {
        ::SetCapture(m_hwnd);
        m_captured = TRUE;
    }
}

void PaintManager::ReleaseCapture() {
    if (HasWindow()) {
        if (GetCapture() == m_hwnd) {
            ::ReleaseCapture();
        }
        m_captured = FALSE;
    }
}

BOOL PaintManager::IsCaptured() const { return m_captured; }
void PaintManager::EnableWndDrag(BOOL enable) { m_windowDrag = enable ? TRUE : FALSE; }

UINT PaintManager::GetModifierCode() {
    auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    UINT code = held(VK_MENU) ? VK_MENU : held(VK_SHIFT) ? VK_SHIFT : 0;
    if (held(VK_CONTROL)) {
        code |= VK_CONTROL;
    }
    return code;
}

// ---------------------------------------------------------------------------------------------
// Timers

bool PaintManager::IsReservedTimer(UINT id) const {
    return id == kCaretTimer || id == kOverlayHoldTimer || id == kOverlayFadeTimer ||
           id == kProgressTimer;
}

// The next free id after the counter: never a reserved id and never one a record of this
// window still holds (stopped records keep theirs for a restart). 0 when all are taken.
UINT PaintManager::NextTimerID() {
    for (UINT tries = 0; tries < kTimerIdLimit; ++tries) {
        m_timerCounter = (m_timerCounter + 1) % kTimerIdLimit;
        UINT id = m_timerCounter;
        bool taken = id == 0 || IsReservedTimer(id) ||
                     std::any_of(m_timers.begin(), m_timers.end(), [&](const WindowTimer& t) {
                         return t.hwnd == m_hwnd && t.id == id;
                     });
        if (!taken) {
            return id;
        }
    }
    return 0;
}

BOOL PaintManager::SetTimer(MControl* control, UINT key, UINT milliseconds) {
    if (!control || !HasWindow()) {
        return FALSE;
    }
    std::lock_guard guard(m_timerLock);
    for (WindowTimer& timer : m_timers) {
        if (timer.hwnd == m_hwnd && timer.control == control && timer.key == key) {
            if (!timer.stopped) {
                return FALSE;
            }
            timer.stopped = ::SetTimer(m_hwnd, timer.id, milliseconds, nullptr) == 0;
            return timer.stopped ? FALSE : TRUE;
        }
    }
    UINT id = NextTimerID();
    if (id == 0 || ::SetTimer(m_hwnd, id, milliseconds, nullptr) == 0) {
        return FALSE;
    }
    m_timers.push_back(WindowTimer{m_hwnd, key, id, false, control});
    return TRUE;
}

BOOL PaintManager::KillTimer(MControl* control, UINT key) {
    std::lock_guard guard(m_timerLock);
    for (WindowTimer& timer : m_timers) {
        if (timer.hwnd == m_hwnd && timer.control == control && timer.key == key) {
            if (!timer.stopped && IsWindow(timer.hwnd)) {
                ::KillTimer(timer.hwnd, timer.id);
            }
            timer.stopped = true;
            return TRUE;
        }
    }
    return FALSE;
}

void PaintManager::KillTimer(MControl* control) {
    std::lock_guard guard(m_timerLock);
    std::erase_if(m_timers, [control](const WindowTimer& timer) {
        if (timer.control != control) {
            return false;
        }
        if (!timer.stopped && IsWindow(timer.hwnd)) {
            ::KillTimer(timer.hwnd, timer.id);
        }
        return true;
    });
}

void PaintManager::ClearTimers() {
    std::lock_guard guard(m_timerLock);
    m_timers.clear();
}

UINT PaintManager::GetTimerID(MControl* control, UINT key) {
    std::lock_guard guard(m_timerLock);
    for (const WindowTimer& timer : m_timers) {
        if (timer.control == control && timer.key == key) {
            return timer.id;
        }
    }
    return 0;
}

void PaintManager::OnTimerMessage(UINT id) {
    std::vector<MControl*> due;
    {
        std::lock_guard guard(m_timerLock);
        for (const WindowTimer& timer : m_timers) {
            if (timer.hwnd == m_hwnd && timer.id == id && !timer.stopped) {
                due.push_back(timer.control);
            }
        }
    }
    for (MControl* control : due) {
        control->OnTimer();
    }
}

UINT PaintManager::SetMTimer(UINT milliseconds) {
    m_sharedTimer = RKTimer::SetTimer(milliseconds, L"", FALSE);
    return m_sharedTimer;
}

void PaintManager::KillMTimer(UINT id) {
    RKTimer::KillTimer(id);
    if (id == m_sharedTimer) {
        m_sharedTimer = 0;
    }
}

void PaintManager::KillMTimer() {
    RKTimer::KillTimer();
    m_sharedTimer = 0;
}

void PaintManager::AddMTimer(MControl* control) {
    std::lock_guard guard(m_sharedTimerLock);
    m_sharedTimerControls.push_back(control);
}

BOOL PaintManager::DeleteFSTimer(MControl* control) {
    std::lock_guard guard(m_sharedTimerLock);
    auto found = std::find(m_sharedTimerControls.begin(), m_sharedTimerControls.end(), control);
    if (found == m_sharedTimerControls.end()) {
        return FALSE;
    }
    m_sharedTimerControls.erase(found);
    return TRUE;
}

void PaintManager::OnMTimer(UINT id) {
    if (id != m_sharedTimer || id == 0) {
        return;
    }
    std::lock_guard guard(m_sharedTimerLock);
    for (MControl* control : m_sharedTimerControls) {
        if (control->IsRunTimer() && control->IsVisible() && control->IsParentVisible()) {
            control->OnTimer();
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Bubble tip and drop shadow

void PaintManager::SetAirBladderMsg(const wchar_t* text, POINT point, int type, int mode) {
    if (!HasWindow()) {
        return;
    }
    if (!m_airBladder) {
        auto bubble = std::make_unique<MAirBladder>(this);
        if (!bubble->Create(m_hwnd)) {
            return;
        }
        m_airBladder = std::move(bubble);
    }
    m_airBladder->SetAirBladderMsg(text, point, type, mode);
    m_airBladder->ShowAirBladder(TRUE);
}

void PaintManager::ShowAirBladder(BOOL show, UINT ownerId) {
    if (!m_airBladder) {
        return;
    }
    if (show) {
        m_airBladderOwner = ownerId;
        m_airBladder->ShowAirBladder(TRUE);
    } else if (ownerId == 0 || ownerId == m_airBladderOwner) {
        m_airBladder->ShowAirBladder(FALSE);
    }
}

MAirBladder* PaintManager::GetAirBladder() const { return m_airBladder.get(); }

BOOL PaintManager::CreateShadow(BOOL show, BOOL) {
    if (!HasWindow()) {
        return FALSE;
    }
    if (!m_shadow) {
        auto shadow = std::make_unique<MShadow>();
        if (!shadow->Create(m_hwnd, show)) {
            return FALSE;
        }
        m_shadow = std::move(shadow);
        return TRUE;
    }
    return m_shadow->SetShow(show);
}

BOOL PaintManager::SetSize(int size) { return m_shadow ? m_shadow->SetSize(size) : FALSE; }
BOOL PaintManager::SetSharpness(int sharpness) {
    return m_shadow ? m_shadow->SetSharpness(sharpness) : FALSE;
}
BOOL PaintManager::SetDarkness(int darkness) {
    return m_shadow ? m_shadow->SetDarkness(darkness) : FALSE;
}
BOOL PaintManager::SetPosition(int x, int y) {
    return m_shadow ? m_shadow->SetPosition(x, y) : FALSE;
}
BOOL PaintManager::SetShadowColor(COLORREF color) {
    return m_shadow ? m_shadow->SetColor(color) : FALSE;
}
BOOL PaintManager::SetShadowImage(const wchar_t* fileName, const RECT& corners) {
    return m_shadow ? m_shadow->SetImage(fileName, corners) : FALSE;
}
BOOL PaintManager::SetShadowShow(BOOL show) { return m_shadow ? m_shadow->SetShow(show) : FALSE; }
void PaintManager::DisableShadow() { m_shadow.reset(); }
MShadow* PaintManager::GetShadow() const { return m_shadow.get(); }

// ---------------------------------------------------------------------------------------------
// Caches

ImgResInfo* PaintManager::AddImgResInfo(const wchar_t* fileName, int frameCount) {
    return m_images.Find(fileName, frameCount);
}

ImgResInfo* PaintManager::AddImgResInfo(UINT resourceId, const wchar_t* resourceType,
                                        int frameCount, BOOL fromApp) {
    return m_images.Find(resourceId, resourceType, frameCount, fromApp != FALSE);
}

void PaintManager::ClearImgResInfo() { m_images.Clear(); }

Gdiplus::FontFamily* PaintManager::AddTempFont(const wchar_t* face, const wchar_t* filePath) {
    return m_fonts.AddTempFont(face, filePath);
}

Gdiplus::FontFamily* PaintManager::AddTempFont(const wchar_t* face, UINT resourceId) {
    return m_fonts.AddTempFont(face, resourceId);
}

BOOL PaintManager::AddGDITempFont(UINT resourceId) {
    return m_fonts.AddGDITempFont(resourceId) ? TRUE : FALSE;
}

Gdiplus::FontFamily* PaintManager::FindTempFont(const wchar_t* face) {
    return m_fonts.FindTempFont(face);
}

void PaintManager::ClearTempFont() { m_fonts.Clear(); }

// ---------------------------------------------------------------------------------------------
// Window geometry and settings

LRESULT PaintManager::SendMessageW(UINT message, WPARAM wParam, LPARAM lParam) {
    return HasWindow() ? ::SendMessageW(m_hwnd, message, wParam, lParam) : 0;
}

BOOL PaintManager::PostMessageW(UINT message, WPARAM wParam, LPARAM lParam) {
    return HasWindow() ? ::PostMessageW(m_hwnd, message, wParam, lParam) : FALSE;
}

void PaintManager::Invalidate() {
    if (HasWindow()) {
        ::InvalidateRect(m_hwnd, nullptr, FALSE);
    }
}

void PaintManager::InvalidateRect(const RECT* rect, BOOL erase) {
    if (HasWindow()) {
        ::InvalidateRect(m_hwnd, m_layered ? nullptr : rect, erase);
    }
}

void PaintManager::GetClientRect(RECT* rect) {
    *rect = RECT{};
    if (HasWindow()) {
        ::GetClientRect(m_hwnd, rect);
    }
}

void PaintManager::GetWindowRect(RECT* rect) {
    *rect = RECT{};
    if (HasWindow()) {
        ::GetWindowRect(m_hwnd, rect);
    }
}

void PaintManager::GetClientSize(int& width, int& height) {
    RECT client;
    GetClientRect(&client);
    width = client.right - client.left;
    height = client.bottom - client.top;
}

BOOL PaintManager::LoadBKImage(const wchar_t* fileName) {
    delete m_backImage;
    m_backImage =
        fileName ? MRender::LoadImageFromFile((std::wstring(GetSkinFolder()) + fileName).c_str())
                 : nullptr;
    return m_backImage != nullptr;
}

BOOL PaintManager::LoadBKImage(UINT resourceId, const wchar_t* resourceType) {
    delete m_backImage;
    m_backImage =
        MRender::LoadImageFromIDResource(resourceId, resourceType, Manager::GetInstance());
    return m_backImage != nullptr;
}

void PaintManager::SetBackMode(enumBackMode mode, int parameter) {
    m_backMode = mode;
    m_backParameter = parameter;
}

void PaintManager::SetBackColor(COLORREF fill, COLORREF border) {
    m_fillColor = fill;
    m_borderColor = border;
}

COLORREF PaintManager::GetBackColor() const { return m_fillColor; }
void PaintManager::SetLayeredWindow(BOOL layered) { m_layered = layered ? TRUE : FALSE; }
BOOL PaintManager::IsLayered() const { return m_layered; }
void PaintManager::SetCaptionRect(const RECT& rect) { m_captionRect = rect; }
const RECT& PaintManager::GetCaptionRect() const { return m_captionRect; }
void PaintManager::SetWindowMaxSize(int width, int height) { m_maxSize = {width, height}; }
void PaintManager::SetWindowMixSize(int width, int height) { m_minSize = {width, height}; }
SIZE PaintManager::GetWindowManSize() const { return m_maxSize; }
SIZE PaintManager::GetWindowMinSize() const { return m_minSize; }

void PaintManager::SetScrollResID(UINT vertical, UINT horizontal) {
    m_scrollVID = vertical;
    m_scrollHID = horizontal;
}

UINT PaintManager::GetScrollVID() const { return m_scrollVID; }
UINT PaintManager::GetScrollHID() const { return m_scrollHID; }
COLORREF PaintManager::GetDefaultEnabledColor() const { return m_disabledTextColor; }
void PaintManager::SetDefaultEnabledColor(COLORREF color) { m_disabledTextColor = color; }

// ---------------------------------------------------------------------------------------------
// Repaint requests

long PaintManager::OnControlUpdate(const RECT& rect, BOOL update, MControl* control) {
    if (!control) {
        return 0;
    }
    if (update) {
        control->SetUpdate(FALSE, m_fillColor);
    }
    RECT region = rect;
    if (m_initialized) {
        bool after = false;
        auto widen = [&](std::vector<MControl*>& list) {
            for (MControl* other : list) {
                if (after && other->IsVisible() && Overlaps(other->GetRect(), region)) {
                    other->SetUpdate(FALSE, m_fillColor);
                    UnionRect(&region, &region, &other->GetRect());
                }
                after = after || other == control;
            }
        };
        {
            std::lock_guard guard(m_areaLock);
            widen(m_areas);
        }
        std::lock_guard guard(m_controlLock);
        widen(m_controls);
    }
    InvalidateRect(&region, FALSE);
    return 0;
}

} // namespace OrvixUI
