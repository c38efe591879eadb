// The file list's bookkeeping across both ways of adding and clearing.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "filelist/browse.h"
#include "filelist/file_list.h"
#include "support.h"
#include "temp_dir.h"

namespace vt::test {
namespace {

TEST(FileList, ClearingAnEmptyList)
{
    ResetWindow("C:\\e\\");
    ClearFileList();
    ClearFileList();
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(App().sourceDirs.empty());
    EXPECT_EQ(App().seenPaths, "");
    EXPECT_EQ(ui::MainForm().pathBox.Text(), "");
    EXPECT_EQ(App().installDir, "C:\\e\\") << "a clear leaves the destination alone";
}

TEST(FileList, MixedAddingKeepsOneSourcePerRow)
{
    TempDir a, b, c;
    ASSERT_TRUE(WriteTextFile(a / "one.fne", "1"));
    ASSERT_TRUE(WriteTextFile(b / "two.lib", "2"));
    ASSERT_TRUE(WriteTextFile(c / "three.fne", "3"));
    ResetWindow("");
    DropFiles({a / "one.fne"});
    DialogAnswers answers;
    answers.fileName = b / "two.lib";
    WithDialogs(answers, AddBrowsedFile);
    App().installDir = "D:\\later\\";
    DropFiles({c / "three.fne", a / "one.fne"});

    auto rows = Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(App().sourceDirs, (std::vector<std::string>{a.path(), b.path(), c.path()}));
    const char* names[] = {"one.fne", "two.lib", "three.fne"};
    for (size_t k = 0; k < rows.size(); ++k)
        EXPECT_EQ(rows[k][ui::COL_NAME], names[k]);
    // The destination cell holds the destination as it was when the row came.
    EXPECT_EQ(rows[0][ui::COL_DIR], "");
    EXPECT_EQ(rows[1][ui::COL_DIR], "");
    EXPECT_EQ(rows[2][ui::COL_DIR], "D:\\later\\");
    EXPECT_EQ(App().seenPaths, a / "one.fne" + "\r\n" + c / "three.fne" + "\r\n");
}

} // namespace
} // namespace vt::test
