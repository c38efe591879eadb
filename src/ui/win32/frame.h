// What the Win32 toolkit's parts share among themselves.
#pragma once

#include <windows.h>

#include <string>

namespace vt::ui::win32 {

// The program's main window: the target of dialog-style keyboard handling and
// the owner of message boxes and dialogs.
void SetMainWindow(HWND window);
HWND MainWindow();

// Called when the main window is being destroyed.
void MarkEnding();

// Translates and dispatches one message, with the main window's keyboard rules
// (Esc closes, Tab moves the focus).
void DispatchOne(MSG& msg);

// The whole text of a window, at whatever length it has.
std::string WindowText(HWND window);

} // namespace vt::ui::win32
