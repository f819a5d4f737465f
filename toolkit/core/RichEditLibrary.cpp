#include "toolkit/core/RichEditLibrary.h"

#include <mutex>
#include <string>

namespace OrvixUI {

namespace {

constexpr const wchar_t* kRichEditName = L"Msftedit.dll";

} // namespace

const wchar_t* GetRichEditLibraryPath() {
    static const std::wstring path = [] {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return std::wstring();
        }
        std::wstring full(folder, length);
        if (full.back() != L'\\') {
            full += L'\\';
        }
        return full + kRichEditName;
    }();
    return path.c_str();
}

HMODULE LoadRichEditLibrary() {
    static std::once_flag once;
    static HMODULE module = nullptr;
    std::call_once(once, [] {
        const wchar_t* path = GetRichEditLibraryPath();
        if (*path) {
            module = LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        }
    });
    return module;
}

} // namespace OrvixUI
