#pragma once

#include "toolkit/core/MDialog.h"

namespace OrvixUI {

// A borderless tool-window popup that closes itself (posts WM_CLOSE) when it loses the
// activation. It cannot be dragged. Pixels of exactly 0xF1F1F1 are transparent.
class ORVIXUI_API MPopupWnd : public MDialog {
public:
    static constexpr COLORREF kColorKey = 0xF1F1F1;

    explicit MPopupWnd(MObject* parent = nullptr);

    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    LRESULT OnCreate(CREATESTRUCTW* create) override;

    void SetParent(MObject* parent);
    MObject* GetParent() const;
    void CloseWindow();

protected:
    MObject* m_parentObject = nullptr;
};

} // namespace OrvixUI
