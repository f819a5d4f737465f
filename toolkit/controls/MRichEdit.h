#pragma once

#include "toolkit/core/MPanel.h"

#include <ole2.h>
#include <richedit.h>

#include <memory>
#include <set>
#include <string>

struct ITextServices;

namespace OrvixUI {

class RichEditHost;

// A windowless rich edit: the system's text services (from "Msftedit.dll" in the system
// folder, loaded once on first use) hold and lay out the text; this control hosts them, draws
// them into its own cached surface, and feeds them mouse and keyboard input while it has the
// focus. The paint manager draws the caret.
//
// Without the text services (library or entry missing) the control still shows its title
// and tip as plain text and keeps the title; the editing operations then do nothing and
// return 0, FALSE or an empty text. IsTextServicesReady() tells which case applies.
//
// Notifications: 26 when the text changes.
class ORVIXUI_API MRichEdit : public MPanel {
public:
    MRichEdit(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
              BOOL enabled);
    ~MRichEdit() override;

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const RECT& clip) override;
    void SetControlFocus(BOOL focus) override;
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The text services' default character format follows the control's font and colour.
    void SetTextFont(const wchar_t* name) override;
    void SetTextColor(DWORD color) override;

    BOOL IsTextServicesReady() const;
    // A message to the text services; 0 without them.
    LRESULT TxSendMessage(UINT message, WPARAM wParam, LPARAM lParam);

    BOOL SaveRtf(const wchar_t* path);
    BOOL LoadRtf(const wchar_t* path);
    // format: SF_TEXT, SF_RTF (with SF_UNICODE and the other flags of the system rich edit);
    // returns the number of characters streamed.
    long StreamOut(int format, EDITSTREAM& stream);
    long StreamIn(int format, EDITSTREAM& stream);
    // An icon at the left edge (frame 0 of the strip), vertically centred; the text starts
    // right of it.
    BOOL SetIconImage(const wchar_t* fileName, int frameCount);
    // Drawn in grey while the text is empty and the control has no focus.
    void SetTipInfo(const wchar_t* tip);

    void GetSel(long& start, long& end);
    void SetSel(long start, long end);
    void ReplaceSel(const wchar_t* text, BOOL canUndo);
    // Valid until the next call.
    const wchar_t* GetSelText();
    void SetSelAll();
    void InsertText(long position, const wchar_t* text, BOOL canUndo);
    void AppendText(const wchar_t* text, BOOL canUndo);
    int GetLineCount();
    // Valid until the next call.
    const wchar_t* GetLine(int line);
    int LineIndex(int line);
    BOOL CanUndo();
    BOOL Undo();
    BOOL Redo();
    void Copy();
    void Cut();
    void Paste();
    void SetReadOnly(BOOL readOnly);
    void SetPassword(BOOL on, wchar_t character);
    // Typed and pasted text stops at the limit; texts set by the program are cut to it.
    void SetLimitText(int limit);
    void SetWordWrap(BOOL wrap);
    void SetMultiLine(BOOL multiLine);
    BOOL SetDefaultCharFormat(CHARFORMAT2W& format);
    BOOL SetParaFormat(PARAFORMAT2& format);
    // Space between the control's edges and the text.
    void SetTextPadding(const RECT& padding);

protected:
    void SetControlTitle(const wchar_t* text) override;
    const wchar_t* GetControlTitle() override;
    void SetControlRect(const RECT& rect) override;
    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlSetCursor(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    BOOL OnControlLButtonDblClk(UINT flags, POINT point) override;
    BOOL OnControlRButtonDown(UINT flags, POINT point) override;
    BOOL OnControlRButtonUp(UINT flags, POINT point) override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

    // What lies under the text in slice for a state (0 normal, 1 hover, 2 focused,
    // 3 disabled); the variants draw their own frames here.
    virtual void DrawBackdrop(HDC dc, const RECT& slice, int state);
    // The text services changed the text: code 26 and a rebuild.
    virtual void OnTextChanged();
    int GetState() const;
    ImgResInfo* GetIcon() const;

private:
    friend class RichEditHost;

    bool CreateServices();
    // In-place activation needs the host window, which may come after the manager.
    void EnsureActive();
    void ReleaseServices();
    RECT TextClientRect() const;
    void NotifyProperty(DWORD bit);
    void UpdateCharFormat();
    void SetState(int state);
    BOOL Forward(UINT message, UINT flags, POINT point);
    std::wstring ReadText();

    std::unique_ptr<RichEditHost> m_host;
    ITextServices* m_services = nullptr;
    bool m_servicesTried = false;
    bool m_active = false;
    std::wstring m_tip;
    std::wstring m_buffer;
    ImgResInfo* m_icon = nullptr;
    int m_iconFrames = 1;
    int m_limit = 0;
    BOOL m_readOnly = FALSE;
    BOOL m_password = FALSE;
    wchar_t m_passwordChar = L'*';
    BOOL m_wordWrap = TRUE;
    BOOL m_multiLine = FALSE;
    RECT m_padding = {4, 2, 4, 2};
    CHARFORMAT2W m_charFormat = {};
    PARAFORMAT2 m_paraFormat = {};
    int m_state = 0;
    bool m_inside = false;
    bool m_capturing = false;
    std::set<UINT> m_timers;
};

} // namespace OrvixUI
