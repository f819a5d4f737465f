#pragma once

#include "toolkit/core/GdiPlus.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace OrvixUI {

// A window's fonts: GDI+ families loaded from files or the library's "ttf" resources, keyed by
// face name, and fonts added to GDI as process-private memory fonts.
class FontCache {
public:
    FontCache();
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The first family of the file, stored under face; null when the file holds none.
    Gdiplus::FontFamily* AddTempFont(const wchar_t* face, const wchar_t* filePath);
    Gdiplus::FontFamily* AddTempFont(const wchar_t* face, UINT resourceId);
    bool AddGDITempFont(UINT resourceId);
    // Always the toolkit font: the family cached under its name, else the installed font of
    // that name (then cached); null when neither exists.
    Gdiplus::FontFamily* FindTempFont(const wchar_t* face);
    void Clear();

private:
    Gdiplus::FontFamily* Store(const wchar_t* face,
                               std::unique_ptr<Gdiplus::PrivateFontCollection> collection);

    std::recursive_mutex m_lock;
    std::vector<std::unique_ptr<Gdiplus::PrivateFontCollection>> m_collections;
    std::map<std::wstring, std::unique_ptr<Gdiplus::FontFamily>> m_families;
    std::vector<HANDLE> m_gdiFonts;
};

} // namespace OrvixUI
