#include "toolkit/controls/MProgress.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/PaintManager.h"

#include <algorithm>

namespace OrvixUI {

namespace {

constexpr DWORD kBackColor = 0xFF2A2D35;
constexpr DWORD kFrontColor = 0xFF00B4FF;

} // namespace

MProgress::MProgress(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE) {
    m_hAlign = 1;
}

BOOL MProgress::SetBackGroundImage(const wchar_t* fileName) {
    ImgResInfo* info = m_manager && fileName ? m_manager->AddImgResInfo(fileName, 1) : nullptr;
    if (!info) {
        return FALSE;
    }
    m_back = info;
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

BOOL MProgress::SetForeGroundImage(const wchar_t* fileName, int frameCount) {
    ImgResInfo* info =
        m_manager && fileName ? m_manager->AddImgResInfo(fileName, frameCount) : nullptr;
    if (!info) {
        return FALSE;
    }
    m_front = info;
    m_frontFrames = std::max(frameCount, 1);
    m_frame = 0;
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

int MProgress::SetProgress(int progress) {
    progress = std::clamp(progress, 0, m_maximum);
    if (progress != m_progress) {
        m_progress = progress;
        UpdateControl(TRUE, FALSE);
    }
    return m_progress;
}

int MProgress::GetProgress() const { return m_progress; }

void MProgress::SetMaxProgress(int maximum) {
    m_maximum = std::max(maximum, 1);
    m_progress = std::min(m_progress, m_maximum);
    UpdateControl(TRUE, FALSE);
}

int MProgress::GetMaxProgress() const { return m_maximum; }

void MProgress::EnableShowText(BOOL show) {
    m_showText = show ? TRUE : FALSE;
    UpdateControl(TRUE, FALSE);
}

void MProgress::SetRun(BOOL run) {
    m_run = run ? TRUE : FALSE;
    if (m_run && !m_timerAdded && m_manager) {
        AddMTimer();
        m_timerAdded = TRUE;
    }
    SetRunTimer(m_run);
}

BOOL MProgress::IsRun() const { return m_run; }
int MProgress::GetFrame() const { return m_frame; }

int MProgress::GetDoneWidth() const {
    const long long width = m_rect.right - m_rect.left;
    return static_cast<int>(width * m_progress / m_maximum);
}

BOOL MProgress::OnControlTimer() {
    if (!m_run) {
        return FALSE;
    }
    m_frame = (m_frame + 1) % m_frontFrames;
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

void MProgress::DrawControl(HDC dc, const RECT&) {
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    Gdiplus::Graphics graphics(dc);
    const Gdiplus::Rect whole(m_rect.left, m_rect.top, width, height);
    if (m_back && m_back->image) {
        graphics.DrawImage(m_back->image, whole, 0, 0, static_cast<int>(m_back->image->GetWidth()),
                           static_cast<int>(m_back->image->GetHeight()), Gdiplus::UnitPixel);
    } else {
        MRender::DrawColor(dc, m_rect, kBackColor);
    }
    const int done = GetDoneWidth();
    if (done > 0) {
        if (m_front && m_front->image) {
            const int frameWidth =
                FrameWidth(static_cast<int>(m_front->image->GetWidth()), m_frontFrames);
            const int frameHeight = static_cast<int>(m_front->image->GetHeight());
            graphics.SetClip(Gdiplus::Rect(m_rect.left, m_rect.top, done, height));
            graphics.DrawImage(m_front->image, whole, m_frame * frameWidth, 0, frameWidth,
                               frameHeight, Gdiplus::UnitPixel);
            graphics.ResetClip();
        } else {
            MRender::DrawColor(dc, RECT{m_rect.left, m_rect.top, m_rect.left + done, m_rect.bottom},
                               kFrontColor);
        }
    }
    if (m_showText) {
        const std::wstring text = std::to_wstring(m_progress * 100 / m_maximum) + L"%";
        Gdiplus::StringFormat format;
        format.SetAlignment(Gdiplus::StringAlignmentCenter);
        format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
        format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
        graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(m_renderingHint));
        Gdiplus::SolidBrush brush{Gdiplus::Color(m_textColor)};
        graphics.DrawString(text.c_str(), -1, GetTextDrawFont(),
                            Gdiplus::RectF(static_cast<Gdiplus::REAL>(m_rect.left),
                                           static_cast<Gdiplus::REAL>(m_rect.top),
                                           static_cast<Gdiplus::REAL>(width),
                                           static_cast<Gdiplus::REAL>(height)),
                            &format, &brush);
    }
}

} // namespace OrvixUI
