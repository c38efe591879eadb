// Controls, the report list and the open dialog over Win32.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "ui/toolkit.h"
#include "ui/win32/frame.h"
#include "ui/win32/lazy_dll.h"

namespace vt::ui {

namespace {
HWND H(NativeWindow w) { return static_cast<HWND>(w); }
} // namespace

bool Control::IsAlive() const { return handle_ && IsWindow(H(handle_)); }

void Control::SetVisible(bool visible)
{
    if (IsAlive())
        ShowWindow(H(handle_), visible ? SW_SHOW : SW_HIDE);
}

bool Control::IsVisible() const
{
    return IsAlive() && (GetWindowLongA(H(handle_), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetText(const std::string& text)
{
    if (IsAlive())
        SetWindowTextA(H(handle_), text.c_str());
}

namespace win32 {

std::string WindowText(HWND window)
{
    int n = GetWindowTextLengthA(window);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    int got = GetWindowTextA(window, s.data(), n + 1);
    s.resize(static_cast<size_t>(got > 0 ? got : 0));
    return s;
}

} // namespace win32

std::string Control::Text() const
{
    return IsAlive() ? win32::WindowText(H(handle_)) : std::string();
}

int ReportList::RowCount() const
{
    if (!IsAlive())
        return 0;
    return static_cast<int>(SendMessageA(H(handle_), LVM_GETITEMCOUNT, 0, 0));
}

int ReportList::AppendRow()
{
    if (!IsAlive())
        return -1;
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    item.pszText = const_cast<char*>("");
    return static_cast<int>(SendMessageA(H(handle_), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ReportList::SetCell(int row, int column, const std::string& text)
{
    if (!IsAlive())
        return;
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(H(handle_), LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string ReportList::Cell(int row, int column) const
{
    if (!IsAlive() || row < 0 || row >= RowCount())
        return {};
    // LVM_GETITEMTEXT gives the number of bytes copied; a full buffer may
    // mean a longer text, so grow until it fits.
    std::vector<char> buf(260);
    for (;;) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buf.data();
        item.cchTextMax = static_cast<int>(buf.size());
        auto got = static_cast<size_t>(
            SendMessageA(H(handle_), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (got + 1 < buf.size() || buf.size() >= (1u << 20))
            return std::string(buf.data(), strnlen(buf.data(), buf.size()));
        buf.resize(buf.size() * 4);
    }
}

void ReportList::DeleteAllRows()
{
    if (IsAlive())
        SendMessageA(H(handle_), LVM_DELETEALLITEMS, 0, 0);
}

void ReportList::SetRedraw(bool on)
{
    if (!IsAlive())
        return;
    SendMessageA(H(handle_), WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on)
        RedrawWindow(H(handle_), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool OpenDialog::Open(NativeWindow owner)
{
    // "text|pattern|..." becomes the NUL-separated, double-NUL-ended form.
    std::string filterz = filter;
    for (char& c : filterz)
        if (c == '|')
            c = '\0';
    filterz.append(2, '\0');

    std::vector<char> name(32 * 1024, '\0');
    fileName.copy(name.data(), name.size() - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = H(owner);
    ofn.lpstrFilter = filterz.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    static const auto getOpenFileName =
        win32::LazyFunction<BOOL(WINAPI*)(OPENFILENAMEA*)>("comdlg32.dll", "GetOpenFileNameA");
    if (!getOpenFileName || !getOpenFileName(&ofn))
        return false;
    fileName.assign(name.data());
    return true;
}

} // namespace vt::ui
