// The destination directory read from the real registry of the test prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include "install/install_dir.h"

namespace vt {
namespace {

class InstallDirRegistry : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kInstallPathKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kInstallPathKey); }

    static void Store(DWORD type, const std::string& bytes)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kInstallPathKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, kInstallPathValue, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static std::string WithNul(const std::string& s) { return s + '\0'; }
};

TEST_F(InstallDirRegistry, StringValues)
{
    const std::string longDir = "C:\\" + std::string(5000, 'd') + "\\";
    struct Case {
        const char* what;
        DWORD type;
        std::string stored, expected;
    } const cases[] = {
        {"path of the executable", REG_SZ, WithNul("C:\\Program Files\\e\\e.exe"), "C:\\Program Files\\e\\"},
        {"ends in a backslash", REG_SZ, WithNul("D:\\e\\"), "D:\\e\\"},
        {"no backslash", REG_SZ, WithNul("e.exe"), ""},
        {"empty", REG_SZ, WithNul(""), ""},
        {"no terminating NUL", REG_SZ, "D:\\e\\e.exe", "D:\\e\\"},
        {"text after an inner NUL is not read", REG_SZ, std::string("D:\\e\\e.exe\0X:\\y\\", 16), "D:\\e\\"},
        {"several kilobytes", REG_SZ, WithNul(longDir + "e.exe"), longDir},
        {"last character's second byte is 0x5C", REG_SZ, WithNul("C:\\e\\x\x81\x5C"), "C:\\e\\"},
        {"DWORD", REG_DWORD, std::string("\x01\x00\x00\x00", 4), ""},
        {"binary", REG_BINARY, "C:\\e\\e.exe", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Store(c.type, c.stored);
        EXPECT_EQ(ReadInstallDir(), c.expected);
    }
}

TEST_F(InstallDirRegistry, ExpandableValueIsExpandedBeforeTheCut)
{
    char drive[64] = {};
    ASSERT_GT(GetEnvironmentVariableA("SystemDrive", drive, sizeof drive), 0u);
    Store(REG_EXPAND_SZ, WithNul("%SystemDrive%\\e\\e.exe"));
    EXPECT_EQ(ReadInstallDir(), std::string(drive) + "\\e\\");

    // A value that expands far beyond its stored size.
    SetEnvironmentVariableA("VANTORIL_LONG", std::string(3000, 'x').c_str());
    Store(REG_EXPAND_SZ, WithNul("C:\\%VANTORIL_LONG%\\e.exe"));
    EXPECT_EQ(ReadInstallDir(), "C:\\" + std::string(3000, 'x') + "\\");
}

TEST_F(InstallDirRegistry, MissingKeyOrValueGivesEmpty)
{
    EXPECT_EQ(ReadInstallDir(), "");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kInstallPathKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Other", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\x\\"), 6);
    RegCloseKey(key);
    EXPECT_EQ(ReadInstallDir(), "");
}

} // namespace
} // namespace vt
