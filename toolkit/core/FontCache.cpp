#include "toolkit/core/FontCache.h"

#include "toolkit/core/Manager.h"

namespace OrvixUI {

namespace {

struct ResourceBytes {
    const void* data = nullptr;
    DWORD size = 0;
};

ResourceBytes FindLibraryFont(UINT resourceId) {
    HMODULE module = Manager::GetModule();
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(resourceId), L"TTF");
    HGLOBAL resource = info ? LoadResource(module, info) : nullptr;
    if (!resource) {
        return {};
    }
    return {LockResource(resource), SizeofResource(module, info)};
}

} // namespace

FontCache::FontCache() = default;

FontCache::~FontCache() { Clear(); }

Gdiplus::FontFamily* FontCache::Store(const wchar_t* face,
                                      std::unique_ptr<Gdiplus::PrivateFontCollection> collection) {
    if (!face || collection->GetFamilyCount() < 1) {
        return nullptr;
    }
    auto family = std::make_unique<Gdiplus::FontFamily>();
    int found = 0;
    if (collection->GetFamilies(1, family.get(), &found) != Gdiplus::Ok || found < 1) {
        return nullptr;
    }
    std::lock_guard guard(m_lock);
    m_collections.push_back(std::move(collection));
    return (m_families[face] = std::move(family)).get();
}

Gdiplus::FontFamily* FontCache::AddTempFont(const wchar_t* face, const wchar_t* filePath) {
    if (!filePath) {
        return nullptr;
    }
    auto collection = std::make_unique<Gdiplus::PrivateFontCollection>();
    if (collection->AddFontFile(filePath) != Gdiplus::Ok) {
        return nullptr;
    }
    return Store(face, std::move(collection));
}

Gdiplus::FontFamily* FontCache::AddTempFont(const wchar_t* face, UINT resourceId) {
    ResourceBytes font = FindLibraryFont(resourceId);
    if (!font.data) {
        return nullptr;
    }
    auto collection = std::make_unique<Gdiplus::PrivateFontCollection>();
    if (collection->AddMemoryFont(font.data, static_cast<INT>(font.size)) != Gdiplus::Ok) {
        return nullptr;
    }
    return Store(face, std::move(collection));
}

bool FontCache::AddGDITempFont(UINT resourceId) {
    ResourceBytes font = FindLibraryFont(resourceId);
    if (!font.data) {
        return false;
    }
    DWORD installed = 0;
    HANDLE handle =
        AddFontMemResourceEx(const_cast<void*>(font.data), font.size, nullptr, &installed);
    if (!handle) {
        return false;
    }
    std::lock_guard guard(m_lock);
    m_gdiFonts.push_back(handle);
    return true;
}

Gdiplus::FontFamily* FontCache::FindTempFont(const wchar_t*) {
    std::wstring name = Manager::GetFontName();
    std::lock_guard guard(m_lock);
    auto found = m_families.find(name);
    if (found != m_families.end()) {
        return found->second.get();
    }
    auto family = std::make_unique<Gdiplus::FontFamily>(name.c_str());
    if (!family->IsAvailable()) {
        return nullptr;
    }
    return (m_families[name] = std::move(family)).get();
}

void FontCache::Clear() {
    std::lock_guard guard(m_lock);
    m_families.clear();
    m_collections.clear();
    for (HANDLE handle : m_gdiFonts) {
        RemoveFontMemResourceEx(handle);
    }
    m_gdiFonts.clear();
}

} // namespace OrvixUI
