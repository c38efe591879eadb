#include "filelist/file_list.h"

#include "app/app_state.h"
#include "filelist/file_facts.h"
#include "ui/main_window.h"
#include "ui/texts.h"

namespace vt {

namespace {
std::uint64_t g_generation = 0;
} // namespace

void AppendFileRow(const std::string& path, std::int64_t sizeKb, const std::string& created)
{
    ui::ReportList& list = ui::MainForm().fileList;
    list.AppendRow();
    // Each write goes to the last row, the one just appended.
    const int last = list.RowCount() - 1;
    list.SetCell(last, ui::COL_NAME, FileNameOf(path));
    list.SetCell(last, ui::COL_SIZE, text::ToDecimal(sizeKb) + ui::Texts().sizeSuffix);
    list.SetCell(last, ui::COL_DIR, App().installDir);
    list.SetCell(last, ui::COL_TIME, created);
}

void RememberSource(const std::string& dir) { App().sourceDirs.push_back(dir); }

void ClearFileList()
{
    ui::MainWindow& form = ui::MainForm();
    form.fileList.DeleteAllRows();
    App().seenPaths.clear();
    DroppedPathIndex().clear();
    App().sourceDirs.clear();
    form.pathBox.SetText("");
    ++g_generation;
}

std::uint64_t FileListGeneration() { return g_generation; }

std::unordered_set<std::string>& DroppedPathIndex()
{
    static std::unordered_set<std::string> index;
    return index;
}

} // namespace vt
