#include "toolkit/core/MPopupWnd.h"

namespace OrvixUI {

MPopupWnd::MPopupWnd(MObject* parent) : m_parentObject(parent) { m_colorKey = kColorKey; }

LRESULT MPopupWnd::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) {
        CloseWindow();
    }
    return MDialog::OnWindowMessage(message, wParam, lParam);
}

BOOL MPopupWnd::OnInitDialog() {
    m_pm.EnableWndDrag(FALSE);
    return MDialog::OnInitDialog();
}

LRESULT MPopupWnd::OnCreate(CREATESTRUCTW* create) {
    ModifyExStyle(0, WS_EX_TOOLWINDOW);
    return MDialog::OnCreate(create);
}

void MPopupWnd::SetParent(MObject* parent) { m_parentObject = parent; }
MObject* MPopupWnd::GetParent() const { return m_parentObject; }
void MPopupWnd::CloseWindow() { PostMessageW(WM_CLOSE, 0, 0); }

} // namespace OrvixUI
