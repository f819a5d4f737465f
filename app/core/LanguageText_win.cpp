#include "app/core/LanguageText.h"

#include "app/core/Folders.h"
#include "app/core/Language.h"

#include <windows.h>

namespace {
constexpr DWORD kTextCapacity = 260;
}

std::wstring GetText(const std::wstring& section, int id) {
    const std::wstring file =
        GetProgramFolder() + L"language\\" + std::to_wstring(GetLanguageId()) + L".lan";
    wchar_t text[kTextCapacity] = {};
    GetPrivateProfileStringW(section.c_str(), std::to_wstring(id).c_str(), L"", text, kTextCapacity,
                             file.c_str());
    return text;
}
