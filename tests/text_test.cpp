// Byte-string operations, on a two-byte and a single-byte code page.
#include <gtest/gtest.h>

#include "ui/text.h"
#include "ui/toolkit.h"

namespace vt::text {
namespace {

// GBK bytes: 中 is D6 D0; 0x81 0x5C is a character whose second byte is a backslash.
const std::string kZhong = "\xD6\xD0";
const std::string kTrail5C = "\x81\x5C";

struct SearchCase {
    const char* what;
    std::string text, pattern;
    int first936, last936;       // on code page 936
    int firstSingle, lastSingle; // on a single-byte code page
};

TEST(TextSearch, FindsWholeCharactersOnly)
{
    const SearchCase cases[] = {
        {"plain", "abcabc", "bc", 2, 5, 2, 5},
        {"absent", "abc", "x", -1, -1, -1, -1},
        {"case-sensitive", "abc", "B", -1, -1, -1, -1},
        {"empty pattern", "abc", "", 1, 3, 1, 3},
        {"empty pattern after a two-byte char", "a" + kZhong, "", 1, 2, 1, 3},
        {"empty text", "", "", -1, -1, -1, -1},
        {"pattern longer than text", "ab", "abc", -1, -1, -1, -1},
        {"backslash as second byte", "C:\\x\\" + kTrail5C, "\\", 3, 5, 3, 7},
        {"match on a second byte", "\x81" "AA", "AA", -1, -1, 2, 2},
        {"match after a two-byte char", kZhong + "A" + kZhong + "A", "A", 3, 6, 3, 6},
        {"lead byte at the very end", "ab\x81", "\x81", 3, 3, 3, 3},
        {"whole two-byte char", "x" + kZhong + kZhong, kZhong, 2, 4, 2, 4},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Find(c.text, c.pattern, Cp936LeadByte), c.first936);
        EXPECT_EQ(FindLast(c.text, c.pattern, Cp936LeadByte), c.last936);
        EXPECT_EQ(Find(c.text, c.pattern, NoLeadBytes), c.firstSingle);
        EXPECT_EQ(FindLast(c.text, c.pattern, NoLeadBytes), c.lastSingle);
    }
}

TEST(TextSearch, SystemCodePageIs936UnderTheTestLocale)
{
    // The test runner sets a Chinese locale; the program's lead-byte test then
    // agrees with GBK's for every byte.
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(ui::IsSystemLeadByte(static_cast<unsigned char>(b)), Cp936LeadByte(static_cast<unsigned char>(b)))
            << "byte " << b;
}

TEST(TextParts, LeftAndRightClampToTheText)
{
    EXPECT_EQ(Left("abcdef", 3), "abc");
    EXPECT_EQ(Left("abc", 10), "abc");
    EXPECT_EQ(Left("abc", 0), "");
    EXPECT_EQ(Left("abc", -5), "");
    EXPECT_EQ(Right("abcdef", 3), "def");
    EXPECT_EQ(Right("ab", 3), "ab");
    EXPECT_EQ(Right("abc", 0), "");
    EXPECT_EQ(Right("", 3), "");
}

TEST(TextParts, SplitAtSeparator)
{
    using V = std::vector<std::string>;
    struct Case {
        std::string text;
        V pieces;
    } const cases[] = {
        {"", V{}},
        {"a", V{"a"}},
        {"a\r\n", V{"a"}},
        {"a\r\nb\r\n", V{"a", "b"}},
        {"a\r\nb", V{"a", "b"}},
        {"a\r\n\r\nb", V{"a", "", "b"}},
        {"\r\n", V{""}},
        {"a\rb\nc", V{"a\rb\nc"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Split(c.text, "\r\n"), c.pieces) << '"' << c.text << '"';
}

TEST(TextParts, Decimal)
{
    EXPECT_EQ(ToDecimal(0), "0");
    EXPECT_EQ(ToDecimal(-1), "-1");
    EXPECT_EQ(ToDecimal(4194305), "4194305");
}

TEST(InstallDirCut, CutsAfterTheLastRealBackslash)
{
    struct Case {
        std::string value, on936, onSingle;
    } const cases[] = {
        {"D:\\e\\e.exe", "D:\\e\\", "D:\\e\\"},
        {"D:\\e\\", "D:\\e\\", "D:\\e\\"},
        {"D:\\e", "D:\\", "D:\\"},
        {"e.exe", "", ""},
        {"", "", ""},
        {"C:\\e\\x" + kTrail5C, "C:\\e\\", "C:\\e\\x" + kTrail5C},
        // On a single-byte code page é (E9) is a letter: the cut must still find the last backslash.
        {"C:\\Caf\xE9\\x.fne", "C:\\", "C:\\Caf\xE9\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutAfterLastBackslash(c.value, Cp936LeadByte), c.on936) << c.value;
        EXPECT_EQ(CutAfterLastBackslash(c.value, NoLeadBytes), c.onSingle) << c.value;
    }
}

TEST(SizeRounding, WholeKilobytesRoundedUp)
{
    const std::pair<std::uint64_t, std::uint64_t> cases[] = {
        {0, 0},       {1, 1},       {1023, 1},    {1024, 1},   {1025, 2},
        {2048, 2},    {2049, 3},    {1ull << 31, 2097152},     {3ull << 30, 3145728},
        {(4ull << 30) + 10, 4194305},
    };
    for (auto [bytes, kb] : cases)
        EXPECT_EQ(KilobytesRoundedUp(bytes), kb) << bytes << " bytes";
}

} // namespace
} // namespace vt::text
