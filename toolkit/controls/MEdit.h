#pragma once

#include "toolkit/core/MControlFont.h"

#include <memory>
#include <string>

namespace OrvixUI {

class CEditWnd;

// A single-line (or multi-line) text field drawn by the toolkit; while the user types, a
// native edit window (CEditWnd) lies over its text rectangle. The background is a 4-frame
// state strip set with SetImage (normal, hover, pressed or focused, disabled); an optional
// icon at the right edge is a state strip (frames normal, hover, pressed; 4 frames unless
// told otherwise).
//
// Notifications: 1 and 2 for a press and release on the field, 9 and 31 on the icon, 30 when
// the editor opens, 26 when its text changes, 29 when it loses the keyboard focus or closes.
class ORVIXUI_API MEdit : public MControlFont {
public:
    static constexpr int kDefaultLimit = 120;

    MEdit(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
          BOOL enabled);
    ~MEdit() override;

    void DrawControl(HDC dc, const RECT& clip) override;
    void SetControlFocus(BOOL focus) override;
    // Notes whether a button press is on its way: a press opens the editor itself, after the
    // focus has moved.
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The native window's text while it is open, else the stored text. Valid until the next
    // call.
    const wchar_t* GetEditText();
    // Stores the text (within the limit and digit rule) without repainting.
    void SetEditText(const wchar_t* text);
    // Drawn in grey while the text is empty.
    void SetTipInfo(const wchar_t* tip);
    const wchar_t* GetTipInfo() const;
    // 0 means the system's maximum. A lower limit shortens the stored text.
    void SetLimitText(int limit);
    int GetLimitText() const;
    void SetReadOnly(BOOL readOnly);
    void SetNumberOnly(BOOL numberOnly);
    void EnablePassWord(BOOL on);
    void SetPassWordChar(wchar_t character);
    void EnableMultLine(BOOL on);
    // Off: typed characters are swallowed before they reach the native window.
    void EnableCharMessage(BOOL on);
    void SetEditFont(const wchar_t* face, int size, BOOL bold, BOOL underline, BOOL italic);
    // COLORREF; CLR_INVALID (-1) leaves the system's colours.
    void SetEditBKColor(COLORREF color);
    COLORREF GetEditBKColor() const;
    // The text colour as a COLORREF.
    COLORREF GetEditTextColor() const;
    void SetTextRect(const RECT& rect);
    BOOL SetIconImage(const wchar_t* fileName, int frameCount);
    BOOL IsEditFocused();

    // Opens the editor over the text (not when read-only or disabled) and sends 30.
    void ShowEdit();
    // Commits the editor's text, hides it and sends 29.
    void HideEdit();

    HWND GetEditWnd() const;
    // 0 normal, 1 hover, 2 pressed or focused, 3 disabled.
    int GetEditState() const;
    // 0 normal, 1 hover, 2 pressed.
    int GetIconState() const;
    RECT GetTextRect() const;
    RECT GetIconRect() const;

    // Called by the native window.
    void OnEditChanged();
    void OnEditDestroyed();
    bool AcceptsChar(wchar_t character) const;
    std::wstring FitInsertion(const std::wstring& text, size_t length, size_t selected) const;

protected:
    void SetControlTitle(const wchar_t* text) override;
    const wchar_t* GetControlTitle() override;
    void SetControlRect(const RECT& rect) override;
    void SetControlVisible(BOOL visible) override;
    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    BOOL OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers) override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

private:
    bool IsEditOpen() const;
    bool OnIcon(POINT point) const;
    void SetStates(int editState, int iconState);
    HFONT GetEditFont();
    void ClearEditFont();
    std::wstring Clamp(const std::wstring& text) const;
    std::wstring ReadWindowText() const;
    void CreateEditWindow();
    RECT EditWindowRect() const;

    std::wstring m_tip;
    std::wstring m_readBuffer;
    int m_limit = kDefaultLimit;
    BOOL m_readOnly = FALSE;
    BOOL m_numberOnly = FALSE;
    BOOL m_password = FALSE;
    wchar_t m_passwordChar = 0xA1F1;
    BOOL m_multiLine = FALSE;
    BOOL m_passChars = TRUE;
    std::wstring m_editFace = L"Arial";
    int m_editSize = 14;
    int m_editStyle = 0;
    COLORREF m_editBack = 0x351806;
    RECT m_explicitTextRect = {};
    bool m_hasTextRect = false;
    ImgResInfo* m_icon = nullptr;
    int m_iconFrames = 4;
    int m_editState = 0;
    int m_iconState = 0;
    HFONT m_editFont = nullptr;
    bool m_syncing = false;
    bool m_pressArriving = false;
    std::unique_ptr<CEditWnd> m_edit;
};

} // namespace OrvixUI
