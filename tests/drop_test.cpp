// Files dropped on the real window through its registered OLE target.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "support.h"
#include "temp_dir.h"
#include "ui/texts.h"

namespace vt::test {
namespace {

using Row = std::vector<std::string>;

class DropOnWindow : public testing::Test {
protected:
    void SetUp() override { ResetWindow("C:\\e\\"); }
    TempDir src;
};

TEST_F(DropOnWindow, RowsBookkeepingAndPathBox)
{
    ASSERT_TRUE(WriteTextFile(src / "a.fne", std::string(1500, 'a')));
    ASSERT_TRUE(WriteTextFile(src / "b.txt", "b"));
    ASSERT_TRUE(WriteTextFile(src / "c.lib", ""));
    ui::MainWindow& form = ui::MainForm();

    EXPECT_EQ(DropFiles({src / "a.fne"}), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_FALSE(form.usageNote.IsVisible());
    ASSERT_EQ(Rows().size(), 1u);
    Row row = Rows()[0];
    EXPECT_EQ(row[ui::COL_NAME], "a.fne");
    EXPECT_EQ(row[ui::COL_SIZE], "2KB");
    EXPECT_EQ(row[ui::COL_DIR], "C:\\e\\");
    EXPECT_EQ(row[ui::COL_TIME].size(), 19u) << row[ui::COL_TIME];
    EXPECT_EQ(row[ui::COL_STATUS], "");
    EXPECT_EQ(App().sourceDirs, std::vector<std::string>{src.path()});
    EXPECT_EQ(App().seenPaths, src / "a.fne" + "\r\n");
    EXPECT_EQ(form.pathBox.Text(), src / "a.fne");

    // The same file again: nothing added, nothing shown.
    form.usageNote.SetVisible(true);
    form.pathBox.SetText("unchanged");
    DropFiles({src / "a.fne"});
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_EQ(form.pathBox.Text(), "unchanged");
    EXPECT_FALSE(form.usageNote.IsVisible());

    // Several together, in the shell's order; the others are passed over.
    DropFiles({src / "b.txt", src / "c.lib", src / "c.lib"});
    ASSERT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows()[1][ui::COL_NAME], "c.lib");
    EXPECT_EQ(Rows()[1][ui::COL_SIZE], "0KB");
    EXPECT_EQ(form.pathBox.Text(), src / "c.lib");
    EXPECT_EQ(App().seenPaths, src / "a.fne" + "\r\n" + src / "c.lib" + "\r\n");
    EXPECT_EQ(App().sourceDirs.size(), 2u);
}

TEST_F(DropOnWindow, WhatTheRowsShowForOddEntries)
{
    ASSERT_TRUE(CreateDirectoryA((src / "pack.fne").c_str(), nullptr));
    DropFiles({src / "pack.fne", src / "gone.fne", "C:\\x\\A.FNE", "C:\\x\\mylib"}, false);
    auto rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][ui::COL_SIZE], "0KB") << "a folder";
    EXPECT_EQ(rows[0][ui::COL_TIME], "");
    EXPECT_EQ(rows[1][ui::COL_SIZE], "-1KB") << "a file that vanished";
    EXPECT_EQ(rows[1][ui::COL_TIME], "");
    EXPECT_EQ(rows[2][ui::COL_NAME], "A.FNE");
    EXPECT_EQ(rows[3][ui::COL_NAME], "mylib");
}

TEST_F(DropOnWindow, SameNameFromTwoDirectoriesAndRepeatsAfterAClear)
{
    TempDir other;
    ASSERT_TRUE(WriteTextFile(src / "a.fne", "1"));
    ASSERT_TRUE(WriteTextFile(other / "a.fne", "2"));
    DropFiles({src / "a.fne", other / "a.fne"});
    ASSERT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows()[0][ui::COL_NAME], Rows()[1][ui::COL_NAME]);
    EXPECT_EQ(App().sourceDirs, (std::vector<std::string>{src.path(), other.path()}));

    // A double-click on the list clears it; what was dropped before is new again.
    SendMessageA(static_cast<HWND>(ui::MainForm().fileList.Handle()), WM_LBUTTONDBLCLK, MK_LBUTTON,
                 MAKELPARAM(200, 150));
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(App().sourceDirs.empty());
    EXPECT_EQ(App().seenPaths, "");
    EXPECT_EQ(ui::MainForm().pathBox.Text(), "");
    DropFiles({src / "a.fne"});
    EXPECT_EQ(Rows().size(), 1u);
}

TEST_F(DropOnWindow, ChineseAndLongPathsArriveWhole)
{
    std::string zh = src / Ansi("中文支持库.fne");
    ASSERT_TRUE(WriteTextFile(zh, "x"));
    std::string longPath = "C:\\" + std::string(300, 'd') + "\\" + std::string(200, 'n') + ".lib";
    DropFiles({zh, longPath});
    auto rows = Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][ui::COL_NAME], Ansi("中文支持库.fne"));
    EXPECT_EQ(rows[0][ui::COL_SIZE], "1KB");
    EXPECT_EQ(rows[1][ui::COL_NAME], std::string(200, 'n') + ".lib");
    EXPECT_EQ(App().sourceDirs[1], "C:\\" + std::string(300, 'd') + "\\");
}

TEST_F(DropOnWindow, TextIsRefused)
{
    EXPECT_EQ(DropOnMainWindow(MakeTextDataObject("C:\\x\\a.fne")), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(ui::MainForm().usageNote.IsVisible()) << "a refused drop runs no handler";
}

TEST_F(DropOnWindow, ManyFilesAtOnce)
{
    std::vector<std::string> paths;
    for (int i = 0; i < 2000; ++i)
        paths.push_back("C:\\many\\f" + std::to_string(i) + ".fne");
    DropFiles(paths);
    EXPECT_EQ(ui::MainForm().fileList.RowCount(), 2000);
    EXPECT_EQ(App().sourceDirs.size(), 2000u);
    EXPECT_EQ(ui::MainForm().fileList.Cell(1999, ui::COL_NAME), "f1999.fne");
}

} // namespace
} // namespace vt::test
