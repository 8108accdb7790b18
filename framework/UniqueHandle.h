#pragma once
// One move-only owner for every kind of Win32 handle. A traits type says what the empty value
// is and how the handle is released; the aliases below name the kinds the programs use.
#include <windows.h>

#include <utility>

namespace kor {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle h) noexcept : m_handle(h) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != Traits::Invalid(); }

    void reset(Handle h = Traits::Invalid()) noexcept {
        if (m_handle != Traits::Invalid()) Traits::Close(m_handle);
        m_handle = h;
    }
    [[nodiscard]] Handle release() noexcept { return std::exchange(m_handle, Traits::Invalid()); }

    // For APIs that return a handle through a pointer: releases the current one first.
    Handle* put() noexcept {
        reset();
        return &m_handle;
    }

private:
    Handle m_handle = Traits::Invalid();
};

namespace handle_traits {

template <typename H, BOOL(WINAPI* CloseFn)(H)>
struct NullInvalid {
    using Handle = H;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { CloseFn(h); }
};

struct File {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { CloseHandle(h); }
};

template <typename H>
struct GdiObject {
    using Handle = H;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { DeleteObject(h); }
};

// FindFirstFileW's search handles, INVALID_HANDLE_VALUE when absent.
struct FindHandle {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { FindClose(h); }
};

struct RegKey {
    using Handle = HKEY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { RegCloseKey(h); }
};

struct Printer {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept;  // ClosePrinter, defined where winspool is linked
};

}  // namespace handle_traits

// Kernel objects that are null when absent (mutexes, events, processes).
using UniqueKernelHandle = UniqueHandle<handle_traits::NullInvalid<HANDLE, CloseHandle>>;
// CreateFile's handles, INVALID_HANDLE_VALUE when absent.
using UniqueFile = UniqueHandle<handle_traits::File>;
using UniqueWindow = UniqueHandle<handle_traits::NullInvalid<HWND, DestroyWindow>>;
using UniqueDC = UniqueHandle<handle_traits::NullInvalid<HDC, DeleteDC>>;
using UniqueModule = UniqueHandle<handle_traits::NullInvalid<HMODULE, FreeLibrary>>;
using UniqueFont = UniqueHandle<handle_traits::GdiObject<HFONT>>;
using UniquePen = UniqueHandle<handle_traits::GdiObject<HPEN>>;
using UniqueBrush = UniqueHandle<handle_traits::GdiObject<HBRUSH>>;
using UniqueBitmap = UniqueHandle<handle_traits::GdiObject<HBITMAP>>;
using UniqueEnhMetaFile = UniqueHandle<handle_traits::NullInvalid<HENHMETAFILE, DeleteEnhMetaFile>>;
using UniquePrinter = UniqueHandle<handle_traits::Printer>;
using UniqueFind = UniqueHandle<handle_traits::FindHandle>;
using UniqueRegKey = UniqueHandle<handle_traits::RegKey>;

// Selects a GDI object into a DC for one scope and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ obj) noexcept : m_dc(dc), m_old(SelectObject(dc, obj)) {}
    ~ScopedSelect() {
        if (m_old) SelectObject(m_dc, m_old);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

    // The object that was selected before (nullptr when the selection failed).
    HGDIOBJ Previous() const noexcept { return m_old; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

}  // namespace kor
