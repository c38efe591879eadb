// The OLE drop target: accepts lists of files, with the copy effect.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <atomic>
#include <string>

#include "ui/toolkit.h"
#include "ui/win32/lazy_dll.h"

namespace vt::ui {

namespace {

class FileDropTarget final : public IDropTarget {
public:
    explicit FileDropTarget(DropTarget& owner) : owner_(&owner) {}

    void Disown() { owner_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
            *out = static_cast<IDropTarget*>(this);
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
        if (left == 0)
            delete this;
        return left;
    }

    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        acceptable_ = HasFiles(data);
        return Answer(effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override { return Answer(effect); }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        acceptable_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        acceptable_ = false;
        if (!HasFiles(data)) {
            if (effect)
                *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        std::string text = ReadPaths(data);
        if (effect)
            *effect = DROPEFFECT_COPY;
        if (owner_ && owner_->onFiles)
            owner_->onFiles(text);
        return S_OK;
    }

private:
    static FORMATETC HdropFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

    static bool HasFiles(IDataObject* data)
    {
        FORMATETC fmt = HdropFormat();
        return data && data->QueryGetData(&fmt) == S_OK;
    }

    HRESULT Answer(DWORD* effect) const
    {
        if (!effect)
            return E_INVALIDARG;
        *effect = (acceptable_ && (*effect & DROPEFFECT_COPY)) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }

    // One path alone, or, for two or more, each path followed by CR LF.
    static std::string ReadPaths(IDataObject* data)
    {
        FORMATETC fmt = HdropFormat();
        STGMEDIUM medium{};
        if (data->GetData(&fmt, &medium) != S_OK)
            return {};
        std::string text;
        static const auto dragQueryFile =
            ui::win32::LazyFunction<UINT(WINAPI*)(HDROP, UINT, LPSTR, UINT)>("shell32.dll", "DragQueryFileA");
        if (dragQueryFile && medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
            auto drop = static_cast<HDROP>(medium.hGlobal);
            UINT count = dragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
            for (UINT i = 0; i < count; ++i) {
                UINT length = dragQueryFile(drop, i, nullptr, 0);
                std::string path(length + 1, '\0');
                UINT got = dragQueryFile(drop, i, path.data(), length + 1);
                path.resize(got);
                text += path;
                if (count > 1)
                    text += "\r\n";
            }
        }
        ReleaseStgMedium(&medium);
        return text;
    }

    std::atomic<ULONG> refs_{1};
    DropTarget* owner_;
    bool acceptable_ = false;
};

} // namespace

struct DropTarget::Impl {
    FileDropTarget* target = nullptr;
    HWND window = nullptr;
};

DropTarget::DropTarget() : impl_(new Impl) {}

DropTarget::~DropTarget()
{
    Revoke();
    delete impl_;
}

bool DropTarget::Register(NativeWindow window)
{
    Revoke();
    auto* target = new FileDropTarget(*this);
    if (RegisterDragDrop(static_cast<HWND>(window), target) != S_OK) {
        target->Release();
        return false;
    }
    impl_->target = target;
    impl_->window = static_cast<HWND>(window);
    return true;
}

void DropTarget::Revoke()
{
    if (!impl_->target)
        return;
    if (IsWindow(impl_->window))
        RevokeDragDrop(impl_->window);
    impl_->target->Disown();
    impl_->target->Release();
    impl_->target = nullptr;
    impl_->window = nullptr;
}

void* DropTarget::OleTarget() const { return static_cast<IDropTarget*>(impl_->target); }

} // namespace vt::ui
