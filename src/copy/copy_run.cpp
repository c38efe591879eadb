#include "copy/copy_run.h"

#include <windows.h>

#include "app/app_state.h"
#include "filelist/file_facts.h"
#include "filelist/file_list.h"
#include "ui/main_window.h"
#include "ui/texts.h"
#include "ui/toolkit.h"

namespace vt {

namespace {

bool g_running = false;

struct RunningFlag {
    RunningFlag() { g_running = true; }
    ~RunningFlag() { g_running = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;
};

} // namespace

bool CopyLibraryFile(const std::string& source, const std::string& destination)
{
    if (ui::IsSameFile(source, destination))
        return true; // already in place; copying a file onto itself would fail
    // A read-only file is the user's own protection: Windows' CopyFile refuses
    // to replace it, and so do we on file systems where it would not (an
    // administrator's Wine, say).
    DWORD attributes = GetFileAttributesA(destination.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    return CopyFileA(source.c_str(), destination.c_str(), FALSE) != FALSE;
}

void CopyAllToInstallDir()
{
    if (g_running)
        return;
    RunningFlag running;

    ui::MainWindow& form = ui::MainForm();
    AppState& app = App();
    form.usageNote.SetVisible(false);
    const int n = form.fileList.RowCount();
    const auto generation = FileListGeneration();
    for (int i = 1; i <= n; ++i) {
        // The rows counted at the start are gone once the list was cleared or
        // the window closed during a pause.
        if (ui::IsEnding() || FileListGeneration() != generation || !form.fileList.IsAlive() ||
            i > static_cast<int>(app.sourceDirs.size()))
            break;
        app.copyRow = i;
        const std::string source = app.sourceDirs[i - 1] + form.fileList.Cell(i - 1, ui::COL_NAME);
        const std::string file = FileNameOf(form.fileList.Cell(i - 1, ui::COL_NAME));
        // Without a destination nothing is copied: a bare name would land in
        // whatever the current directory happens to be.
        const bool copied = !app.installDir.empty() && CopyLibraryFile(source, app.installDir + file);
        app.lastCopiedName = file;
        const bool inPlace = !app.installDir.empty() && ui::FileExists(app.installDir + app.lastCopiedName);
        form.fileList.SetCell(app.copyRow - 1, ui::COL_STATUS,
                              copied && inPlace ? ui::Texts().copySucceeded : ui::Texts().copyFailed);
        ui::Delay(kCopyPauseMs);
    }
    if (!ui::IsEnding())
        form.usageNote.SetVisible(true);
}

} // namespace vt
