// A fresh directory under the temporary folder, removed with its contents.
#pragma once

#include <windows.h>

#include <string>

namespace vt::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory with its trailing backslash.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Writes a file of the given content; true on success.
bool WriteTextFile(const std::string& path, const std::string& content);
// The whole content of a file, or nothing when it cannot be read.
bool ReadTextFile(const std::string& path, std::string& content);
void RemoveTree(const std::string& dir);

} // namespace vt::test
