#include "toolkit/controls/MEditEx.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"

namespace OrvixUI {

namespace {

constexpr int kCorner = 4;
constexpr DWORD kBorder = 0xFF505050;

} // namespace

MEditEx::MEditEx(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                 BOOL enabled)
    : MRichEdit(parent, id, rect, title, visible, enabled) {}

void MEditEx::DrawBackdrop(HDC dc, const RECT& slice, int state) {
    if (m_image && m_image->image) {
        Gdiplus::Graphics graphics(dc);
        const int frame = state < m_frameCount ? state : 0;
        MRender::DrawImageFrame(graphics, m_image->image, slice, frame * m_frameWidth, 0,
                                m_frameWidth, m_frameHeight, kCorner);
        return;
    }
    const DWORD border = state == 2 ? Manager::GetSelectColor() : kBorder;
    MRender::DrawColor(dc, slice, border);
    RECT inner = slice;
    InflateRect(&inner, -1, -1);
    MRender::DrawColor(dc, inner, 0xFF1E1E22);
}

} // namespace OrvixUI
