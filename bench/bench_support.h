// What the benchmark programs share.
#pragma once

#include <windows.h>

#include <string>

namespace vt::bench {

// Seconds on a monotonic clock.
double Now();

// CPU time (user and kernel) the process has used, in seconds.
double CpuSeconds();

// A fresh empty directory under the temporary folder, with a trailing backslash.
std::string MakeTempDir(const char* tag);

bool WriteBytes(const std::string& path, size_t size);

// Starts the toolkit and the main window, as the program does.
void OpenMainWindow();

} // namespace vt::bench
