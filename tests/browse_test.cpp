// Adding a file through the real open dialog.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "filelist/browse.h"
#include "support.h"
#include "temp_dir.h"
#include "ui/texts.h"

namespace vt::test {
namespace {

class Browse : public testing::Test {
protected:
    void SetUp() override { ResetWindow("C:\\e\\"); }

    // Browses for path (cancelling when empty); gives what was answered.
    DialogAnswers Choose(const std::string& path)
    {
        DialogAnswers a;
        a.fileName = path;
        a.cancel = path.empty();
        WithDialogs(a, AddBrowsedFile);
        return a;
    }

    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (const auto& row : Rows())
            names.push_back(row[ui::COL_NAME]);
        return names;
    }

    TempDir x, y;
};

TEST_F(Browse, ChosenFileIsAddedAndTheDialogRemembersIt)
{
    ASSERT_TRUE(WriteTextFile(x / "a.fne", std::string(3000, 'a')));
    DialogAnswers a = Choose(x / "a.fne");
    EXPECT_EQ(a.openDialogs, 1);
    EXPECT_EQ(a.filterShownOnOpen, Ansi("支持库(*.fne)"));
    EXPECT_TRUE(a.messages.empty());
    auto rows = Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"a.fne", "3KB", "C:\\e\\", rows[0][ui::COL_TIME], ""}));
    EXPECT_EQ(rows[0][ui::COL_TIME].size(), 19u);
    EXPECT_EQ(App().sourceDirs, std::vector<std::string>{x.path()});
    EXPECT_EQ(App().browsedPath, x / "a.fne");
    EXPECT_EQ(ui::MainForm().pathBox.Text(), x / "a.fne");
    EXPECT_EQ(App().seenPaths, "") << "browsing does not record drops";

    // The next time the dialog opens with the path chosen last: in its folder,
    // with its name in the file-name box.
    ASSERT_TRUE(WriteTextFile(x / "b.lib", "b"));
    a = Choose(x / "b.lib");
    EXPECT_EQ(a.nameShownOnOpen, "a.fne");
    EXPECT_EQ(a.folderShownOnOpen + "\\", x.path());
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.fne", "b.lib"}));

    // Dropping a browsed file adds it a second time.
    DropFiles({x / "a.fne"});
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.fne", "b.lib", "a.fne"}));
}

TEST_F(Browse, DuplicateNames)
{
    struct Case {
        const char* what;
        std::vector<std::string> listed; // files in x, dropped first
        std::string chosen;              // a file in y
        bool added;
    } const cases[] = {
        {"name listed in the second row", {"a.fne", "b.fne"}, "b.fne", false},
        {"a new name", {"a.fne", "b.fne"}, "c.lib", true},
        {"same name from another directory", {"a.fne"}, "a.fne", false},
        {"name inside a listed name", {"mya.fne"}, "a.fne", true},
        {"listed name inside the chosen one", {"a.fne"}, "mya.fne", true},
        {"other letter case", {"a.fne"}, "A.fne", true},
        {"not a library name", {"a.fne"}, "notes.txt", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetWindow("C:\\e\\");
        std::vector<std::string> paths;
        for (const std::string& name : c.listed) {
            ASSERT_TRUE(WriteTextFile(x / name, name));
            paths.push_back(x / name);
        }
        DropFiles(paths);
        TempDir chosenDir;
        ASSERT_TRUE(WriteTextFile(chosenDir / c.chosen, "chosen"));

        DialogAnswers a = Choose(chosenDir / c.chosen);

        std::vector<std::string> expected = c.listed;
        if (c.added)
            expected.push_back(c.chosen);
        EXPECT_EQ(Names(), expected);
        EXPECT_EQ(App().sourceDirs.size(), expected.size());
        if (c.added)
            EXPECT_TRUE(a.messages.empty());
        else
            EXPECT_EQ(a.messages, std::vector<std::string>{ui::Texts().duplicateMessage});
        EXPECT_EQ(ui::MainForm().pathBox.Text(), chosenDir / c.chosen);
    }
}

TEST_F(Browse, CancelChangesNothing)
{
    ASSERT_TRUE(WriteTextFile(x / "a.fne", "a"));
    Choose(x / "a.fne");
    ResetWindow("C:\\e\\");
    ui::MainForm().pathBox.SetText("before");

    DialogAnswers a = Choose("");
    EXPECT_EQ(a.openDialogs, 1);
    EXPECT_TRUE(Rows().empty()) << "the last confirmed file must not come back";
    EXPECT_TRUE(App().sourceDirs.empty());
    EXPECT_EQ(ui::MainForm().pathBox.Text(), "before");
    EXPECT_EQ(App().browsedPath, x / "a.fne");
    EXPECT_FALSE(ui::MainForm().usageNote.IsVisible());
    EXPECT_EQ(ui::MainForm().openDialog.fileName, x / "a.fne");
}

} // namespace
} // namespace vt::test
