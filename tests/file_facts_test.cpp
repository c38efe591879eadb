// Size, creation time and the parts of a path, on real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>

#include "filelist/file_facts.h"
#include "temp_dir.h"

namespace vt {
namespace {

using test::TempDir;

// A file of the given length whose data is never written (sparse on Linux).
bool MakeSizedFile(const std::string& path, std::uint64_t size)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(size);
    bool ok = SetFilePointerEx(h, at, nullptr, FILE_BEGIN) && SetEndOfFile(h);
    CloseHandle(h);
    return ok;
}

TEST(FileSizeKb, RoundsUpAroundKilobyteBoundaries)
{
    TempDir dir;
    const std::pair<size_t, std::int64_t> cases[] = {{0, 0},    {1, 1},    {1023, 1}, {1024, 1},
                                                     {1025, 2}, {2048, 2}, {2049, 3}};
    for (auto [bytes, kb] : cases) {
        std::string path = dir / ("f" + std::to_string(bytes) + ".fne");
        ASSERT_TRUE(test::WriteTextFile(path, std::string(bytes, 'x')));
        EXPECT_EQ(FileSizeKb(path), kb) << bytes << " bytes";
    }
}

TEST(FileSizeKb, MissingDirectoryAndTrailingBackslash)
{
    TempDir dir;
    EXPECT_EQ(FileSizeKb(dir / "missing.fne"), -1);
    EXPECT_EQ(FileSizeKb(""), -1);
    ASSERT_TRUE(CreateDirectoryA((dir / "pack.fne").c_str(), nullptr));
    EXPECT_EQ(FileSizeKb(dir / "pack.fne"), 0);
    EXPECT_EQ(FileSizeKb(dir.path()), -1) << "a path ending in a backslash names nothing";
    ASSERT_TRUE(test::WriteTextFile(dir / "a.fne", "x"));
    EXPECT_EQ(FileSizeKb(dir / "?.fne"), -1) << "wildcards name nothing";
}

TEST(FileSizeKb, LargeFilesUseAll64Bits)
{
    TempDir dir;
    const std::pair<std::uint64_t, std::int64_t> cases[] = {
        {2ull << 30, 2097152}, {3ull << 30, 3145728}, {(4ull << 30) + 10, 4194305}};
    for (auto [bytes, kb] : cases) {
        std::string path = dir / "big.fne";
        ASSERT_TRUE(MakeSizedFile(path, bytes));
        EXPECT_EQ(FileSizeKb(path), kb) << bytes << " bytes";
        DeleteFileA(path.c_str());
    }
}

TEST(ReadCreationTime, LocalDateAndTime)
{
    TempDir dir;
    std::string path = dir / "a.fne";
    ASSERT_TRUE(test::WriteTextFile(path, "x"));
    std::string text = ReadCreationTime(path);
    EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})"))) << text;

    // A creation time set to local midnight reads back as 00:00:00.
    SYSTEMTIME midnight{2016, 3, 0, 5, 0, 0, 0, 0};
    FILETIME local{}, utc{};
    ASSERT_TRUE(SystemTimeToFileTime(&midnight, &local));
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &utc));
    HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(SetFileTime(h, &utc, &utc, &utc));
    CloseHandle(h);
    std::string set = ReadCreationTime(path);
    if (set.rfind("2016-03-05", 0) != 0)
        GTEST_SKIP() << "this file system keeps no settable creation time: " << set;
    EXPECT_EQ(set, "2016-03-05 00:00:00");
}

TEST(ReadCreationTime, EmptyWhenTheFileCannotBeOpened)
{
    TempDir dir;
    EXPECT_EQ(ReadCreationTime(dir / "missing.fne"), "");
    ASSERT_TRUE(CreateDirectoryA((dir / "pack.fne").c_str(), nullptr));
    EXPECT_EQ(ReadCreationTime(dir / "pack.fne"), "");

    std::string held = dir / "held.fne";
    ASSERT_TRUE(test::WriteTextFile(held, "x"));
    HANDLE h = CreateFileA(held.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadCreationTime(held), "");
    CloseHandle(h);
    EXPECT_NE(ReadCreationTime(held), "");
}

TEST(PathParts, NameAndDirectory)
{
    struct Case {
        std::string path, name, dir;
    } const cases[] = {
        {"C:\\libs\\demo.fne", "demo.fne", "C:\\libs\\"},
        {"C:\\libs\\arch.tar.fne", "arch.tar.fne", "C:\\libs\\"},
        {"demo.fne", "demo.fne", ""},
        {"C:\\", "C:\\", "C:\\"},
        {"", "", ""},
        {"C:\\\xD6\xD0\\\xD6\xD0.fne", "\xD6\xD0.fne", "C:\\\xD6\xD0\\"},
        {"C:\\e\\x\x81\x5C", "x\x81\x5C", "C:\\e\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
        EXPECT_EQ(DirectoryOf(c.path), c.dir) << c.path;
    }
}

} // namespace
} // namespace vt
