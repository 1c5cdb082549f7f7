// Small owners for Win32 handles: one type per kind of handle, moves only, no copies.
#pragma once

#include <windows.h>

#include <utility>

namespace lark::win32 {

template <class H, auto Close, H Invalid = H{}>
class Unique {
public:
    Unique() = default;
    explicit Unique(H h) : h_(h) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : h_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    H get() const { return h_; }
    explicit operator bool() const { return h_ != Invalid; }
    H release() { return std::exchange(h_, Invalid); }
    void reset(H h = Invalid) {
        if (h_ != Invalid) Close(h_);
        h_ = h;
    }

private:
    H h_ = Invalid;
};

inline void closeKernel(HANDLE h) { ::CloseHandle(h); }
inline void closeKey(HKEY k) { ::RegCloseKey(k); }
inline void deleteGdi(HGDIOBJ o) { ::DeleteObject(o); }
inline void deleteDc(HDC dc) { ::DeleteDC(dc); }
inline void destroyIcon(HICON i) { ::DestroyIcon(i); }
inline void destroyMenu(HMENU m) { ::DestroyMenu(m); }
inline void destroyAccel(HACCEL a) { ::DestroyAcceleratorTable(a); }
inline void destroyWindow(HWND w) { ::DestroyWindow(w); }

using UniqueHandle = Unique<HANDLE, closeKernel>;
using UniqueKey = Unique<HKEY, closeKey>;
using UniqueFont = Unique<HGDIOBJ, deleteGdi>;
using UniqueGdi = Unique<HGDIOBJ, deleteGdi>;
using UniqueDc = Unique<HDC, deleteDc>;
using UniqueIcon = Unique<HICON, destroyIcon>;
using UniqueMenu = Unique<HMENU, destroyMenu>;
using UniqueAccel = Unique<HACCEL, destroyAccel>;
using UniqueWindow = Unique<HWND, destroyWindow>;

// Selects an object into a device context for one scope and puts the old one back.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~Selected() { ::SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A screen-compatible memory bitmap with its own device context. The context is deleted before the
// bitmap (members go in reverse order), so the bitmap is never deleted while selected.
class MemoryBitmap {
public:
    MemoryBitmap() = default;
    MemoryBitmap(int width, int height) { create(width, height); }
    void create(int width, int height);
    HDC dc() const { return dc_.get(); }
    int width() const { return w_; }
    int height() const { return h_; }
    explicit operator bool() const { return static_cast<bool>(dc_); }

private:
    UniqueGdi bitmap_;
    UniqueDc dc_;
    int w_ = 0, h_ = 0;
};

inline void MemoryBitmap::create(int width, int height) {
    dc_.reset();
    bitmap_.reset();
    w_ = width > 0 ? width : 1;
    h_ = height > 0 ? height : 1;
    HDC screen = ::GetDC(nullptr);
    bitmap_.reset(::CreateCompatibleBitmap(screen, w_, h_));
    dc_.reset(::CreateCompatibleDC(screen));
    ::ReleaseDC(nullptr, screen);
    if (dc_) ::SelectObject(dc_.get(), bitmap_.get());
}

}  // namespace lark::win32
