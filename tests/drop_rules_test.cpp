// Which dropped paths become rows.
#include <gtest/gtest.h>

#include "filelist/drop_rules.h"

namespace vt {
namespace {

TEST(DropRules, LibraryFileNames)
{
    const std::pair<const char*, bool> cases[] = {
        {"C:\\x\\a.fne", true},  {"C:\\x\\b.lib", true},   {"C:\\x\\A.FNE", true},  {"C:\\x\\B.Lib", true},
        {"C:\\x\\mylib", true},  {"fne", true},            {"C:\\x\\b.txt", false}, {"ne", false},
        {"", false},             {"C:\\x\\a.fne ", false}, {"C:\\x\\a.fn", false},  {"C:\\x\\a.fne\\", false},
    };
    for (auto [path, expected] : cases)
        EXPECT_EQ(IsLibraryFileName(path), expected) << path;
}

TEST(DropRules, NewPathsAcrossDrops)
{
    using V = std::vector<std::string>;
    std::unordered_set<std::string> accepted;

    // One file alone, then the same again.
    EXPECT_EQ(NewLibraryPaths("C:\\x\\a.fne", accepted), V{"C:\\x\\a.fne"});
    EXPECT_EQ(NewLibraryPaths("C:\\x\\a.fne", accepted), V{});

    // Several at once: others are passed over, order is kept, repeats give one.
    EXPECT_EQ(NewLibraryPaths("C:\\x\\b.fne\r\nC:\\x\\b.txt\r\nC:\\x\\c.lib\r\nC:\\x\\b.fne\r\n", accepted),
              (V{"C:\\x\\b.fne", "C:\\x\\c.lib"}));

    // Whole entries: a path inside an earlier one is still new.
    EXPECT_EQ(NewLibraryPaths("C:\\x\\d.fne.lib", accepted), V{"C:\\x\\d.fne.lib"});
    EXPECT_EQ(NewLibraryPaths("C:\\x\\d.fne", accepted), V{"C:\\x\\d.fne"});

    // Case-sensitive: another spelling of a path is another entry.
    EXPECT_EQ(NewLibraryPaths("c:\\x\\a.fne", accepted), V{"c:\\x\\a.fne"});

    // Empty pieces and stray CR or LF never make rows.
    EXPECT_EQ(NewLibraryPaths("\r\n\r\n", accepted), V{});
    EXPECT_EQ(NewLibraryPaths("C:\\x\\e.fne\r", accepted), V{});
    EXPECT_EQ(NewLibraryPaths("C:\\x\\e.fne\nC:\\x\\f.fne", accepted), V{"C:\\x\\e.fne\nC:\\x\\f.fne"});

    // After a clear every path is new again.
    accepted.clear();
    EXPECT_EQ(NewLibraryPaths("C:\\x\\a.fne", accepted), V{"C:\\x\\a.fne"});
}

} // namespace
} // namespace vt
