#pragma once

#include "toolkit/core/OrvixApi.h"

#include <ole2.h>
#include <shlobj.h>
#include <windows.h>

#include <vector>

namespace OrvixUI {

// The OLE pieces of the toolkit's drag and drop: a data object that holds formats and their
// storage, its format enumerator, the drag source, a drop target that hands dropped data to
// its owner, and the shell's drag image helper. Reference counted; each starts at 1.

class ORVIXUI_API CEnumFormatEtc : public IEnumFORMATETC {
public:
    explicit CEnumFormatEtc(const std::vector<FORMATETC>& formats);
    virtual ~CEnumFormatEtc();
    CEnumFormatEtc(const CEnumFormatEtc&) = delete;
    CEnumFormatEtc& operator=(const CEnumFormatEtc&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* formats, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** clone) override;

private:
    LONG m_references = 1;
    std::vector<FORMATETC> m_formats;
    size_t m_at = 0;
};

class ORVIXUI_API CIDataObject : public IDataObject {
public:
    CIDataObject();
    virtual ~CIDataObject();
    CIDataObject(const CIDataObject&) = delete;
    CIDataObject& operator=(const CIDataObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    // With release TRUE the object takes the storage and frees it when it goes.
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override;

private:
    struct Entry {
        FORMATETC format;
        STGMEDIUM medium;
    };
    const Entry* Find(const FORMATETC* format) const;

    LONG m_references = 1;
    std::vector<Entry> m_entries;
};

class ORVIXUI_API CIDropSource : public IDropSource {
public:
    CIDropSource();
    virtual ~CIDropSource();
    CIDropSource(const CIDropSource&) = delete;
    CIDropSource& operator=(const CIDropSource&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // Escape cancels; releasing the left button drops.
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

private:
    LONG m_references = 1;
};

// Accepts bitmaps and metafiles over its window and hands a drop to OnDrop.
class ORVIXUI_API CIDropTarget : public IDropTarget {
public:
    CIDropTarget();
    virtual ~CIDropTarget();
    CIDropTarget(const CIDropTarget&) = delete;
    CIDropTarget& operator=(const CIDropTarget&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point,
                                   DWORD* effect) override;

    // Registers window as a drop target (OLE must be running on this thread).
    BOOL RegisterDropTarget(HWND window);
    void RevokeDropTarget();
    // The dropped data in one of the accepted formats; returns whether it was taken.
    virtual BOOL OnDrop(FORMATETC* format, STGMEDIUM& medium, DWORD* effect);

private:
    bool Accepts(IDataObject* data);

    LONG m_references = 1;
    HWND m_window = nullptr;
    bool m_accepting = false;
    std::vector<FORMATETC> m_formats;
};

// The shell's drag image, made from a bitmap with its centre at the pointer.
class ORVIXUI_API CDragSourceHelper {
public:
    CDragSourceHelper();
    ~CDragSourceHelper();
    CDragSourceHelper(const CDragSourceHelper&) = delete;
    CDragSourceHelper& operator=(const CDragSourceHelper&) = delete;

    BOOL InitializeFromBitmap(HBITMAP bitmap, POINT offset, IDataObject* data,
                              COLORREF key = 0xFF00FF);

private:
    IDragSourceHelper* m_helper = nullptr;
};

// A bitmap and an enhanced metafile of a copy of `bitmap` in one data object (null on failure).
ORVIXUI_API CIDataObject* CreateBitmapDataObject(HBITMAP bitmap);

} // namespace OrvixUI
