// The smallest Win32 window program: the yardstick for start-up time.
#include <windows.h>

static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = inst;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "Bare";
    RegisterClassA(&wc);
    HWND w = CreateWindowA("Bare", "Bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 100, 100, 454,
                           405, nullptr, nullptr, inst, nullptr);
    ShowWindow(w, SW_SHOW);
    UpdateWindow(w);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
