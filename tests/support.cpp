#include "support.h"

#include <commdlg.h>
#include <shlobj.h>

#include <map>

#include "app/app_state.h"
#include "filelist/file_list.h"
#include "ui/texts.h"
#include "ui/toolkit.h"
#include "data_object.h"

namespace vt::test {

void ResetWindow(const std::string& installDir)
{
    ui::MainWindow& form = ui::MainForm();
    ClearFileList();
    form.usageNote.SetVisible(true);
    form.pathBox.SetText(ui::Texts().pathBoxHint);
    App().installDir = installDir;
}

DWORD DropOnMainWindow(IDataObject* data)
{
    auto* target = static_cast<IDropTarget*>(ui::MainForm().dropTarget.OleTarget());
    if (!target)
        return DROPEFFECT_NONE;
    RECT r;
    GetWindowRect(static_cast<HWND>(ui::MainForm().handle), &r);
    POINTL at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    target->DragEnter(data, MK_LBUTTON, at, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    target->DragOver(MK_LBUTTON, at, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    target->Drop(data, 0, at, &effect);
    data->Release();
    return effect;
}

DWORD DropFiles(const std::vector<std::string>& paths, bool wide)
{
    return DropOnMainWindow(MakeFileDataObject(paths, wide));
}

namespace {

std::map<UINT_PTR, std::function<void()>>& Pending()
{
    static std::map<UINT_PTR, std::function<void()>> pending;
    return pending;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto it = Pending().find(id);
    if (it == Pending().end())
        return;
    auto action = std::move(it->second);
    Pending().erase(it);
    action();
}

} // namespace

void RunAfter(unsigned ms, std::function<void()> action)
{
    UINT_PTR id = SetTimer(nullptr, 0, ms, OnTimer);
    Pending()[id] = std::move(action);
}

void Pump(unsigned ms)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

std::vector<std::vector<std::string>> Rows()
{
    const ui::ReportList& list = ui::MainForm().fileList;
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < list.RowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c <= ui::COL_STATUS; ++c)
            row.push_back(list.Cell(r, c));
        rows.push_back(row);
    }
    return rows;
}

std::string Ansi(const char* utf8) { return ui::FromUtf8(utf8); }

std::string SelfPath()
{
    char path[MAX_PATH * 2] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

} // namespace vt::test

namespace vt::test {

namespace {

DialogAnswers* g_answers = nullptr;
std::vector<HWND> g_answered;

std::string WindowText(HWND w)
{
    char buf[1024] = {};
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

BOOL CALLBACK AnswerOne(HWND w, LPARAM)
{
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(w))
        return TRUE;
    for (HWND done : g_answered)
        if (done == w)
            return TRUE;
    g_answered.push_back(w);
    DialogAnswers& a = *g_answers;
    HWND nameBox = GetDlgItem(w, 0x47c); // cmb13, the Explorer-style file-name box
    if (nameBox) {
        ++a.openDialogs;
        a.nameShownOnOpen = WindowText(nameBox);
        char folder[MAX_PATH * 2] = {};
        SendMessageA(w, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
        a.folderShownOnOpen = folder;
        HWND types = GetDlgItem(w, 0x470); // cmb1, the file types
        if (types) {
            int sel = static_cast<int>(SendMessageA(types, CB_GETCURSEL, 0, 0));
            char buf[256] = {};
            if (sel >= 0)
                SendMessageA(types, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(buf));
            a.filterShownOnOpen = buf;
        }
        if (a.cancel) {
            PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
        } else {
            SetWindowTextA(nameBox, a.fileName.c_str());
            PostMessageA(w, WM_COMMAND, IDOK, 0);
        }
    } else {
        a.messages.push_back(WindowText(GetDlgItem(w, 0xFFFF)));
        PostMessageA(w, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

void CALLBACK OnDialogTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_answers)
        EnumThreadWindows(GetCurrentThreadId(), AnswerOne, 0);
}

} // namespace

void WithDialogs(DialogAnswers& answers, const std::function<void()>& action)
{
    g_answers = &answers;
    g_answered.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, OnDialogTimer);
    action();
    KillTimer(nullptr, timer);
    g_answers = nullptr;
}

} // namespace vt::test
