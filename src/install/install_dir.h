// The destination directory, read from the current user's registry hive.
#pragma once

#include <string>

namespace vt {

// HKEY_CURRENT_USER value that holds the environment's executable path.
inline constexpr char kInstallPathKey[] = "Software\\FlySky\\E\\Install";
inline constexpr char kInstallPathValue[] = "Path";

// The registered path cut after its last backslash, or an empty text.
std::string ReadInstallDir();

// The main window's created event: XP look, drop target, destination label.
void PrepareMainWindow();

} // namespace vt
