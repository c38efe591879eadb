#include "ui/main_window.h"

#include "app/app_state.h"
#include "copy/copy_run.h"
#include "filelist/browse.h"
#include "filelist/drop.h"
#include "filelist/file_list.h"
#include "install/install_dir.h"
#include "ui/resources.h"
#include "ui/texts.h"

namespace vt::ui {

MainWindow& MainForm()
{
    static MainWindow form;
    return form;
}

FormLayout MainWindowLayout(MainWindow& f)
{
    const FixedTexts& t = Texts();
    using K = ControlKind;
    FormLayout layout;
    layout.caption = t.windowCaption;
    layout.outerWidth = kMainWindowWidth;
    layout.outerHeight = kMainWindowHeight;
    layout.iconResource = kIconResource;
    layout.bannerResource = kBannerResource;
    // In stacking order: where two overlap, the earlier lies on top.
    //                name            kind                left top  w    h   tab    text
    layout.controls = {
        {"透明标签2",   K::TransparentLabel, 24, 192, 400, 112, false, t.usageNote,   &f.usageNote, nullptr,
         &f.fileList, Rgb{144, 0, 255}, 0, true},
        {"标签2",       K::Label,            8,  126, 48,  24,  false, t.pathLabel,   &f.pathLabel},
        {"按钮4",       K::PushButton,       344, 344, 96, 24,  true,  t.exitButton,  &f.exitButton},
        {"按钮3",       K::PushButton,       216, 344, 112, 24, true,  t.copyButton,  &f.copyButton},
        {"超级列表框1", K::ReportList,       8,  160, 432, 176, true,  "",            &f.fileList},
        {"图片框1",     K::PictureBox,       8,  8,   432, 112, false, "",            &f.banner},
        {"标签1",       K::Label,            8,  346, 200, 16,  false, t.installLabelPrefix, &f.installLabel},
        {"按钮2",       K::PushButton,       376, 126, 64, 24,  true,  t.browseButton, &f.browseButton},
        {"编辑框1",     K::EditBox,          64, 128, 304, 20,  true,  t.pathBoxHint, &f.pathBox},
        {"透明标签1",   K::TransparentLabel, 8,  80,  240, 24,  false, t.creditLine,  &f.creditLine, &f.banner,
         nullptr, Rgb{255, 0, 0}, 20, false},
    };
    layout.listColumns = {
        {t.columnName, 158}, {t.columnSize, 75}, {t.columnDir, 75}, {t.columnTime, 120}, {t.columnStatus, 100},
    };
    return layout;
}

namespace {

void Wire(MainWindow& f)
{
    // The complete list of handled events.
    f.usageNote.onLeftButtonDown = HideUsageNote;
    f.browseButton.onClick = AddBrowsedFile;
    f.dropTarget.onFiles = AddDroppedFiles;
    f.copyButton.onClick = CopyAllToInstallDir;
    f.fileList.onDoubleClick = ClearFileList;
    f.exitButton.onClick = ExitProgram;
}

} // namespace

bool CreateMainWindow()
{
    MainWindow& f = MainForm();
    Wire(f);
    f.openDialog.filter = Texts().openFilter;
    FormEvents events;
    events.created = [&f](NativeWindow window) {
        f.handle = window;
        PrepareMainWindow();
    };
    events.destroying = [&f] { f.dropTarget.Revoke(); };
    return CreateForm(MainWindowLayout(f), events) != nullptr;
}

} // namespace vt::ui

namespace vt {

void HideUsageNote() { ui::MainForm().usageNote.SetVisible(false); }

} // namespace vt
