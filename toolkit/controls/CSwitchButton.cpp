#include "toolkit/controls/CSwitchButton.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/PaintManager.h"

#include <algorithm>

namespace OrvixUI {

namespace bd = button_drawing;

namespace {

constexpr int kTextGap = 8;
// Drawn when no strip is set: a track in the accent colour when on, a light knob.
constexpr DWORD kTrackOn = 0xFF00B4FF;
constexpr DWORD kTrackOff = 0xFF3A3F4A;
constexpr DWORD kKnob = 0xFFF0F2F5;

} // namespace

CSwitchButton::CSwitchButton(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MButton(parent, id, rect, L"", visible, enabled) {
    m_hAlign = 0;
}

BOOL CSwitchButton::SetImage(const wchar_t* onFile, const wchar_t* offFile, int frameCount) {
    if (!m_manager) {
        return FALSE;
    }
    m_switchFrames = std::max(frameCount, 1);
    m_on = m_manager->AddImgResInfo(onFile, m_switchFrames);
    m_off = m_manager->AddImgResInfo(offFile, m_switchFrames);
    UpdateControl(TRUE, FALSE);
    return m_on && m_off;
}

BOOL CSwitchButton::GetCheck() const { return m_check; }

BOOL CSwitchButton::SetCheck(BOOL check) {
    const BOOL value = check ? TRUE : FALSE;
    if (value != m_check) {
        m_check = value;
        UpdateControl(FALSE, FALSE);
    }
    return m_check;
}

// Off looks in slices 0-3, on looks in 4-7: a toggle is a copy, not a rebuild.
int CSwitchButton::StateCount() const { return 8; }
int CSwitchButton::ShownSlice() const { return m_state + (m_check ? 4 : 0); }

BOOL CSwitchButton::OnControlLButtonUp(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    if (!::PtInRect(&m_rect, point)) {
        ChangeState(kNormal);
        return TRUE;
    }
    const bool wasPressed = m_state == kPressed;
    if (wasPressed) {
        m_check = m_check ? FALSE : TRUE;
    }
    ChangeState(kHover);
    if (wasPressed) {
        UpdateControl(FALSE, FALSE);
        SendMessageW(2, 0, m_check);
    }
    return TRUE;
}

void CSwitchButton::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    Gdiplus::Graphics graphics(dc);
    const bool on = state >= 4;
    const int look = state % 4;
    const ImgResInfo* strip = on ? m_on : m_off;
    const int height = slice.bottom - slice.top;
    int knobRight = slice.left;
    if (strip && strip->image) {
        const int frameWidth =
            FrameWidth(static_cast<int>(strip->image->GetWidth()), m_switchFrames);
        const int frameHeight = static_cast<int>(strip->image->GetHeight());
        bd::DrawFrameAt(graphics, strip->image, frameWidth, frameHeight,
                        bd::FrameFor(look, m_switchFrames), slice.left,
                        slice.top + (height - frameHeight) / 2);
        knobRight = slice.left + frameWidth;
    } else {
        const int trackHeight = std::min(height, 20), trackWidth = trackHeight * 2;
        const int top = slice.top + (height - trackHeight) / 2;
        const RECT track = {slice.left, top, slice.left + trackWidth, top + trackHeight};
        const DWORD fill = look == kDisabled ? 0xFF2A2C31 : on ? kTrackOn : kTrackOff;
        bd::FillRound(graphics, track, trackHeight / 2, fill);
        const int knob = std::max(trackHeight - 6, 0);
        const int knobLeft = on ? track.right - 3 - knob : track.left + 3;
        bd::FillRound(graphics, RECT{knobLeft, top + 3, knobLeft + knob, top + 3 + knob}, knob / 2,
                      look == kDisabled ? 0xFF6A6D74 : kKnob);
        knobRight = track.right;
    }
    const RECT box = {knobRight + kTextGap, slice.top, slice.right, slice.bottom};
    DrawButtonTitle(graphics, box, look == kDisabled ? 0xFF808080 : m_textColor);
}

} // namespace OrvixUI
