#include "ToolkitFixture.h"
#include "tests/XdotoolInput.h"

#include "toolkit/controls/EditTextRule.h"
#include "toolkit/controls/MEdit.h"
#include "toolkit/controls/MRichEdit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <ostream>
#include <string>

namespace toolkit_test {
namespace {

using namespace OrvixUI;

const wchar_t kTitle[] = L"ClaviraEditTestHost";
constexpr UINT kEditId = 50;
const RECT kEditRect = {20, 20, 220, 50};

// Runs the window's messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (true) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        Sleep(5);
    }
}

void Pump(std::chrono::milliseconds time) {
    PumpUntil([] { return false; }, time);
}

std::vector<UINT> Codes(const std::vector<Note>& notes) {
    std::vector<UINT> codes;
    for (const Note& note : notes) {
        codes.push_back(note.code);
    }
    return codes;
}

void SetClipboardText(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

class EditFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SetWindowTextW(host.hwnd(), kTitle);
        edit = static_cast<MEdit*>(host.manager().CreateControl(&host.recorder(), L"MEdit", kEditId,
                                                                kEditRect, L"Search", TRUE, TRUE));
        ASSERT_NE(edit, nullptr);
        edit->SetImage(L"img_edit.png", 4);
    }
    // Typing still under way must reach this window, not the next test's. Key messages only: a
    // click on the window's background posts a caption drag, which Wine would start on
    // dispatch and hold until a real button release.
    void TearDown() override {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!XdotoolRunsFinished() && std::chrono::steady_clock::now() < end) {
            MSG message;
            while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_KEY);
        }
    }

    // Press and release at a point of the window, as the mouse would.
    void Click(int x, int y) {
        host.Send(WM_MOUSEMOVE, 0, At(x, y));
        host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        host.Send(WM_LBUTTONUP, 0, At(x, y));
    }

    // Opens the editor with a click and gives the window the X keyboard focus.
    void OpenForTyping() {
        Click(60, 35);
        host.recorder().Take();
        ASSERT_TRUE(TypeWithXdotool(kTitle, L"End"));
        Pump(std::chrono::milliseconds(200));
        SetFocus(edit->GetEditWnd());
        host.recorder().Take();
        ASSERT_TRUE(edit->IsEditFocused());
    }

    size_t CountOf(UINT code) {
        const auto notes = host.recorder().Take();
        taken.insert(taken.end(), notes.begin(), notes.end());
        return static_cast<size_t>(std::count_if(taken.begin(), taken.end(),
                                                 [code](const Note& n) { return n.code == code; }));
    }

    HostWindow host;
    MEdit* edit = nullptr;
    std::vector<Note> taken;
};

TEST_F(EditFixture, ShowsItsTipWhileEmpty) {
    EXPECT_STREQ(edit->GetEditText(), L"");
    EXPECT_STREQ(edit->GetTipInfo(), L"Search");
    EXPECT_TRUE(edit->IsTabStop());
}

TEST_F(EditFixture, StateChangesReuseTheCachedStatesAndTextChangesRebuild) {
    PixelBuffer buffer(400, 300);
    edit->Draw(buffer.dc(), RECT{0, 0, 400, 300});
    ASSERT_TRUE(edit->GetUpdate());
    host.Send(WM_MOUSEMOVE, 0, At(60, 35));
    EXPECT_EQ(edit->GetEditState(), 1);
    EXPECT_TRUE(edit->GetUpdate());
    edit->SetTitle(L"changed");
    EXPECT_FALSE(edit->GetUpdate());
}

TEST_F(EditFixture, TextRectangleFollowsFontSizeLinesAndIcon) {
    // kEditRect is 200 x 30 at (20, 20).
    struct Case {
        int size;
        BOOL multiLine;
        RECT expected;
    };
    const Case cases[] = {
        {10, FALSE, RECT{28, 28, 212, 42}},
        {12, FALSE, RECT{28, 26, 212, 44}},
        {16, FALSE, RECT{28, 27, 212, 43}},
        {14, TRUE, RECT{26, 25, 214, 45}},
    };
    for (const Case& c : cases) {
        edit->SetEditFont(L"Arial", c.size, FALSE, FALSE, FALSE);
        edit->EnableMultLine(c.multiLine);
        const RECT text = edit->GetTextRect();
        EXPECT_TRUE(EqualRect(&text, &c.expected)) << c.size << (c.multiLine ? " multi" : "");
    }
    edit->EnableMultLine(FALSE);
    edit->SetEditFont(L"Arial", 14, FALSE, FALSE, FALSE);
    ASSERT_TRUE(edit->SetIconImage(L"img_edit_clear.png", 4));
    // The 16-pixel icon ends 9 pixels inside the right edge; the text stops 6 pixels before it.
    EXPECT_EQ(edit->GetIconRect().left, 220 - 9 - 16);
    EXPECT_EQ(edit->GetTextRect().right, 212 - 16 - 6);
    edit->SetTextRect(RECT{30, 30, 100, 40});
    const RECT fixed = edit->GetTextRect();
    const RECT expected = {30, 30, 100, 40};
    EXPECT_TRUE(EqualRect(&fixed, &expected));
}

TEST_F(EditFixture, ClickOpensTheEditorThenReportsPressAndRelease) {
    host.Send(WM_MOUSEMOVE, 0, At(60, 35));
    EXPECT_EQ(edit->GetEditState(), 1);
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(60, 35));
    EXPECT_EQ(Codes(host.recorder().Take()), (std::vector<UINT>{30, 1}));
    ASSERT_NE(edit->GetEditWnd(), nullptr);
    EXPECT_TRUE(IsWindowVisible(edit->GetEditWnd()));
    EXPECT_EQ(GetFocus(), edit->GetEditWnd());
    wchar_t className[32] = {};
    GetClassNameW(edit->GetEditWnd(), className, 32);
    EXPECT_STREQ(className, L"FSEditWindow");
    host.Send(WM_LBUTTONUP, 0, At(60, 35));
    EXPECT_EQ(Codes(host.recorder().Take()), (std::vector<UINT>{2}));
    // The native window sits on the text rectangle.
    RECT placed;
    GetWindowRect(edit->GetEditWnd(), &placed);
    MapWindowPoints(nullptr, host.hwnd(), reinterpret_cast<POINT*>(&placed), 2);
    const RECT text = edit->GetTextRect();
    EXPECT_EQ(placed.left, text.left);
    EXPECT_EQ(placed.right, text.right);
    EXPECT_EQ(text.bottom - text.top, 14);
}

TEST_F(EditFixture, TypingReportsEachChangeAndClosingCommitsTheText) {
    OpenForTyping();
    ASSERT_TRUE(TypeWithXdotool(kTitle, L"a b c"));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(26) >= 3; }, std::chrono::seconds(3)));
    EXPECT_EQ(CountOf(26), 3u);
    EXPECT_STREQ(edit->GetEditText(), L"abc");

    // The native editor loses the keyboard: 29. Closing the editor: 29 again.
    SetFocus(host.hwnd());
    EXPECT_EQ(CountOf(29), 1u);
    host.Send(WM_MOUSEMOVE, 0, At(300, 200));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(300, 200));
    EXPECT_EQ(CountOf(29), 2u);
    EXPECT_FALSE(IsWindowVisible(edit->GetEditWnd()));
    EXPECT_STREQ(edit->GetEditText(), L"abc");
    EXPECT_STREQ(edit->GetTitle(), L"abc");
}

TEST_F(EditFixture, DigitsOnlyRefusesTypedLetters) {
    edit->SetNumberOnly(TRUE);
    OpenForTyping();
    ASSERT_TRUE(TypeWithXdotool(kTitle, L"1 a 2 b 3"));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(26) >= 3; }, std::chrono::seconds(3)));
    Pump(std::chrono::milliseconds(100));
    EXPECT_STREQ(edit->GetEditText(), L"123");
    EXPECT_EQ(CountOf(26), 3u);
}

TEST_F(EditFixture, TypingStopsAtTheLimitOf120) {
    EXPECT_EQ(edit->GetLimitText(), int{MEdit::kDefaultLimit});
    edit->SetEditText(std::wstring(119, L'x').c_str());
    OpenForTyping();
    ASSERT_TRUE(TypeWithXdotool(kTitle, L"y z"));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(26) >= 1; }, std::chrono::seconds(3)));
    Pump(std::chrono::milliseconds(200));
    EXPECT_EQ(std::wstring(edit->GetEditText()), std::wstring(119, L'x') + L"y");
}

struct PasteCase {
    const char* name;
    BOOL digitsOnly;
    int limit;
    const wchar_t* before;
    const wchar_t* clipboard;
    const wchar_t* after;
};

const PasteCase kPastes[] = {
    {"letters_into_digits", TRUE, 120, L"12", L"a3b4", L"1234"},
    {"only_letters_into_digits", TRUE, 120, L"12", L"abc", L"12"},
    {"over_the_limit", FALSE, 5, L"abc", L"defgh", L"abcde"},
    {"digits_at_the_limit", TRUE, 4, L"12", L"x345", L"1234"},
};

void PrintTo(const PasteCase& paste, std::ostream* out) { *out << paste.name; }

class EditPaste : public EditFixture, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(EditPaste, PastedTextKeepsTheLimitAndTheDigitRule) {
    const PasteCase& paste = GetParam();
    edit->SetNumberOnly(paste.digitsOnly);
    edit->SetLimitText(paste.limit);
    edit->SetEditText(paste.before);
    Click(60, 35);
    HWND native = edit->GetEditWnd();
    ASSERT_NE(native, nullptr);
    SetClipboardText(host.hwnd(), paste.clipboard);
    SendMessageW(native, WM_PASTE, 0, 0);
    EXPECT_STREQ(edit->GetEditText(), paste.after);
}

INSTANTIATE_TEST_SUITE_P(MEdit, EditPaste, ::testing::ValuesIn(kPastes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditFixture, TextSetThroughTheWindowStillKeepsTheRules) {
    edit->SetNumberOnly(TRUE);
    edit->SetLimitText(3);
    Click(60, 35);
    SetWindowTextW(edit->GetEditWnd(), L"9a8b7c6");
    EXPECT_STREQ(edit->GetEditText(), L"987");
    EXPECT_EQ(CountOf(26), 1u);
}

TEST_F(EditFixture, ProgramTextKeepsTheRules) {
    edit->SetEditText(std::wstring(130, L'q').c_str());
    EXPECT_EQ(std::wstring(edit->GetEditText()).size(), 120u);
    edit->SetNumberOnly(TRUE);
    edit->SetTitle(L"4a5");
    EXPECT_STREQ(edit->GetEditText(), L"45");
    edit->SetLimitText(1);
    EXPECT_STREQ(edit->GetEditText(), L"4");
}

TEST_F(EditFixture, IconClickClosesTheEditorWithItsOwnCodes) {
    ASSERT_TRUE(edit->SetIconImage(L"img_edit_clear.png", 4));
    Click(60, 35);
    ASSERT_TRUE(IsWindowVisible(edit->GetEditWnd()));
    host.recorder().Take();
    const RECT icon = edit->GetIconRect();
    EXPECT_EQ(icon.right, kEditRect.right - 9);
    const int x = (icon.left + icon.right) / 2, y = (icon.top + icon.bottom) / 2;
    host.Send(WM_MOUSEMOVE, 0, At(x, y));
    EXPECT_EQ(edit->GetIconState(), 1);
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    host.Send(WM_LBUTTONUP, 0, At(x, y));
    const auto codes = Codes(host.recorder().Take());
    EXPECT_NE(std::find(codes.begin(), codes.end(), 9u), codes.end());
    EXPECT_NE(std::find(codes.begin(), codes.end(), 31u), codes.end());
    EXPECT_EQ(std::find(codes.begin(), codes.end(), 1u), codes.end());
    EXPECT_EQ(std::find(codes.begin(), codes.end(), 2u), codes.end());
    EXPECT_FALSE(IsWindowVisible(edit->GetEditWnd()));
}

TEST_F(EditFixture, TabFocusOpensTheEditorAndLosingFocusClosesIt) {
    MSG tab = {host.hwnd(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(host.manager().PreTranslateMessage(&tab));
    EXPECT_EQ(Codes(host.recorder().Take()), (std::vector<UINT>{30}));
    EXPECT_EQ(edit->GetEditState(), 2);
    EXPECT_TRUE(edit->IsEditFocused());
    host.manager().SetFocusControl(nullptr);
    EXPECT_EQ(Codes(host.recorder().Take()), (std::vector<UINT>{29, 29}));
    EXPECT_EQ(edit->GetEditState(), 0);
    EXPECT_FALSE(IsWindowVisible(edit->GetEditWnd()));
}

TEST_F(EditFixture, SpaceOnAFocusedClosedFieldActsAsAClick) {
    edit->SetReadOnly(TRUE);
    host.manager().SetFocusControl(edit);
    host.recorder().Take();
    SetFocus(host.hwnd());
    host.Send(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(Codes(host.recorder().Take()), (std::vector<UINT>{1, 2}));
}

TEST_F(EditFixture, InALayeredWindowTheEditorIsAnOwnedPopup) {
    host.manager().SetLayeredWindow(TRUE);
    Click(60, 35);
    HWND native = edit->GetEditWnd();
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(GetWindowLongW(native, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(GetWindow(native, GW_OWNER), host.hwnd());
    RECT placed;
    GetWindowRect(native, &placed);
    POINT origin = {0, 0};
    ClientToScreen(host.hwnd(), &origin);
    EXPECT_EQ(placed.left, edit->GetTextRect().left + origin.x);
    EXPECT_EQ(placed.top, edit->GetTextRect().top + origin.y);
}

TEST_F(EditFixture, DisabledOrReadOnlyDoesNotOpen) {
    edit->SetEnabled(FALSE);
    EXPECT_EQ(edit->GetEditState(), 3);
    edit->ShowEdit();
    EXPECT_EQ(edit->GetEditWnd(), nullptr);
    edit->SetEnabled(TRUE);
    EXPECT_EQ(edit->GetEditState(), 0);
    edit->SetReadOnly(TRUE);
    edit->ShowEdit();
    EXPECT_EQ(edit->GetEditWnd(), nullptr);
}

TEST_F(EditFixture, CharactersAreSwallowedWhenPassingIsOff) {
    edit->EnableCharMessage(FALSE);
    Click(60, 35);
    SendMessageW(edit->GetEditWnd(), WM_CHAR, L'k', 0);
    EXPECT_STREQ(edit->GetEditText(), L"");
}

TEST(EditTextRule, ClampsAndFits) {
    EXPECT_EQ(ClampEditText(L"a1b2c3", 0, true), L"123");
    EXPECT_EQ(ClampEditText(L"abcdef", 4, false), L"abcd");
    EXPECT_EQ(FitEditInsertion(L"xyz", 5, 0, 6, false), L"x");
    EXPECT_EQ(FitEditInsertion(L"xyz", 6, 0, 6, false), L"");
    EXPECT_EQ(FitEditInsertion(L"xyz", 6, 2, 6, false), L"xy");
    EXPECT_EQ(FitEditInsertion(L"x9", 0, 0, 0, true), L"9");
}

// --- The rich edit on the system's text services ---

TEST(MRichEdit, HoldsAndEditsTextThroughTheTextServices) {
    HostWindow host;
    auto* rich = static_cast<MRichEdit*>(host.manager().CreateControl(
        &host.recorder(), L"MRichEdit", 60, RECT{10, 10, 210, 40}, L"Hello", TRUE, TRUE));
    ASSERT_NE(rich, nullptr);
    if (!rich->IsTextServicesReady()) {
        GTEST_SKIP() << "no windowless text services on this system";
    }
    EXPECT_STREQ(rich->GetTitle(), L"Hello");
    rich->AppendText(L" world", TRUE);
    EXPECT_STREQ(rich->GetTitle(), L"Hello world");
    rich->SetSel(0, 5);
    EXPECT_STREQ(rich->GetSelText(), L"Hello");
    rich->ReplaceSel(L"Bye", TRUE);
    EXPECT_STREQ(rich->GetTitle(), L"Bye world");
    EXPECT_TRUE(rich->CanUndo());
    rich->SetLimitText(4);
    rich->SetTitle(L"123456");
    EXPECT_STREQ(rich->GetTitle(), L"1234");
    EXPECT_EQ(rich->GetLineCount(), 1);
    EXPECT_STREQ(rich->GetLine(0), L"1234");
}

TEST(MRichEdit, TakesTypedCharactersWhileFocused) {
    HostWindow host;
    auto* rich = static_cast<MRichEdit*>(host.manager().CreateControl(
        &host.recorder(), L"MRichEdit", 60, RECT{10, 10, 210, 40}, L"", TRUE, TRUE));
    ASSERT_NE(rich, nullptr);
    if (!rich->IsTextServicesReady()) {
        GTEST_SKIP() << "no windowless text services on this system";
    }
    host.Send(WM_CHAR, L'q', 0);
    EXPECT_STREQ(rich->GetTitle(), L"") << "not focused: the key is not the edit's";
    host.Send(WM_MOUSEMOVE, 0, At(50, 25));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 25));
    host.Send(WM_LBUTTONUP, 0, At(50, 25));
    host.recorder().Take();
    ASSERT_TRUE(rich->IsFocused());
    host.Send(WM_CHAR, L'o', 0);
    host.Send(WM_CHAR, L'k', 0);
    EXPECT_STREQ(rich->GetTitle(), L"ok");
    EXPECT_TRUE(host.manager().IsCaretShown());
    EXPECT_EQ(host.manager().GetCurrentCaretObject(), rich);
    const auto codes = Codes(host.recorder().Take());
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 26u), 2);
}

} // namespace
} // namespace toolkit_test
