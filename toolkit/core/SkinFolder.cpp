#include "toolkit/core/SkinFolder.h"

#include "toolkit/core/Manager.h"

#include <string>
#include <vector>

namespace OrvixUI {

namespace {

std::wstring FindProgramFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            std::wstring path(buffer.data(), length);
            return path.substr(0, path.find_last_of(L"\\/") + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

// The program's folder does not move while it runs.
const wchar_t* GetProgramFolderPath() {
    static const std::wstring folder = FindProgramFolder();
    return folder.c_str();
}

const wchar_t* GetSkinFolder() {
    static const std::wstring folder =
        std::wstring(GetProgramFolderPath()) + L"skins\\" + Manager::GetTheme();
    return folder.c_str();
}

const wchar_t* GetFontFolder() {
    static const std::wstring folder = std::wstring(GetProgramFolderPath()) + L"font\\";
    return folder.c_str();
}

} // namespace OrvixUI
