#include "toolkit/core/Manager.h"

// Loading the library only records its module handle, for its own resources.
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        OrvixUI::Manager::SetModule(module);
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}
