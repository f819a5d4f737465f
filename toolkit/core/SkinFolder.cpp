#include "toolkit/core/SkinFolder.h"

#include "toolkit/core/Manager.h"

#include <vector>

namespace OrvixUI {

std::wstring GetProgramFolderPath() {
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

std::wstring GetSkinFolder() { return GetProgramFolderPath() + L"skins\\" + Manager::GetTheme(); }

std::wstring GetFontFolder() { return GetProgramFolderPath() + L"font\\"; }

} // namespace OrvixUI
