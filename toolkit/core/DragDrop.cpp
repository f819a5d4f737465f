#include "toolkit/core/DragDrop.h"

#include <algorithm>

namespace OrvixUI {

namespace {

bool SameFormat(const FORMATETC& a, const FORMATETC& b) {
    return a.cfFormat == b.cfFormat && (a.tymed & b.tymed) != 0 && a.dwAspect == b.dwAspect &&
           a.lindex == b.lindex;
}

// A copy of the storage that the receiver may release on its own.
HRESULT CopyMedium(const FORMATETC& format, const STGMEDIUM& from, STGMEDIUM* to) {
    *to = {};
    switch (from.tymed) {
    case TYMED_GDI:
        to->hBitmap = static_cast<HBITMAP>(CopyImage(from.hBitmap, IMAGE_BITMAP, 0, 0, 0));
        break;
    case TYMED_ENHMF:
        to->hEnhMetaFile = CopyEnhMetaFileW(from.hEnhMetaFile, nullptr);
        break;
    case TYMED_HGLOBAL:
        to->hGlobal = static_cast<HGLOBAL>(OleDuplicateData(from.hGlobal, format.cfFormat, 0));
        break;
    default:
        return DV_E_TYMED;
    }
    if (!to->hGlobal && !to->hBitmap && !to->hEnhMetaFile) {
        return E_OUTOFMEMORY;
    }
    to->tymed = from.tymed;
    return S_OK;
}

HENHMETAFILE MetafileOf(HBITMAP bitmap) {
    BITMAP info = {};
    if (!GetObjectW(bitmap, sizeof info, &info)) {
        return nullptr;
    }
    HDC screen = GetDC(nullptr);
    // Frame in 0.01 mm from the screen's resolution.
    const int mmX = GetDeviceCaps(screen, HORZSIZE), mmY = GetDeviceCaps(screen, VERTSIZE);
    const int pxX = std::max(1, GetDeviceCaps(screen, HORZRES));
    const int pxY = std::max(1, GetDeviceCaps(screen, VERTRES));
    RECT frame = {0, 0, info.bmWidth * mmX * 100 / pxX, info.bmHeight * mmY * 100 / pxY};
    HDC metafile = CreateEnhMetaFileW(screen, nullptr, &frame, nullptr);
    ReleaseDC(nullptr, screen);
    if (!metafile) {
        return nullptr;
    }
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(metafile, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    return CloseEnhMetaFile(metafile);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// CEnumFormatEtc

CEnumFormatEtc::CEnumFormatEtc(const std::vector<FORMATETC>& formats) : m_formats(formats) {}
CEnumFormatEtc::~CEnumFormatEtc() = default;

HRESULT CEnumFormatEtc::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == IID_IEnumFORMATETC) {
        *object = this;
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CEnumFormatEtc::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }

ULONG CEnumFormatEtc::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT CEnumFormatEtc::Next(ULONG count, FORMATETC* formats, ULONG* fetched) {
    ULONG given = 0;
    while (given < count && m_at < m_formats.size()) {
        formats[given++] = m_formats[m_at++];
    }
    if (fetched) {
        *fetched = given;
    }
    return given == count ? S_OK : S_FALSE;
}

HRESULT CEnumFormatEtc::Skip(ULONG count) {
    m_at = std::min(m_formats.size(), m_at + count);
    return m_at < m_formats.size() ? S_OK : S_FALSE;
}

HRESULT CEnumFormatEtc::Reset() {
    m_at = 0;
    return S_OK;
}

HRESULT CEnumFormatEtc::Clone(IEnumFORMATETC** clone) {
    auto* copy = new CEnumFormatEtc(m_formats);
    copy->m_at = m_at;
    *clone = copy;
    return S_OK;
}

// ---------------------------------------------------------------------------------------------
// CIDataObject

CIDataObject::CIDataObject() = default;

CIDataObject::~CIDataObject() {
    for (Entry& entry : m_entries) {
        ReleaseStgMedium(&entry.medium);
    }
}

HRESULT CIDataObject::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == IID_IDataObject) {
        *object = this;
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CIDataObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }

ULONG CIDataObject::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

const CIDataObject::Entry* CIDataObject::Find(const FORMATETC* format) const {
    if (!format) {
        return nullptr;
    }
    for (const Entry& entry : m_entries) {
        if (SameFormat(entry.format, *format)) {
            return &entry;
        }
    }
    return nullptr;
}

HRESULT CIDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!medium) {
        return E_INVALIDARG;
    }
    const Entry* entry = Find(format);
    return entry ? CopyMedium(entry->format, entry->medium, medium) : DV_E_FORMATETC;
}

HRESULT CIDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT CIDataObject::QueryGetData(FORMATETC* format) {
    return Find(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT CIDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    if (out) {
        out->ptd = nullptr;
    }
    return DATA_S_SAMEFORMATETC;
}

HRESULT CIDataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) {
    if (!format || !medium) {
        return E_INVALIDARG;
    }
    Entry entry = {*format, {}};
    if (release) {
        entry.medium = *medium;
    } else if (HRESULT copied = CopyMedium(*format, *medium, &entry.medium); FAILED(copied)) {
        return copied;
    }
    for (Entry& existing : m_entries) {
        if (SameFormat(existing.format, *format)) {
            ReleaseStgMedium(&existing.medium);
            existing = entry;
            return S_OK;
        }
    }
    m_entries.push_back(entry);
    return S_OK;
}

HRESULT CIDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
    if (direction != DATADIR_GET) {
        return E_NOTIMPL;
    }
    std::vector<FORMATETC> list;
    for (const Entry& entry : m_entries) {
        list.push_back(entry.format);
    }
    *formats = new CEnumFormatEtc(list);
    return S_OK;
}

HRESULT CIDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}
HRESULT CIDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT CIDataObject::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }

CIDataObject* CreateBitmapDataObject(HBITMAP bitmap) {
    if (!bitmap) {
        return nullptr;
    }
    auto* data = new CIDataObject();
    FORMATETC bitmapFormat = {CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI};
    STGMEDIUM bitmapMedium = {};
    bitmapMedium.tymed = TYMED_GDI;
    bitmapMedium.hBitmap = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
    FORMATETC metaFormat = {CF_ENHMETAFILE, nullptr, DVASPECT_CONTENT, -1, TYMED_ENHMF};
    STGMEDIUM metaMedium = {};
    metaMedium.tymed = TYMED_ENHMF;
    metaMedium.hEnhMetaFile = MetafileOf(bitmap);
    if (!bitmapMedium.hBitmap || !metaMedium.hEnhMetaFile) {
        ReleaseStgMedium(&bitmapMedium);
        ReleaseStgMedium(&metaMedium);
        data->Release();
        return nullptr;
    }
    data->SetData(&bitmapFormat, &bitmapMedium, TRUE);
    data->SetData(&metaFormat, &metaMedium, TRUE);
    return data;
}

// ---------------------------------------------------------------------------------------------
// CIDropSource

CIDropSource::CIDropSource() = default;
CIDropSource::~CIDropSource() = default;

HRESULT CIDropSource::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == IID_IDropSource) {
        *object = this;
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CIDropSource::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }

ULONG CIDropSource::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT CIDropSource::QueryContinueDrag(BOOL escape, DWORD keyState) {
    if (escape) {
        return DRAGDROP_S_CANCEL;
    }
    return (keyState & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
}

HRESULT CIDropSource::GiveFeedback(DWORD) { return DRAGDROP_S_USEDEFAULTCURSORS; }

// ---------------------------------------------------------------------------------------------
// CIDropTarget

CIDropTarget::CIDropTarget()
    : m_formats{{CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI},
                {CF_ENHMETAFILE, nullptr, DVASPECT_CONTENT, -1, TYMED_ENHMF}} {}

CIDropTarget::~CIDropTarget() { RevokeDropTarget(); }

HRESULT CIDropTarget::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// The target is part of its owner and lives as long as the owner does: the count only tracks
// the system's references, it never deletes.
ULONG CIDropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }
ULONG CIDropTarget::Release() { return static_cast<ULONG>(InterlockedDecrement(&m_references)); }

bool CIDropTarget::Accepts(IDataObject* data) {
    if (!data) {
        return false;
    }
    return std::any_of(m_formats.begin(), m_formats.end(),
                       [data](FORMATETC format) { return data->QueryGetData(&format) == S_OK; });
}

HRESULT CIDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    m_accepting = Accepts(data);
    *effect = m_accepting ? (*effect & DROPEFFECT_MOVE ? DROPEFFECT_MOVE : DROPEFFECT_COPY)
                          : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT CIDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = m_accepting ? (*effect & DROPEFFECT_MOVE ? DROPEFFECT_MOVE : DROPEFFECT_COPY)
                          : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT CIDropTarget::DragLeave() {
    m_accepting = false;
    return S_OK;
}

HRESULT CIDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    DWORD chosen = DROPEFFECT_NONE;
    if (data) {
        for (FORMATETC format : m_formats) {
            STGMEDIUM medium = {};
            if (data->GetData(&format, &medium) != S_OK) {
                continue;
            }
            DWORD offered = *effect;
            const BOOL taken = OnDrop(&format, medium, &offered);
            ReleaseStgMedium(&medium);
            if (taken) {
                chosen = offered & DROPEFFECT_MOVE ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
                break;
            }
        }
    }
    m_accepting = false;
    *effect = chosen;
    return S_OK;
}

BOOL CIDropTarget::RegisterDropTarget(HWND window) {
    if (m_window == window) {
        return TRUE;
    }
    RevokeDropTarget();
    if (!window || RegisterDragDrop(window, this) != S_OK) {
        return FALSE;
    }
    m_window = window;
    return TRUE;
}

void CIDropTarget::RevokeDropTarget() {
    if (m_window) {
        if (IsWindow(m_window)) {
            RevokeDragDrop(m_window);
        }
        m_window = nullptr;
    }
}

BOOL CIDropTarget::OnDrop(FORMATETC*, STGMEDIUM&, DWORD*) { return FALSE; }

// ---------------------------------------------------------------------------------------------
// CDragSourceHelper

CDragSourceHelper::CDragSourceHelper() {
    CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDragSourceHelper,
                     reinterpret_cast<void**>(&m_helper));
}

CDragSourceHelper::~CDragSourceHelper() {
    if (m_helper) {
        m_helper->Release();
    }
}

BOOL CDragSourceHelper::InitializeFromBitmap(HBITMAP bitmap, POINT offset, IDataObject* data,
                                             COLORREF key) {
    BITMAP info = {};
    if (!m_helper || !bitmap || !data || !GetObjectW(bitmap, sizeof info, &info)) {
        return FALSE;
    }
    SHDRAGIMAGE image = {};
    image.sizeDragImage = SIZE{info.bmWidth, info.bmHeight};
    image.ptOffset = offset;
    // The helper owns the bitmap it is given.
    image.hbmpDragImage = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
    image.crColorKey = key;
    if (m_helper->InitializeFromBitmap(&image, data) != S_OK) {
        DeleteObject(image.hbmpDragImage);
        return FALSE;
    }
    return TRUE;
}

} // namespace OrvixUI
