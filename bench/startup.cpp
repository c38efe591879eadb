// Start-up to the first painted main window, Vantoril against a bare Win32
// window program, alternating runs: startup VANTORIL.EXE BARE.EXE [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

using vt::bench::Now;

struct Found {
    DWORD pid;
    HWND window;
};

BOOL CALLBACK FindVisible(HWND w, LPARAM lp)
{
    auto* f = reinterpret_cast<Found*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == f->pid && IsWindowVisible(w)) {
        f->window = w;
        return FALSE;
    }
    return TRUE;
}

// Seconds from process creation until its window is shown and its first
// paint has been handled (the process waits for input again).
double TimeStart(const std::string& exe)
{
    STARTUPINFOA si{sizeof si};
    PROCESS_INFORMATION pi{};
    std::string cmd = "\"" + exe + "\"";
    double t0 = Now();
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    WaitForInputIdle(pi.hProcess, 20000);
    Found f{pi.dwProcessId, nullptr};
    while (!f.window && Now() - t0 < 20) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&f));
        if (!f.window)
            Sleep(1);
    }
    // The first paint is done once the window answers a message again.
    DWORD_PTR r;
    SendMessageTimeoutA(f.window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &r);
    double t = Now() - t0;
    PostMessageA(f.window, WM_CLOSE, 0, 0);
    WaitForSingleObject(pi.hProcess, 20000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return t;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    int runs = argc > 3 ? atoi(argv[3]) : 7;
    std::vector<double> app, bare;
    TimeStart(argv[2]); // the first start of any program warms the caches
    for (int i = 0; i < runs; ++i) {
        app.push_back(TimeStart(argv[1]));
        bare.push_back(TimeStart(argv[2]));
    }
    double ratio = Median(app) / Median(bare);
    std::printf("start-up to the first painted window: Vantoril %.3f s, bare window %.3f s (medians of %d), "
                "ratio %.2f (limit 1.5)\n",
                Median(app), Median(bare), runs, ratio);
    return ratio <= 1.5 ? 0 : 1;
}
