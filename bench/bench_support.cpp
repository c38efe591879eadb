#include "bench_support.h"

#include <vector>

#include "app/app_state.h"
#include "ui/main_window.h"
#include "ui/toolkit.h"

namespace vt::bench {

double Now()
{
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto secs = [](FILETIME t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) /
               1e7;
    };
    return secs(kernel) + secs(user);
}

std::string MakeTempDir(const char* tag)
{
    char base[MAX_PATH] = {};
    GetTempPathA(sizeof base, base);
    std::string dir = std::string(base) + "vtbench_" + tag + "_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

bool WriteBytes(const std::string& path, size_t size)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> block(1 << 20, 'v');
    size_t left = size;
    bool ok = true;
    while (left > 0 && ok) {
        DWORD chunk = static_cast<DWORD>(left < block.size() ? left : block.size()), written = 0;
        ok = WriteFile(h, block.data(), chunk, &written, nullptr) && written == chunk;
        left -= chunk;
    }
    CloseHandle(h);
    return ok;
}

void OpenMainWindow()
{
    ui::InitializeToolkit();
    ui::SetExitCleanup(ShutdownCleanup);
    ui::CreateMainWindow();
}

} // namespace vt::bench
