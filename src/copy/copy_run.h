// The copy run: every listed file into the destination directory.
#pragma once

#include <string>

namespace vt {

// The copy button's handler. Copies row by row, marks each row's status and
// pauses one second after each. A click while a run is under way is ignored.
void CopyAllToInstallDir();

// Copies one file, replacing a file at destination. True when the file is in
// place afterwards because of this call, or was already (same file).
bool CopyLibraryFile(const std::string& source, const std::string& destination);

// The pause after each row, in milliseconds.
inline constexpr unsigned kCopyPauseMs = 1000;

} // namespace vt
