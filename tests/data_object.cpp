#include "data_object.h"

#include <shlobj.h>

namespace vt::test {

namespace {

class DataObject final : public IDataObject {
public:
    DataObject(CLIPFORMAT format, std::string bytes) : format_(format), bytes_(std::move(bytes)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *out = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG left = --refs_;
        if (!left)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* fmt, STGMEDIUM* medium) override
    {
        if (QueryGetData(fmt) != S_OK)
            return DV_E_FORMATETC;
        HGLOBAL h = GlobalAlloc(GHND, bytes_.size());
        if (!h)
            return E_OUTOFMEMORY;
        memcpy(GlobalLock(h), bytes_.data(), bytes_.size());
        GlobalUnlock(h);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = h;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* fmt) override
    {
        return (fmt && fmt->cfFormat == format_ && (fmt->tymed & TYMED_HGLOBAL)) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    ULONG refs_ = 1;
    CLIPFORMAT format_;
    std::string bytes_;
};

} // namespace

IDataObject* MakeFileDataObject(const std::vector<std::string>& paths, bool wide)
{
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = wide;
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& p : paths) {
        if (wide) {
            int n = MultiByteToWideChar(CP_ACP, 0, p.c_str(), static_cast<int>(p.size()), nullptr, 0);
            std::wstring w(static_cast<size_t>(n), L'\0');
            MultiByteToWideChar(CP_ACP, 0, p.c_str(), static_cast<int>(p.size()), w.data(), n);
            bytes.append(reinterpret_cast<const char*>(w.c_str()), (w.size() + 1) * sizeof(wchar_t));
        } else {
            bytes.append(p.c_str(), p.size() + 1);
        }
    }
    bytes.append(wide ? 2 : 1, '\0');
    return new DataObject(CF_HDROP, bytes);
}

IDataObject* MakeTextDataObject(const std::string& text)
{
    return new DataObject(CF_TEXT, text + '\0');
}

} // namespace vt::test
