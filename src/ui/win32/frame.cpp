// The program frame: start, message loop, Delay and the two ways to end.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <string>

#include "ui/texts.h"
#include "ui/toolkit.h"
#include "ui/win32/frame.h"

namespace vt::ui {

namespace {

void (*g_cleanup)() = nullptr;
bool g_cleanupDone = false;
bool g_ending = false;
bool g_oleReady = false;
HWND g_main = nullptr;

void RunCleanupOnce()
{
    if (g_cleanupDone)
        return;
    g_cleanupDone = true;
    if (g_cleanup)
        g_cleanup();
}

bool ModifierDown()
{
    return (GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL) | GetKeyState(VK_MENU)) & 0x8000;
}

} // namespace

namespace win32 {

void SetMainWindow(HWND window) { g_main = window; }
HWND MainWindow() { return g_main; }
void MarkEnding() { g_ending = true; }

void DispatchOne(MSG& msg)
{
    if (g_main && (msg.hwnd == g_main || IsChild(g_main, msg.hwnd))) {
        // Esc alone closes the window, whichever control has the focus.
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            if (!ModifierDown())
                PostMessageA(g_main, WM_CLOSE, 0, 0);
            return;
        }
        // Enter does nothing at window level and F1 asks for no help.
        if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_F1))
            return;
        if (IsDialogMessageA(g_main, &msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

} // namespace win32

void InitializeToolkit()
{
    char path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n > 0 && n < sizeof path) {
        std::string dir(path, n);
        if (size_t slash = dir.find_last_of('\\'); slash != std::string::npos) {
            dir.resize(slash + 1);
            SetCurrentDirectoryA(dir.c_str());
        }
    }
    g_oleReady = SUCCEEDED(OleInitialize(nullptr));
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
}

void SetExitCleanup(void (*cleanup)()) { g_cleanup = cleanup; }

void RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        win32::DispatchOne(msg);
    g_ending = true;
}

void Shutdown(int code)
{
    g_ending = true;
    RunCleanupOnce();
    if (g_oleReady)
        OleUninitialize();
    ExitProcess(static_cast<UINT>(code));
}

void Exit(int code)
{
    g_ending = true;
    RunCleanupOnce();
    if (g_main && IsWindow(g_main))
        DestroyWindow(g_main);
    if (g_oleReady)
        OleUninitialize();
    ExitProcess(static_cast<UINT>(code));
}

bool IsEnding() { return g_ending; }

void Delay(unsigned ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed > ms || g_ending)
            return;
        DWORD left = ms - elapsed + 1;
        MsgWaitForMultipleObjectsEx(0, nullptr, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // Leave the quit for the message loop that waits below us.
                g_ending = true;
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            win32::DispatchOne(msg);
        }
    }
}

void ShowMessageBox(const std::string& text)
{
    MessageBoxA(g_main, text.c_str(), Texts().messageBoxCaption.c_str(), MB_OK);
}

} // namespace vt::ui
