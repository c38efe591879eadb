// The main window: its controls, their place and settings, and which
// operation answers which event.
#pragma once

#include "ui/form.h"
#include "ui/toolkit.h"

namespace vt::ui {

// Column ids of the file list.
enum Column { COL_NAME = 0, COL_SIZE = 1, COL_DIR = 2, COL_TIME = 3, COL_STATUS = 4 };

struct MainWindow {
    NativeWindow handle = nullptr;
    Label usageNote;        // 透明标签2, drawn over the file list
    Label pathLabel;        // 标签2
    Button exitButton;      // 按钮4
    Button copyButton;      // 按钮3
    ReportList fileList;    // 超级列表框1
    PictureBox banner;      // 图片框1
    Label installLabel;     // 标签1
    Button browseButton;    // 按钮2
    EditBox pathBox;        // 编辑框1
    Label creditLine;       // 透明标签1, on the banner
    OpenDialog openDialog;  // 通用对话框1
    DropTarget dropTarget;  // 拖放对象1
};

MainWindow& MainForm();

// The window's description, for the builder and for tests that compare the
// real window against it.
FormLayout MainWindowLayout(MainWindow& form);

// Creates the main window, raises its created event and shows it.
bool CreateMainWindow();

// Outer size of the main window.
inline constexpr int kMainWindowWidth = 454;
inline constexpr int kMainWindowHeight = 405;

} // namespace vt::ui

namespace vt {

// A left-button press on the usage note hides it.
void HideUsageNote();

} // namespace vt
