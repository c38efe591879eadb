// System services: code page, registry and file queries.
#include <windows.h>

#include <vector>

#include "ui/toolkit.h"
#include "ui/win32/handles.h"

namespace vt::ui {

using win32::FileHandle;
using win32::RegKey;

bool IsSystemLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != FALSE;
}

namespace {

std::string Convert(std::string_view in, UINT from, UINT to)
{
    if (in.empty())
        return {};
    int wide = MultiByteToWideChar(from, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(from, 0, in.data(), static_cast<int>(in.size()), w.data(), wide);
    int bytes = WideCharToMultiByte(to, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(to, 0, w.data(), wide, out.data(), bytes, nullptr, nullptr);
    return out;
}

} // namespace

std::string FromUtf8(std::string_view utf8) { return Convert(utf8, CP_UTF8, CP_ACP); }
std::string ToUtf8(std::string_view ansi) { return Convert(ansi, CP_ACP, CP_UTF8); }

std::string ReadUserRegistryText(const std::string& key, const std::string& valueName,
                                 const std::string& fallback)
{
    RegKey k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS)
        return fallback;

    // The value may grow between the size query and the read: ask again.
    std::vector<char> data;
    DWORD type = 0;
    for (;;) {
        DWORD size = 0;
        if (RegQueryValueExA(k.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return fallback;
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return fallback;
        data.assign(static_cast<size_t>(size) + 1, '\0'); // room for a missing NUL
        DWORD got = size;
        LONG rc = RegQueryValueExA(k.get(), valueName.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &got);
        if (rc == ERROR_MORE_DATA)
            continue;
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return fallback;
        data.resize(static_cast<size_t>(got));
        break;
    }
    // The stored bytes need not end in a NUL; the text ends at the first one.
    std::string value(data.data(), data.size());
    if (size_t nul = value.find('\0'); nul != std::string::npos)
        value.resize(nul);
    if (type == REG_SZ)
        return value;

    DWORD need = ExpandEnvironmentStringsA(value.c_str(), nullptr, 0);
    while (need > 0) {
        std::string expanded(need, '\0');
        DWORD got = ExpandEnvironmentStringsA(value.c_str(), expanded.data(), need);
        if (got == 0)
            break;
        if (got <= need) {
            expanded.resize(strnlen(expanded.data(), got));
            return expanded;
        }
        need = got;
    }
    return fallback;
}

FileFacts QueryFile(const std::string& path)
{
    // One attribute query answers what a FindFirstFileA on the exact name
    // would (existence, directory, the full 64-bit size) at a fraction of its
    // cost, which tells when thousands of files are dropped at once. Names
    // that FindFirstFileA would not match exactly are refused alike: wildcards
    // and a trailing backslash.
    FileFacts facts;
    if (path.empty() || path.find_first_of("*?") != std::string::npos || path.back() == '\\' ||
        path.back() == '/')
        return facts;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return facts;
    facts.exists = true;
    facts.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.size = facts.isDirectory ? 0 : (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return facts;
}

namespace {

bool Identify(const std::string& path, BY_HANDLE_FILE_INFORMATION& info)
{
    FileHandle h(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return h && GetFileInformationByHandle(h.get(), &info);
}

} // namespace

bool IsSameFile(const std::string& a, const std::string& b)
{
    BY_HANDLE_FILE_INFORMATION ia{}, ib{};
    if (!Identify(a, ia) || !Identify(b, ib))
        return false;
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}

} // namespace vt::ui
