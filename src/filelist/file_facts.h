// What the file list shows about one file, and a path taken apart.
#pragma once

#include <cstdint>
#include <string>

namespace vt {

// The size in KB (1024 bytes), rounded up; -1 when nothing of that name
// exists; 0 for a directory.
std::int64_t FileSizeKb(const std::string& path);

// The creation time in local time as "yyyy-MM-dd HH:mm:ss", or an empty text
// when the file cannot be opened for reading.
std::string ReadCreationTime(const std::string& path);

// The part behind the last path separator, extension included.
std::string FileNameOf(const std::string& path);

// The part up to and including the last backslash, or an empty text.
std::string DirectoryOf(const std::string& path);

} // namespace vt
