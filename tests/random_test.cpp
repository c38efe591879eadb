// A bounded randomized run against the real handlers on the real window:
// random drop texts, clears and registry values. After every step the rows,
// sourceDirs and seenPaths must agree with a plain model of what was accepted.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "app/app_state.h"
#include "filelist/drop.h"
#include "filelist/drop_rules.h"
#include "filelist/file_facts.h"
#include "filelist/file_list.h"
#include "install/install_dir.h"
#include "support.h"
#include "ui/toolkit.h"

namespace vt::test {
namespace {

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool OneIn(int n) { return Below(n) == 0; }

    std::string Name()
    {
        static const char* parts[] = {"a", "lib", "fne", ".", "\\", "\xD6\xD0", "\x81\x5C", "\r", "\n", " ",
                                      "x", "FNE", "LIB", "..", "\xFF", "\x80", "~", ":"};
        std::string s;
        for (int n = Below(8); n >= 0; --n)
            s += parts[Below(sizeof parts / sizeof *parts)];
        return s;
    }

    std::string Path()
    {
        std::string p = OneIn(3) ? "C:\\" : (OneIn(2) ? "Z:\\tmp\\" : "");
        if (OneIn(20))
            p += std::string(static_cast<size_t>(Below(6000)), 'd') + "\\";
        p += Name();
        const char* endings[] = {".fne", ".lib", "fne", "lib", ".FNE", ".txt", "", "\x81\x5C", "\\"};
        p += endings[Below(9)];
        return p;
    }

    std::string DropText()
    {
        int count = OneIn(25) ? 1000 + Below(3000) : Below(6);
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += (OneIn(4) && !recent_.empty()) ? recent_[static_cast<size_t>(Below(static_cast<int>(recent_.size())))]
                                                   : Path();
            if (recent_.size() < 50 && OneIn(3))
                recent_.push_back(text.substr(text.rfind("\r\n") == std::string::npos ? 0 : text.rfind("\r\n") + 2));
            const char* seps[] = {"\r\n", "\r\n", "\r\n", "\r", "\n", "\r\n\r\n", ""};
            if (i + 1 < count || OneIn(2))
                text += seps[Below(7)];
        }
        return text;
    }

    // A registry value: type and raw bytes.
    std::pair<DWORD, std::string> RegistryValue()
    {
        const DWORD types[] = {REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_BINARY, REG_MULTI_SZ, REG_NONE, REG_QWORD};
        DWORD type = types[Below(7)];
        std::string bytes;
        if (OneIn(10))
            bytes = std::string(static_cast<size_t>(Below(70000)), 'v') + "\\e.exe";
        else if (!OneIn(8))
            bytes = Path() + (OneIn(3) ? "%SystemDrive%\\" + Name() : "");
        if (!OneIn(3))
            bytes += '\0'; // sometimes no terminating NUL
        return {type, bytes};
    }

private:
    std::mt19937 rng_;
    std::vector<std::string> recent_;
};

// Checks the window and the state against the paths accepted since the last clear.
void CheckAgainstModel(const std::vector<std::string>& accepted)
{
    const AppState& app = App();
    const ui::ReportList& list = ui::MainForm().fileList;
    ASSERT_EQ(list.RowCount(), static_cast<int>(app.sourceDirs.size()));
    ASSERT_EQ(app.sourceDirs.size(), accepted.size());
    std::string seen;
    std::set<std::string> unique;
    for (size_t k = 0; k < accepted.size(); ++k) {
        ASSERT_EQ(app.sourceDirs[k], DirectoryOf(accepted[k])) << "row " << k;
        ASSERT_EQ(list.Cell(static_cast<int>(k), ui::COL_NAME), FileNameOf(accepted[k])) << "row " << k;
        ASSERT_TRUE(unique.insert(accepted[k]).second) << "accepted twice: " << accepted[k];
        seen += accepted[k] + "\r\n";
    }
    ASSERT_EQ(app.seenPaths, seen);
}

TEST(RandomizedRun, DropsClearsAndRegistryValuesKeepTheBookkeepingWhole)
{
    const unsigned seed = static_cast<unsigned>(GetTickCount());
    SCOPED_TRACE("seed " + std::to_string(seed));
    Generator gen(seed);
    ResetWindow("C:\\e\\");
    std::vector<std::string> accepted;
    std::unordered_set<std::string> acceptedSet;
    HWND list = static_cast<HWND>(ui::MainForm().fileList.Handle());

    for (int step = 0; step < 400; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        int action = gen.Below(10);
        if (action < 6) {
            std::string text = gen.DropText();
            std::unordered_set<std::string> scratch = acceptedSet;
            for (const std::string& p : NewLibraryPaths(text, scratch)) {
                accepted.push_back(p);
                acceptedSet.insert(p);
            }
            AddDroppedFiles(text);
        } else if (action < 7) {
            // Through the OLE target, as the shell hands them over.
            std::vector<std::string> paths;
            for (int n = gen.Below(5); n >= 0; --n) {
                std::string p = gen.Path();
                if (p.find('\0') == std::string::npos && !p.empty())
                    paths.push_back(p);
            }
            std::string text;
            for (const std::string& p : paths)
                text += paths.size() > 1 ? p + "\r\n" : p;
            for (const std::string& p : NewLibraryPaths(text, acceptedSet))
                accepted.push_back(p);
            DropFiles(paths, gen.OneIn(2));
        } else if (action < 8) {
            SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 40));
            accepted.clear();
            acceptedSet.clear();
        } else {
            auto [type, bytes] = gen.RegistryValue();
            HKEY key = nullptr;
            ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kInstallPathKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                      nullptr),
                      ERROR_SUCCESS);
            RegSetValueExA(key, kInstallPathValue, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                           static_cast<DWORD>(bytes.size()));
            RegCloseKey(key);
            std::string dir = ReadInstallDir();
            if (type != REG_SZ && type != REG_EXPAND_SZ)
                ASSERT_EQ(dir, "");
            ASSERT_TRUE(dir.empty() || dir.back() == '\\') << dir;
            App().installDir = dir;
        }
        CheckAgainstModel(accepted);
        if (HasFatalFailure())
            break;
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kInstallPathKey);
    ResetWindow("");
}

} // namespace
} // namespace vt::test
