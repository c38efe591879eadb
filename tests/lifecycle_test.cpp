// The ways the program ends, each run in a child process: the exit code, the
// clean-up run exactly once, and a copy run cut short by the end.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "filelist/drop.h"
#include "install/install_dir.h"
#include "support.h"
#include "temp_dir.h"
#include "ui/toolkit.h"

namespace vt::test {

namespace {

HWND Main() { return static_cast<HWND>(ui::MainForm().handle); }
HWND Of(const ui::Control& c) { return static_cast<HWND>(c.Handle()); }

void Close(const std::string& how)
{
    if (how == "close-box")
        SendMessageA(Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    else if (how == "escape")
        PostMessageA(Of(ui::MainForm().fileList), WM_KEYDOWN, VK_ESCAPE, 0);
    else if (how == "exit-button")
        PostMessageA(Of(ui::MainForm().exitButton), BM_CLICK, 0, 0);
}

} // namespace

// The child: the real program entry, with the clean-up reported on stdout.
int RunChild(const std::string& mode, const std::vector<std::string>& args)
{
    shutdownObserver = [] {
        const AppState& app = App();
        bool released = app.installDir.empty() && app.sourceDirs.empty() && app.seenPaths.empty() &&
                        app.lastCopiedName.empty() && app.browsedPath.empty();
        printf("cleanup %s\n", released ? "released" : "kept");
        fflush(stdout);
    };
    if (mode == "copy") {
        // args: how to end, then the files to drop and copy.
        std::string how = args.at(0), dropped;
        for (size_t i = 1; i < args.size(); ++i)
            dropped += args[i] + "\r\n";
        RunAfter(100, [dropped, how] {
            AddDroppedFiles(dropped);
            PostMessageA(Of(ui::MainForm().copyButton), BM_CLICK, 0, 0);
            // The first row is copied at once, the second after one second's
            // pause; half way through the second pause the program is ended.
            RunAfter(1500, [how] { Close(how); });
        });
    } else {
        RunAfter(200, [mode] { Close(mode); });
    }
    ui::Shutdown(ProgramEntry());
}

namespace {

struct ChildResult {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};

ChildResult RunChildProcess(const std::string& arguments)
{
    ChildResult result;
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0))
        return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{sizeof si};
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    std::string cmd = "\"" + SelfPath() + "\" " + arguments;
    BOOL started = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return result;
    }
    char buf[4096];
    DWORD got = 0;
    while (::ReadFile(readEnd, buf, sizeof buf, &got, nullptr) && got > 0)
        result.output.append(buf, got);
    if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_TIMEOUT)
        TerminateProcess(pi.hProcess, 99);
    GetExitCodeProcess(pi.hProcess, &result.exitCode);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(readEnd);
    return result;
}

int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class ProgramEnd : public testing::Test {
protected:
    void SetUp() override
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kInstallPathKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        std::string value = dest.path() + "e.exe";
        RegSetValueExA(key, kInstallPathValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kInstallPathKey); }

    TempDir source, dest;
};

TEST_F(ProgramEnd, EachWayEndsWithCodeZeroAndOneCleanup)
{
    for (const char* how : {"close-box", "escape", "exit-button"}) {
        SCOPED_TRACE(how);
        ChildResult r = RunChildProcess(std::string("--child=") + how);
        EXPECT_EQ(r.exitCode, 0u);
        EXPECT_EQ(Count(r.output, "cleanup"), 1) << r.output;
        EXPECT_NE(r.output.find("cleanup released"), std::string::npos) << r.output;
    }
}

TEST_F(ProgramEnd, EndingDuringACopyPauseStopsTheRun)
{
    for (const char* how : {"close-box", "exit-button"}) {
        SCOPED_TRACE(how);
        std::string args = std::string("--child=copy ") + how;
        for (const char* name : {"one.fne", "two.fne", "three.fne"}) {
            ASSERT_TRUE(WriteTextFile(source / name, name));
            DeleteFileA((dest / name).c_str());
            args += " \"" + source / name + "\"";
        }
        ChildResult r = RunChildProcess(args);
        EXPECT_EQ(r.exitCode, 0u);
        EXPECT_EQ(Count(r.output, "cleanup"), 1) << r.output;
        EXPECT_NE(r.output.find("cleanup released"), std::string::npos) << r.output;
        std::string content;
        EXPECT_TRUE(ReadTextFile(dest / "one.fne", content));
        EXPECT_TRUE(ReadTextFile(dest / "two.fne", content));
        EXPECT_FALSE(ReadTextFile(dest / "three.fne", content)) << "the run went on after the end";
    }
}

} // namespace
} // namespace vt::test
