// unique_any: one move-only owner for every Win32 handle kind, closed by its traits.
#pragma once

#include <windows.h>

#include <utility>

namespace lp {

// Traits give the handle type, its invalid value and how to close it.
template <typename Traits>
class unique_any {
public:
    using pointer = typename Traits::type;

    unique_any() = default;
    explicit unique_any(pointer value) : value_(value) {}
    ~unique_any() { reset(); }
    unique_any(unique_any&& other) noexcept : value_(other.release()) {}
    unique_any& operator=(unique_any&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;

    pointer get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::invalid(); }

    // Closes the owned handle (if any) and takes ownership of value.
    void reset(pointer value = Traits::invalid()) {
        pointer old = std::exchange(value_, value);
        if (old != Traits::invalid())
            Traits::close(old);
    }

    // Gives up ownership without closing.
    pointer release() { return std::exchange(value_, Traits::invalid()); }

    // For out-parameters: closes the owned handle and returns the address to fill.
    pointer* put() {
        reset();
        return &value_;
    }

private:
    pointer value_ = Traits::invalid();
};

namespace handle_traits {

template <typename T, auto CloseFunction>
struct null_invalid {
    using type = T;
    static T invalid() { return nullptr; }
    static void close(T value) { CloseFunction(value); }
};

struct file {
    using type = HANDLE;
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE value) { ::CloseHandle(value); }
};

}  // namespace handle_traits

// Kernel handles whose failure value is null (events, processes, threads, mappings).
using unique_handle = unique_any<handle_traits::null_invalid<HANDLE, ::CloseHandle>>;
// Handles from CreateFileW, whose failure value is INVALID_HANDLE_VALUE.
using unique_hfile = unique_any<handle_traits::file>;
using unique_hkey = unique_any<handle_traits::null_invalid<HKEY, ::RegCloseKey>>;
using unique_hmodule = unique_any<handle_traits::null_invalid<HMODULE, ::FreeLibrary>>;
// Device contexts from CreateDCW or CreateCompatibleDC (not GetDC, which ReleaseDC frees).
using unique_hdc = unique_any<handle_traits::null_invalid<HDC, ::DeleteDC>>;
using unique_hfont = unique_any<handle_traits::null_invalid<HFONT, ::DeleteObject>>;
using unique_hbrush = unique_any<handle_traits::null_invalid<HBRUSH, ::DeleteObject>>;

}  // namespace lp
