// Functions of system DLLs that the program needs only on some paths (the
// open dialog, a drop): loaded on first use, so start-up does not pay for them.
#pragma once

#include <windows.h>

namespace vt::ui::win32 {

// The named export of dll, loaded once; nullptr when it cannot be had.
template <typename F>
F LazyFunction(const char* dll, const char* name)
{
    HMODULE module = GetModuleHandleA(dll);
    if (!module)
        module = LoadLibraryA(dll);
    return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

} // namespace vt::ui::win32
