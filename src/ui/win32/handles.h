// Owning guards for Win32 handles. None of them can be copied; each releases
// its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace vt::ui::win32 {

template <typename H, typename Traits>
class Owned {
public:
    Owned() = default;
    explicit Owned(H h) : h_(h) {}
    ~Owned() { reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, Traits::invalid())) {}
    Owned& operator=(Owned&& o) noexcept
    {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, Traits::invalid());
        }
        return *this;
    }
    H get() const { return h_; }
    H* put() { reset(); return &h_; }
    explicit operator bool() const { return h_ != Traits::invalid(); }
    void reset(H h = Traits::invalid())
    {
        if (h_ != Traits::invalid())
            Traits::close(h_);
        h_ = h;
    }

private:
    H h_ = Traits::invalid();
};

struct FileHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { CloseHandle(h); }
};
struct FindHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { FindClose(h); }
};
struct RegKeyTraits {
    static HKEY invalid() { return nullptr; }
    static void close(HKEY h) { RegCloseKey(h); }
};
struct GdiTraits {
    static HGDIOBJ invalid() { return nullptr; }
    static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct IconTraits {
    static HICON invalid() { return nullptr; }
    static void close(HICON h) { DestroyIcon(h); }
};

using FileHandle = Owned<HANDLE, FileHandleTraits>;
using FindHandle = Owned<HANDLE, FindHandleTraits>;
using RegKey = Owned<HKEY, RegKeyTraits>;
using GdiObject = Owned<HGDIOBJ, GdiTraits>;
using IconHandle = Owned<HICON, IconTraits>;

// A locked HGLOBAL; unlocked when the guard goes.
class GlobalLock {
public:
    explicit GlobalLock(HGLOBAL h) : h_(h), p_(h ? ::GlobalLock(h) : nullptr) {}
    ~GlobalLock() { if (p_) ::GlobalUnlock(h_); }
    GlobalLock(const GlobalLock&) = delete;
    GlobalLock& operator=(const GlobalLock&) = delete;
    void* get() const { return p_; }
    SIZE_T size() const { return p_ ? GlobalSize(h_) : 0; }

private:
    HGLOBAL h_;
    void* p_;
};

// An object selected into a DC; the previous one comes back when the guard goes.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectGuard() { SelectObject(dc_, old_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window DC from GetDC, released when the guard goes.
class WindowDC {
public:
    explicit WindowDC(HWND w) : w_(w), dc_(GetDC(w)) {}
    ~WindowDC() { if (dc_) ReleaseDC(w_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND w_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND w) : w_(w) { dc_ = BeginPaint(w, &ps_); }
    ~PaintDC() { EndPaint(w_, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }
    const PAINTSTRUCT& info() const { return ps_; }

private:
    HWND w_;
    HDC dc_;
    PAINTSTRUCT ps_{};
};

// A memory DC compatible with another, deleted when the guard goes.
class MemoryDC {
public:
    explicit MemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDC() { if (dc_) DeleteDC(dc_); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

} // namespace vt::ui::win32
