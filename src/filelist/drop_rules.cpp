#include "filelist/drop_rules.h"

#include "ui/text.h"

namespace vt {

namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

bool IsLibraryFileName(std::string_view path)
{
    std::string ending = text::Right(path, 3);
    return EqualsIgnoringAsciiCase(ending, "fne") || EqualsIgnoringAsciiCase(ending, "lib");
}

std::vector<std::string> NewLibraryPaths(std::string_view dropped, std::unordered_set<std::string>& accepted)
{
    std::vector<std::string> fresh;
    for (std::string& piece : text::Split(dropped, "\r\n")) {
        if (!IsLibraryFileName(piece))
            continue;
        if (accepted.insert(piece).second)
            fresh.push_back(std::move(piece));
    }
    return fresh;
}

} // namespace vt
