#pragma once

#include <windows.h>

// The program's main window: a 1280 x 720 popup centred on the screen, titled and tagged
// (window property, so a second copy can find it) with the application name. Running it
// returns when the window has closed.
class KeyboardDlg {
public:
    KeyboardDlg() = default;
    KeyboardDlg(const KeyboardDlg&) = delete;
    KeyboardDlg& operator=(const KeyboardDlg&) = delete;

    // Creates the window, shows it with `showCommand` and runs its messages until it closes.
    int DoModal(int showCommand);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();

    HWND m_window = nullptr;
};
