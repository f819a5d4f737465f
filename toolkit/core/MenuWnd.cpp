#include "toolkit/core/MenuWnd.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"
#include "toolkit/core/MenuItem.h"

#include <algorithm>

namespace OrvixUI {

namespace {

// Room the title needs beyond its own width: the text indent and this.
constexpr int kTitleSlack = 4;
constexpr int kSeparatorStep = 4;

} // namespace

MenuWnd::MenuWnd(MObject* parent)
    : MPopupWnd(parent), m_fontFace(Manager::GetFontName()), m_fontSize(Manager::GetFontWidth()) {
    m_colorKey = 0xFFFFFF;
}

HWND MenuWnd::Create(HWND parentHwnd, POINT point, UINT notifyMessage) {
    return Create(parentHwnd, point, notifyMessage, nullptr, 0, m_menuWidth, BACK_MODE_IMAGE);
}

HWND MenuWnd::Create(HWND parentHwnd, POINT point, UINT notifyMessage, const wchar_t* backImage,
                     int modeParameter, int width, enumBackMode backMode) {
    if (backImage && *backImage) {
        m_pm.LoadBKImage(backImage);
    }
    m_pm.SetBackMode(backMode, modeParameter);
    m_menuWidth = std::max(width > 0 ? width : m_menuWidth, m_neededWidth);
    m_notifyHwnd = parentHwnd;
    m_notifyMessage = notifyMessage;
    return MWindow::Create(parentHwnd, L"Menu Window", kDefaultStyle,
                           WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                           RECT{point.x, point.y, point.x + m_menuWidth, point.y + m_menuWidth});
}

HWND MenuWnd::Create(HWND parentHwnd, POINT point, UINT notifyMessage, UINT resourceId,
                     const wchar_t* resourceType, int modeParameter, int width,
                     enumBackMode backMode) {
    m_pm.LoadBKImage(resourceId, resourceType);
    return Create(parentHwnd, point, notifyMessage, nullptr, modeParameter, width, backMode);
}

// With the window's font when its cache has it, else with the system's match for the face
// (before Create the cache is still empty).
int MenuWnd::TitleWidth(const wchar_t* title) {
    if (Gdiplus::FontFamily* family = m_pm.FindTempFont(m_fontFace.c_str())) {
        Gdiplus::Font font(family, static_cast<Gdiplus::REAL>(m_fontSize), m_fontStyle,
                           Gdiplus::UnitPixel);
        Gdiplus::StringFormat format;
        format.SetAlignment(Gdiplus::StringAlignmentNear);
        format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
        return static_cast<int>(MRender::GetTextBounds(font, format, title).cx);
    }
    LOGFONTW face = {};
    lstrcpynW(face.lfFaceName, m_fontFace.c_str(), LF_FACESIZE);
    face.lfHeight = -m_fontSize;
    face.lfWeight = (m_fontStyle & Gdiplus::FontStyleBold) ? FW_BOLD : FW_NORMAL;
    face.lfCharSet = DEFAULT_CHARSET;
    HFONT font = CreateFontIndirectW(&face);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, title, lstrlenW(title), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return static_cast<int>(size.cx);
}

void MenuWnd::Widen(const wchar_t* title) {
    m_neededWidth = std::max(m_neededWidth, TitleWidth(title) + m_textIndent + kTitleSlack);
    m_menuWidth = std::max(m_menuWidth, m_neededWidth);
}

MenuItem* MenuWnd::NewItem(const wchar_t* title, UINT id) {
    auto* item = static_cast<MenuItem*>(
        m_pm.CreateControl(this, L"MenuItem", id, RECT{}, title ? title : L"", TRUE, TRUE));
    if (item) {
        item->SetFont(m_fontFace.c_str(), m_fontSize, m_fontStyle);
        item->SetVAlignment(m_vAlign);
        m_settings.push_back(ItemSetting{id, title ? title : L"", TRUE, TRUE, FALSE});
    }
    return item;
}

int MenuWnd::AddMenu(const wchar_t* title, UINT id, const wchar_t* icon, BOOL checkable,
                     BOOL check) {
    Widen(title ? title : L"");
    if (MenuItem* item = NewItem(title, id)) {
        if (icon && *icon) {
            item->SetImage(icon, 4);
        }
        item->SetCheckable(checkable);
        item->SetCheck(check);
        Setting(id).check = check;
    }
    SetMenuPoint();
    return -1;
}

int MenuWnd::AddMenu(const wchar_t* title, UINT id, UINT iconResourceId, BOOL checkable,
                     BOOL check) {
    Widen(title ? title : L"");
    if (MenuItem* item = NewItem(title, id)) {
        item->SetImage(iconResourceId, L"PNG", 4);
        item->SetCheckable(checkable);
        item->SetCheck(check);
        Setting(id).check = check;
    }
    SetMenuPoint();
    return -1;
}

int MenuWnd::AddSeparator(UINT id, const wchar_t* image) {
    if (MenuItem* item = NewItem(L"", id)) {
        item->SetSeparator(TRUE);
        if (image && *image) {
            item->SetImage(image, 1);
        }
    }
    SetMenuPoint();
    return -1;
}

MenuItem* MenuWnd::GetItem(UINT id) {
    MControl* control = m_pm.GetControl(id);
    return control && control->IsClass(L"MenuItem") ? static_cast<MenuItem*>(control) : nullptr;
}

MenuWnd::ItemSetting& MenuWnd::Setting(UINT id) {
    for (ItemSetting& setting : m_settings) {
        if (setting.id == id) {
            return setting;
        }
    }
    return m_settings.emplace_back(ItemSetting{id, L"", TRUE, TRUE, FALSE});
}

void MenuWnd::ApplySetting(const ItemSetting& setting) {
    MenuItem* item = GetItem(setting.id);
    if (!item) {
        return;
    }
    item->SetTitle(setting.title.c_str());
    item->SetVisible(setting.visible);
    item->SetEnabled(setting.enabled);
    item->SetCheck(setting.check);
}

void MenuWnd::SetItemTitle(UINT id, const wchar_t* title) {
    Setting(id).title = title ? title : L"";
    Widen(title ? title : L"");
    ApplySetting(Setting(id));
    SetMenuPoint();
}

void MenuWnd::SetItemVisible(UINT id, BOOL visible) {
    Setting(id).visible = visible;
    ApplySetting(Setting(id));
    SetMenuPoint();
}

void MenuWnd::SetItemEnable(UINT id, BOOL enabled) {
    Setting(id).enabled = enabled;
    ApplySetting(Setting(id));
}

void MenuWnd::SetItemCheck(UINT id, BOOL check) {
    Setting(id).check = check;
    ApplySetting(Setting(id));
}

void MenuWnd::SetHoverColor(DWORD color) { m_hoverColor = color; }
void MenuWnd::SetHoverImage(const wchar_t* fileName) { m_hoverImage = fileName ? fileName : L""; }
void MenuWnd::SetCheckImage(const wchar_t* fileName) { m_checkImage = fileName ? fileName : L""; }

void MenuWnd::SetMenuFont(const wchar_t* face, int size, int style) {
    m_fontFace = face ? face : Manager::GetFontName();
    m_fontSize = size;
    m_fontStyle = style;
}

void MenuWnd::SetItemHeight(int height) { m_itemHeight = std::max(1, height); }
void MenuWnd::SetTextIndent(int indent) { m_textIndent = std::max(0, indent); }

void MenuWnd::SetMargins(int top, int bottom) {
    m_topMargin = top;
    m_bottomMargin = bottom;
}

int MenuWnd::GetMenuWidth() const { return m_menuWidth; }

void MenuWnd::InitUI(const RECT&) {
    // Measured again now that the window's own fonts are loaded.
    for (const ItemSetting& setting : m_settings) {
        Widen(setting.title.c_str());
        ApplySetting(setting);
    }
    SetMenuPoint();
}

void MenuWnd::UISize(const RECT&) {}

void MenuWnd::SetMenuPoint() {
    ImgResInfo* hoverImage =
        m_hoverImage.empty() ? nullptr : m_pm.AddImgResInfo(m_hoverImage.c_str(), 1);
    ImgResInfo* checkImage =
        m_checkImage.empty() ? nullptr : m_pm.AddImgResInfo(m_checkImage.c_str(), 1);
    int y = m_topMargin ? m_topMargin : 2;
    for (MControl* control : m_pm.GetControls()) {
        if (!control->IsClass(L"MenuItem")) {
            continue;
        }
        auto* item = static_cast<MenuItem*>(control);
        if (!item->IsVisible()) {
            item->SetRect(RECT{});
            continue;
        }
        if (item->IsSeparator()) {
            item->SetRect(RECT{m_textIndent + 1, y + 1, m_menuWidth - 1, y + 2});
            y += kSeparatorStep;
            continue;
        }
        item->SetTextIndent(m_textIndent);
        item->SetHoverColor(m_hoverColor);
        item->SetHoverImage(hoverImage);
        item->SetCheckImage(checkImage);
        item->SetRect(RECT{2, y, m_menuWidth - 2, y + m_itemHeight});
        y += m_itemHeight;
    }
    if (!m_hwnd) {
        return;
    }
    const int height = y + (m_bottomMargin ? m_bottomMargin : 2);
    RECT window;
    GetWindowRect(&window);
    // Kept on the monitor: a menu opened near the bottom or right edge opens upwards or left.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int x =
        std::max(static_cast<int>(work.left), std::min(static_cast<int>(window.left),
                                                       static_cast<int>(work.right) - m_menuWidth));
    const int top =
        std::max(static_cast<int>(work.top),
                 std::min(static_cast<int>(window.top), static_cast<int>(work.bottom) - height));
    SetWindowPos(nullptr, x, top, m_menuWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pm.Invalidate();
}

long MenuWnd::OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM) {
    if (m_notifyHwnd && IsWindow(m_notifyHwnd)) {
        ::PostMessageW(m_notifyHwnd, m_notifyMessage, wParam, static_cast<LPARAM>(id));
    }
    if (code == 2) {
        CloseWindow();
    }
    return 0;
}

void MenuWnd::PostNcDestroy() {
    MPopupWnd::PostNcDestroy();
    delete this;
}

} // namespace OrvixUI
