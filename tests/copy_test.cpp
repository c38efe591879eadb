// The copy run on the real window, against real files: statuses, what lands
// in the destination, and what the run does when the world changes under it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/app_state.h"
#include "copy/copy_run.h"
#include "filelist/file_list.h"
#include "support.h"
#include "temp_dir.h"
#include "ui/texts.h"

namespace vt::test {
namespace {

std::string Ok() { return ui::Texts().copySucceeded; }
std::string Failed() { return ui::Texts().copyFailed; }

std::vector<std::string> Statuses()
{
    std::vector<std::string> s;
    for (const auto& row : Rows())
        s.push_back(row[ui::COL_STATUS]);
    return s;
}

std::string Content(const std::string& path)
{
    std::string c;
    return ReadTextFile(path, c) ? c : "<missing>";
}

class CopyRun : public testing::Test {
public:
    void SetUp() override { ResetWindow(dest.path()); }
    TempDir src, dest;
    HANDLE held = INVALID_HANDLE_VALUE;
};

// One row of the fault table: how the files are laid out before the run, the
// status the row must get, and what the destination must hold afterwards.
struct Fault {
    const char* what;
    std::function<void(CopyRun&)> arrange;
    std::string expectedContent; // of dest\a.fne after the run
    bool succeeds;
};

TEST_F(CopyRun, FaultTable)
{
    const Fault faults[] = {
        {"ordinary copy", [](CopyRun&) {}, "new", true},
        {"replaces an older file", [](CopyRun& t) { WriteTextFile(t.dest / "a.fne", "old"); }, "new", true},
        {"vanished source",
         [](CopyRun& t) { DeleteFileA((t.src / "a.fne").c_str()); }, "<missing>", false},
        {"vanished source, older file in place",
         [](CopyRun& t) {
             DeleteFileA((t.src / "a.fne").c_str());
             WriteTextFile(t.dest / "a.fne", "old");
         },
         "old", false},
        {"read-only destination file",
         [](CopyRun& t) {
             WriteTextFile(t.dest / "a.fne", "old");
             SetFileAttributesA((t.dest / "a.fne").c_str(), FILE_ATTRIBUTE_READONLY);
         },
         "old", false},
        {"destination file held open without sharing",
         [](CopyRun& t) {
             WriteTextFile(t.dest / "a.fne", "old");
             t.held = CreateFileA((t.dest / "a.fne").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         },
         "old", false},
        {"missing destination directory",
         [](CopyRun& t) { App().installDir = t.dest / "nowhere\\"; }, "<missing>", false},
        {"empty destination", [](CopyRun&) { App().installDir.clear(); }, "<missing>", false},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.what);
        ResetWindow(dest.path());
        SetFileAttributesA((dest / "a.fne").c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((dest / "a.fne").c_str());
        ASSERT_TRUE(WriteTextFile(src / "a.fne", "new"));
        DropFiles({src / "a.fne"});
        f.arrange(*this);

        CopyAllToInstallDir();
        if (held != INVALID_HANDLE_VALUE) {
            CloseHandle(held);
            held = INVALID_HANDLE_VALUE;
        }

        EXPECT_EQ(Statuses(), std::vector<std::string>{f.succeeds ? Ok() : Failed()});
        EXPECT_EQ(Content(dest / "a.fne"), f.expectedContent);
        EXPECT_EQ(App().copyRow, 1);
        EXPECT_EQ(App().lastCopiedName, "a.fne");
        EXPECT_TRUE(ui::MainForm().usageNote.IsVisible());
    }
    SetFileAttributesA((dest / "a.fne").c_str(), FILE_ATTRIBUTE_NORMAL);
    // Nothing was copied next to the program when there was no destination.
    EXPECT_EQ(GetFileAttributesA("a.fne"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(CopyRun, SourceHeldWithoutReadSharing)
{
    ASSERT_TRUE(WriteTextFile(src / "a.fne", "new"));
    DropFiles({src / "a.fne"});
    HANDLE held = CreateFileA((src / "a.fne").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    CopyAllToInstallDir();
    CloseHandle(held);
    EXPECT_EQ(Statuses(), std::vector<std::string>{Failed()});
    EXPECT_EQ(Content(dest / "a.fne"), "<missing>");
}

TEST_F(CopyRun, FolderNamedLikeALibrary)
{
    ASSERT_TRUE(CreateDirectoryA((src / "pack.fne").c_str(), nullptr));
    DropFiles({src / "pack.fne"});
    CopyAllToInstallDir();
    EXPECT_EQ(Statuses(), std::vector<std::string>{Failed()});
    EXPECT_EQ(GetFileAttributesA((dest / "pack.fne").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(CopyRun, SameNameFromTwoDirectoriesInRowOrder)
{
    TempDir other;
    ASSERT_TRUE(WriteTextFile(src / "a.fne", "first"));
    ASSERT_TRUE(WriteTextFile(other / "a.fne", "second"));
    DropFiles({src / "a.fne", other / "a.fne"});
    CopyAllToInstallDir();
    EXPECT_EQ(Statuses(), (std::vector<std::string>{Ok(), Ok()}));
    EXPECT_EQ(Content(dest / "a.fne"), "second");
    EXPECT_EQ(App().copyRow, 2);
}

TEST_F(CopyRun, SourceIsTheDestinationItself)
{
    ASSERT_TRUE(WriteTextFile(dest / "a.fne", "in place"));
    DropFiles({dest / "a.fne"});
    CopyAllToInstallDir();
    EXPECT_EQ(Statuses(), std::vector<std::string>{Ok()});
    EXPECT_EQ(Content(dest / "a.fne"), "in place");
}

TEST_F(CopyRun, EmptyListNeitherCopiesNorPauses)
{
    App().copyRow = 7;
    App().lastCopiedName = "kept";
    ui::MainForm().usageNote.SetVisible(false);
    DWORD start = GetTickCount();
    CopyAllToInstallDir();
    EXPECT_LT(GetTickCount() - start, 500u);
    EXPECT_TRUE(ui::MainForm().usageNote.IsVisible());
    EXPECT_EQ(App().copyRow, 7);
    EXPECT_EQ(App().lastCopiedName, "kept");
}

TEST_F(CopyRun, StatusIsVisibleDuringThePauseAndDropsWaitForTheNextRun)
{
    ASSERT_TRUE(WriteTextFile(src / "a.fne", "a"));
    ASSERT_TRUE(WriteTextFile(src / "b.fne", "b"));
    ASSERT_TRUE(WriteTextFile(src / "late.fne", "late"));
    DropFiles({src / "a.fne", src / "b.fne"});
    std::vector<std::string> duringFirstPause;
    bool noteHiddenDuringRun = false;
    RunAfter(400, [&] {
        duringFirstPause = Statuses();
        noteHiddenDuringRun = !ui::MainForm().usageNote.IsVisible();
        DropFiles({src / "late.fne"});
    });
    CopyAllToInstallDir();
    EXPECT_EQ(duringFirstPause, (std::vector<std::string>{Ok(), ""}));
    EXPECT_TRUE(noteHiddenDuringRun);
    EXPECT_EQ(Statuses(), (std::vector<std::string>{Ok(), Ok(), ""}));
    EXPECT_EQ(Content(dest / "late.fne"), "<missing>");

    // The next run writes every status again and copies the late file too.
    ui::MainForm().fileList.SetCell(0, ui::COL_STATUS, "stale");
    CopyAllToInstallDir();
    EXPECT_EQ(Statuses(), (std::vector<std::string>{Ok(), Ok(), Ok()}));
    EXPECT_EQ(Content(dest / "late.fne"), "late");
}

TEST_F(CopyRun, ClearingDuringAPauseEndsTheRun)
{
    for (const char* name : {"a.fne", "b.fne", "c.fne"})
        ASSERT_TRUE(WriteTextFile(src / name, name));
    DropFiles({src / "a.fne", src / "b.fne", src / "c.fne"});
    RunAfter(400, [] { ClearFileList(); });
    CopyAllToInstallDir();
    EXPECT_EQ(Content(dest / "a.fne"), "a.fne");
    EXPECT_EQ(Content(dest / "b.fne"), "<missing>");
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(App().sourceDirs.empty());
    EXPECT_EQ(App().copyRow, 1);
}

TEST_F(CopyRun, SecondClickDuringAPauseIsIgnored)
{
    ASSERT_TRUE(WriteTextFile(src / "a.fne", "a"));
    ASSERT_TRUE(WriteTextFile(src / "b.fne", "b"));
    DropFiles({src / "a.fne", src / "b.fne"});
    std::vector<std::string> afterSecondClick;
    RunAfter(300, [&] {
        SendMessageA(static_cast<HWND>(ui::MainForm().copyButton.Handle()), BM_CLICK, 0, 0);
        afterSecondClick = Statuses();
    });
    DWORD start = GetTickCount();
    CopyAllToInstallDir();
    DWORD took = GetTickCount() - start;
    EXPECT_EQ(afterSecondClick, (std::vector<std::string>{Ok(), ""})) << "a second run went through row 2";
    EXPECT_GE(took, 1900u);
    EXPECT_LT(took, 3900u) << "the second click ran a run of its own";
}

} // namespace
} // namespace vt::test
