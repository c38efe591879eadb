#include "filelist/drop.h"

#include "app/app_state.h"
#include "filelist/drop_rules.h"
#include "filelist/file_facts.h"
#include "filelist/file_list.h"
#include "ui/main_window.h"

namespace vt {

void AddDroppedFiles(const std::string& dropped)
{
    ui::MainWindow& form = ui::MainForm();
    form.usageNote.SetVisible(false);
    if (dropped.empty())
        return;
    std::vector<std::string> paths = NewLibraryPaths(dropped, DroppedPathIndex());
    if (paths.empty())
        return;

    const bool many = paths.size() > 1;
    if (many)
        form.fileList.SetRedraw(false);
    AppState& app = App();
    for (const std::string& path : paths) {
        AppendFileRow(path, FileSizeKb(path), ReadCreationTime(path));
        RememberSource(DirectoryOf(path));
        app.seenPaths += path;
        app.seenPaths += "\r\n";
    }
    if (many)
        form.fileList.SetRedraw(true);
    form.pathBox.SetText(paths.back());
}

} // namespace vt
