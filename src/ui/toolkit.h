// The window toolkit: the program frame, controls, dialogs, drag and drop and
// the Windows services the rest of the program uses. Texts are byte strings in
// the system code page. Implemented over Win32 in ui/win32/.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ui/text.h"

namespace vt::ui {

using NativeWindow = void*; // HWND in the Win32 implementation

// ---- Program frame ---------------------------------------------------------

// Makes the executable's directory the current directory and prepares OLE and
// the common controls. Call once, first.
void InitializeToolkit();

// The routine run once at a normal end of the program (Shutdown or Exit).
void SetExitCleanup(void (*cleanup)());

// Dispatches messages until the program's last window has gone.
void RunMessageLoop();

// The normal end after the message loop: runs the exit clean-up, releases the
// toolkit and ends the process with code.
[[noreturn]] void Shutdown(int code);

// Ends the program at once from anywhere: runs the exit clean-up, destroys the
// windows and ends the process with code.
[[noreturn]] void Exit(int code);

// True once the main window is closing or the program is ending; long-running
// handlers stop at their next step.
bool IsEnding();

// Dispatches window messages for ms milliseconds without spinning. Returns
// early when the program is ending.
void Delay(unsigned ms);

// A modal box with the text, an OK button, no icon and the caption "信息：".
void ShowMessageBox(const std::string& text);

// ---- System services -------------------------------------------------------

// Lead-byte test of the system code page.
bool IsSystemLeadByte(unsigned char c);

// Converts UTF-8 to the system code page (for the program's fixed texts).
std::string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::string_view ansi);

// Text searches with the system code page's lead bytes.
inline int Find(std::string_view text, std::string_view pattern)
{
    return text::Find(text, pattern, IsSystemLeadByte);
}
inline int FindLast(std::string_view text, std::string_view pattern)
{
    return text::FindLast(text, pattern, IsSystemLeadByte);
}

// A string value under HKEY_CURRENT_USER\key, read at whatever size it has.
// REG_SZ gives its text up to the first NUL; REG_EXPAND_SZ its text with
// environment variables expanded. Anything else, or nothing, gives fallback.
std::string ReadUserRegistryText(const std::string& key, const std::string& valueName,
                                 const std::string& fallback);

struct FileFacts {
    bool exists = false;
    bool isDirectory = false;
    std::uint64_t size = 0;
};

// What the file system knows of the exact name path: whether something of
// that name exists (a directory too) and its full 64-bit size. A path ending
// in a backslash, or with wildcards, names nothing.
FileFacts QueryFile(const std::string& path);
inline bool FileExists(const std::string& path) { return QueryFile(path).exists; }

// True when both paths name the same existing file (same volume and index).
bool IsSameFile(const std::string& a, const std::string& b);

// ---- Controls --------------------------------------------------------------

class Control {
public:
    NativeWindow Handle() const { return handle_; }
    bool IsAlive() const;
    void SetVisible(bool visible);
    bool IsVisible() const;
    void SetText(const std::string& text);
    std::string Text() const;

    // The native window is created by the form builder.
    void Attach(NativeWindow handle) { handle_ = handle; }

    // Raised by the form when the control reports a click, a double-click or a
    // press of the left mouse button.
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
    std::function<void()> onLeftButtonDown;

protected:
    NativeWindow handle_ = nullptr;
};

// A report-style list view. Rows and columns are 0-based.
class ReportList : public Control {
public:
    int RowCount() const;
    int AppendRow(); // an empty row at the end; gives its index
    void SetCell(int row, int column, const std::string& text);
    std::string Cell(int row, int column) const;
    void DeleteAllRows();
    // Suspends painting while many rows change; pairs must nest.
    void SetRedraw(bool on);
};

// The open-file dialog. fileName is the name it opens with; after OK it holds
// the chosen full path, after Cancel it keeps its value.
class OpenDialog {
public:
    std::string filter; // "text|pattern|text|pattern"
    std::string fileName;
    // Shows the dialog modally; true when the user confirmed a file.
    bool Open(NativeWindow owner);
};

// Accepts lists of files dropped anywhere on a window. Each drop raises
// onFiles once: one path alone, or every path followed by CR LF.
class DropTarget {
public:
    DropTarget();
    ~DropTarget();
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;

    std::function<void(const std::string&)> onFiles;
    bool Register(NativeWindow window);
    void Revoke();
    // The registered OLE target (an IDropTarget*), for tests that drop in-process.
    void* OleTarget() const;

private:
    struct Impl;
    Impl* impl_;
};

// Switches the self-drawn XP look on for the controls of this thread.
void EnableXpLook(int colorScheme);
bool IsXpLookOn();

} // namespace vt::ui
