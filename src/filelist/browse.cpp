#include "filelist/browse.h"

#include "app/app_state.h"
#include "filelist/file_facts.h"
#include "filelist/file_list.h"
#include "ui/main_window.h"
#include "ui/texts.h"

namespace vt {

namespace {

bool IsListed(const std::string& name)
{
    const ui::ReportList& list = ui::MainForm().fileList;
    for (int row = 0, n = list.RowCount(); row < n; ++row)
        if (list.Cell(row, ui::COL_NAME) == name)
            return true;
    return false;
}

} // namespace

void AddBrowsedFile()
{
    ui::MainWindow& form = ui::MainForm();
    form.usageNote.SetVisible(false);
    if (!form.openDialog.Open(form.handle))
        return;
    AppState& app = App();
    app.browsedPath = form.openDialog.fileName;
    if (IsListed(FileNameOf(app.browsedPath))) {
        ui::ShowMessageBox(ui::Texts().duplicateMessage);
    } else {
        AppendFileRow(app.browsedPath, FileSizeKb(app.browsedPath), ReadCreationTime(app.browsedPath));
        RememberSource(DirectoryOf(app.browsedPath));
    }
    form.pathBox.SetText(app.browsedPath);
}

} // namespace vt
