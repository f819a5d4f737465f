#pragma once

#include "toolkit/core/OrvixApi.h"

#include <windows.h>

namespace OrvixUI {

class MWindow;

// The toolkit's process-wide settings: the application instance, the default font, the
// selection colour, the theme folder and the application's display name. Static only.
//
// Texts cross the library boundary as UTF-16 pointers: setters copy what they are given;
// getters return the stored text, valid until the next call of the matching setter.
class ORVIXUI_API Manager {
public:
    Manager() = delete;

    static void SetInstance(HINSTANCE instance);
    static HINSTANCE GetInstance();

    // The library's own module, for loading its resources.
    static HMODULE GetModule();
    static void SetModule(HMODULE module);

    static const wchar_t* GetTheme();

    static const wchar_t* GetFontName();
    static void SetFontName(const wchar_t* name);
    static void SetFont(const wchar_t* name, int size);
    static int GetFontWidth();

    // ARGB.
    static DWORD GetSelectColor();

    static const wchar_t* GetDeviceName();
    static void SetDeviceName(const wchar_t* name);

    // Starts GDI+, then COM and OLE for the calling thread; UnInitGdiplus undoes all three.
    static void InitGdiplus();
    static void UnInitGdiplus();

    // The process-wide registry of live toolkit windows: a window joins when its native window
    // is created and leaves when it is destroyed (or the object goes first).
    static void AddWnd(MWindow* window);
    static void DeleteWnd(MWindow* window);
    // The registered window whose handle is hwnd, or null.
    static MWindow* FindWnd(HWND hwnd);
    static int GetWndCount();

    static bool IsKeyDown(int virtualKey);
    // True (swallow the message) while Alt and F4 are both held down.
    static bool PreTranslateMessage(const MSG* msg);
    static void MessageLoop();
};

} // namespace OrvixUI
