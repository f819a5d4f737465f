// The toolkit gallery, a test host: shows every section, a page at a time, until closed.
//   --page N        starts on page N (1, 2, ...); "--page all" with --shot renders every page
//   --shot FILE.png renders the dialog's back buffer to FILE.png and exits (0 when written)
// Exit codes: 0 done, 1 the picture could not be written, 2 no window, 3 no such page.

#include "tests/toolkit/gallery/GalleryDialog.h"
#include "toolkit/core/Manager.h"

#include <shellapi.h>

#include <cwchar>
#include <string>

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring shot;
    std::wstring page = L"1";
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::wstring(argv[i]) == L"--shot") {
            shot = argv[i + 1];
        } else if (std::wstring(argv[i]) == L"--page") {
            page = argv[i + 1];
        }
    }
    LocalFree(argv);
    const bool allPages = page == L"all";
    wchar_t* end = nullptr;
    const long number = allPages ? 1 : std::wcstol(page.c_str(), &end, 10);
    if (!allPages && (end == page.c_str() || *end != L'\0' || number < 1 ||
                      number > gallery::GalleryDialog::PageCount())) {
        return 3;
    }

    OrvixUI::Manager::SetInstance(GetModuleHandleW(nullptr));
    OrvixUI::Manager::InitGdiplus();
    int code = 0;
    {
        gallery::GalleryDialog dialog(static_cast<int>(number) - 1);
        if (!dialog.Create()) {
            code = 2;
        } else if (!shot.empty()) {
            code = dialog.SaveShot(shot, allPages) ? 0 : 1;
        } else {
            dialog.ShowModal(SW_SHOWNORMAL);
        }
    }
    OrvixUI::Manager::UnInitGdiplus();
    return code;
}
