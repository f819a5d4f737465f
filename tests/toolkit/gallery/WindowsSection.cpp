#include "tests/toolkit/gallery/WindowsSection.h"

#include "tests/toolkit/gallery/GalleryButton.h"
#include "toolkit/core/MAirBladder.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/MenuItem.h"
#include "toolkit/core/MenuWnd.h"

namespace gallery {

namespace {

constexpr int kItemHeight = 30;
constexpr int kMenuWidth = 200;
constexpr UINT kPopupMessage = WM_APP + 71;

// A plain filled rectangle: a known colour at a known place.
class Swatch : public OrvixUI::MControl {
public:
    Swatch(OrvixUI::MObject* parent, UINT id, const RECT& rect, COLORREF color)
        : MControl(parent, id, rect, TRUE, TRUE, FALSE), m_color(color) {}
    void DrawControl(HDC dc, const RECT&) override {
        OrvixUI::MRender::FillSolidRect(dc, m_rect, m_color);
    }

private:
    COLORREF m_color;
};

// A framed text button that runs an action when clicked.
class Launcher : public GalleryButton {
public:
    using Action = void (*)(Launcher& self);
    Launcher(OrvixUI::MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
             Action action)
        : GalleryButton(parent, id, rect), m_action(action) {
        m_title = title;
        m_hAlign = 1;
    }
    void DrawControl(HDC dc, const RECT&) override {
        OrvixUI::MRender::DrawColor(dc, m_rect, m_hovered ? 0xFF285055 : 0xFF23272E);
        OrvixUI::MRender::DrawRectangle(dc, m_rect, RGB(0x00, 0xB4, 0xFF), 1);
        Gdiplus::Graphics graphics(dc);
        DrawTitle(graphics, m_rect, m_textColor);
    }

protected:
    void OnClick() override { m_action(*this); }

private:
    Action m_action;
};

void OpenMenu(Launcher& self) {
    HWND owner = self.GetManager()->GetPaintWnd();
    POINT at = {self.GetRect().left, self.GetRect().bottom};
    ClientToScreen(owner, &at);
    auto* menu = new OrvixUI::MenuWnd();
    menu->Create(owner, at, kPopupMessage, L"img_menu_bk.png", 6, kMenuWidth,
                 OrvixUI::BACK_MODE_NINE_PATCH);
    menu->SetCheckImage(L"img_menu_check.png");
    menu->AddMenu(L"Reset key", 606);
    menu->AddMenu(L"Assign macro", 608);
    menu->AddSeparator(611, L"img_menu_separator.png");
    menu->AddMenu(L"Repeat", 612, static_cast<const wchar_t*>(nullptr), TRUE, TRUE);
    menu->AddMenu(L"Disable key", 607);
    menu->ShowWindow(SW_SHOW);
}

void ShowTip(Launcher& self) {
    HWND owner = self.GetManager()->GetPaintWnd();
    const RECT& rect = self.GetRect();
    POINT at = {rect.left + (rect.right - rect.left) / 2, rect.bottom};
    ClientToScreen(owner, &at);
    self.GetManager()->SetAirBladderMsg(L"A bubble tip\nIt hides itself after 5 s", at,
                                        OrvixUI::AIRBLADDER_CENTER, OrvixUI::AIRBLADDER_MODE_AUTO);
}

OrvixUI::MenuItem* AddItem(OrvixUI::PaintManager& manager, OrvixUI::MObject* parent, UINT id,
                           const RECT& rect, const wchar_t* title) {
    auto* item = static_cast<OrvixUI::MenuItem*>(
        manager.CreateControl(parent, L"MenuItem", id, rect, title, TRUE, TRUE));
    if (item) {
        item->SetHoverColor(0xFF285055);
        item->SetTextIndent(12);
    }
    return item;
}

void Hover(OrvixUI::MenuItem* item) {
    if (item) {
        const RECT& rect = item->GetRect();
        item->OnMouseMove(0, POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }
}

} // namespace

void BuildWindowsSection(OrvixUI::PaintManager& manager, OrvixUI::MObject* parent,
                         const RECT& area) {
    auto* back = new Swatch(
        parent, 0,
        RECT{area.left, area.top, area.left + kMenuWidth, area.top + 6 * kItemHeight + 8},
        RGB(0x1B, 0x1D, 0x22));
    manager.AddArea(back);
    const wchar_t* titles[] = {L"Plain item", L"Hovered item", L"Checked item", L"Checked, hovered",
                               L"",           L"Disabled item"};
    OrvixUI::MenuItem* items[6] = {};
    int y = area.top + 4;
    for (int i = 0; i < 6; ++i) {
        const bool separator = i == 4;
        const RECT rect = separator
                              ? RECT{area.left + 13, y + 4, area.left + kMenuWidth - 1, y + 5}
                              : RECT{area.left + 2, y, area.left + kMenuWidth - 2, y + kItemHeight};
        items[i] = AddItem(manager, parent, kWindowsFirstItem + i, rect, titles[i]);
        y += separator ? 8 : kItemHeight;
    }
    if (items[2] && items[3]) {
        items[2]->SetCheckable(TRUE);
        items[2]->SetCheck(TRUE);
        items[3]->SetCheckable(TRUE);
        items[3]->SetCheck(TRUE);
    }
    if (items[4]) {
        items[4]->SetSeparator(TRUE);
    }
    if (items[5]) {
        items[5]->SetEnabled(FALSE);
    }
    Hover(items[1]);
    Hover(items[3]);

    const int probeLeft = area.left + kMenuWidth + 16;
    for (int i = 0; i < 3; ++i) {
        const int top = area.top + 4 + i * 36;
        manager.AddControl(new Swatch(parent, kWindowsFirstSwatch + i,
                                      RECT{probeLeft, top, probeLeft + 48, top + 28},
                                      kWindowsSwatchColors[i]));
    }
    const int buttonTop = area.top + 6 * kItemHeight + 20;
    manager.AddControl(new Launcher(parent, kWindowsMenuButton,
                                    RECT{area.left, buttonTop, area.left + 120, buttonTop + 28},
                                    L"Open menu", OpenMenu));
    manager.AddControl(new Launcher(
        parent, kWindowsTipButton,
        RECT{area.left + 132, buttonTop, area.left + 252, buttonTop + 28}, L"Show tip", ShowTip));
}

} // namespace gallery
