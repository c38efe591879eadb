// The program-wide state, its release at exit, and the program entry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vt {

struct AppState {
    std::string installDir;              // the destination, ending in a backslash, or empty
    std::string lastCopiedName;          // file name of the row being copied
    std::int32_t copyRow = 0;            // 1-based number of the row being copied
    std::string seenPaths;               // each path accepted from a drop, followed by CR LF
    std::vector<std::string> sourceDirs; // member k: the directory of the file in row k
    std::string browsedPath;             // the open dialog's last file name
};

// The one instance, alive for the whole process.
AppState& App();

// The exit clean-up: releases what the state still holds.
void ShutdownCleanup();

// The exit button: ends the program at once with exit code 0.
[[noreturn]] void ExitProgram();

// Starts the program, runs its window and returns 0 when the window has gone.
int ProgramEntry();

// Called at the end of ShutdownCleanup when set; lets a test see that the
// clean-up ran, and how often.
extern void (*shutdownObserver)();

} // namespace vt
