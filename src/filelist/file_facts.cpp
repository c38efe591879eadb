#include "filelist/file_facts.h"

#include <windows.h>
#include <algorithm>

#include "ui/text.h"
#include "ui/toolkit.h"
#include "ui/win32/handles.h"
#include "ui/win32/lazy_dll.h"

namespace vt {

std::int64_t FileSizeKb(const std::string& path)
{
    ui::FileFacts facts = ui::QueryFile(path);
    if (!facts.exists)
        return -1;
    return static_cast<std::int64_t>(text::KilobytesRoundedUp(facts.size));
}

std::string ReadCreationTime(const std::string& path)
{
    ui::win32::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return {};
    FILETIME created{};
    BOOL ok = GetFileTime(file.get(), &created, nullptr, nullptr);
    file.reset();
    FILETIME local{};
    SYSTEMTIME fields{};
    if (!ok || !FileTimeToLocalFileTime(&created, &local) || !FileTimeToSystemTime(&local, &fields))
        return {};
    char date[255] = {};
    char time[255] = {};
    GetDateFormatA(0, 0, &fields, "yyyy-MM-dd", date, sizeof date);
    GetTimeFormatA(0, 0, &fields, "HH:mm:ss", time, sizeof time);
    return std::string(date) + " " + time;
}

std::string FileNameOf(const std::string& path)
{
    static const auto pathFindFileName =
        ui::win32::LazyFunction<LPSTR(WINAPI*)(LPCSTR)>("shlwapi.dll", "PathFindFileNameA");
    if (!pathFindFileName)
        return text::Right(path, static_cast<int>(path.size()) - std::max(0, ui::FindLast(path, "\\")));
    return pathFindFileName(path.c_str());
}

std::string DirectoryOf(const std::string& path)
{
    return text::Left(path, ui::FindLast(path, "\\"));
}

} // namespace vt
