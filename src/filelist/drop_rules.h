// Which dropped paths become rows. Free of Win32, so it builds anywhere.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vt {

// True when the last three bytes of path are "fne" or "lib", ignoring ASCII
// letter case. No dot is needed, and a directory passes as well as a file.
bool IsLibraryFileName(std::string_view path);

// Splits a drop text at CR LF and gives, in order, each library path not
// accepted since the last clear, adding it to accepted. A path that occurs
// twice in one drop is given once.
std::vector<std::string> NewLibraryPaths(std::string_view dropped, std::unordered_set<std::string>& accepted);

} // namespace vt
