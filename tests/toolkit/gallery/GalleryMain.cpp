// The toolkit gallery, a test host: shows every section until closed, or with
// --shot FILE.png renders the dialog's back buffer to FILE.png and exits (0 when written).

#include "tests/toolkit/gallery/GalleryDialog.h"
#include "toolkit/core/Manager.h"

#include <shellapi.h>

#include <string>

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring shot;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::wstring(argv[i]) == L"--shot") {
            shot = argv[i + 1];
        }
    }
    LocalFree(argv);

    OrvixUI::Manager::SetInstance(GetModuleHandleW(nullptr));
    OrvixUI::Manager::InitGdiplus();
    int code = 0;
    {
        gallery::GalleryDialog dialog;
        if (!dialog.Create()) {
            code = 2;
        } else if (!shot.empty()) {
            code = dialog.SaveShot(shot) ? 0 : 1;
        } else {
            dialog.ShowModal(SW_SHOWNORMAL);
        }
    }
    OrvixUI::Manager::UnInitGdiplus();
    return code;
}
