// Helpers for tests on the real main window.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

#include "data_object.h"
#include "ui/main_window.h"

namespace vt::test {

// Puts the shared main window back to its start state: no rows, empty
// bookkeeping, the usage note shown, the given destination.
void ResetWindow(const std::string& installDir = "");

// Hands data to the main window's registered drop target as OLE does
// (DragEnter, DragOver, Drop) and gives the effect Drop answered.
DWORD DropOnMainWindow(IDataObject* data);
DWORD DropFiles(const std::vector<std::string>& paths, bool wide = true);

// Runs action once after ms, from within whatever loop is dispatching
// messages then (the copy run's pause, say).
void RunAfter(unsigned ms, std::function<void()> action);

// Dispatches messages for ms milliseconds.
void Pump(unsigned ms);

// The cells of every row, column by column.
std::vector<std::vector<std::string>> Rows();

// UTF-8 to the system code page, for expectations written in Chinese.
std::string Ansi(const char* utf8);

// The path of this test executable.
std::string SelfPath();

} // namespace vt::test

namespace vt::test {

// What a test does with the dialogs that appear while an action runs: the open
// dialog gets fileName typed and confirmed (or is cancelled when cancel is
// set); a message box is read and closed with OK.
struct DialogAnswers {
    std::string fileName;
    bool cancel = false;
    // Filled in while the dialogs are answered.
    std::string nameShownOnOpen;   // the file-name box as the open dialog appeared
    std::string folderShownOnOpen; // the folder it opened in
    std::string filterShownOnOpen; // the selected file type
    std::vector<std::string> messages;
    int openDialogs = 0;
};

// Runs action (which opens dialogs) and answers them as described.
void WithDialogs(DialogAnswers& answers, const std::function<void()>& action);

} // namespace vt::test
