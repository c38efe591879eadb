// The XP look: push buttons get a rounded XP face and edit boxes a flat frame,
// both outlined in RGB(123, 158, 189). Switched on once for the thread; the
// controls that exist then and those made afterwards take it.
#include <windows.h>
#include <commctrl.h>

#include "ui/toolkit.h"
#include "ui/win32/frame.h"
#include "ui/win32/handles.h"

namespace vt::ui {

namespace {

constexpr COLORREF kFrame = RGB(123, 158, 189);
constexpr UINT_PTR kSubclassId = 0x5850; // "XP"

bool g_on = false;
HHOOK g_hook = nullptr;

enum class Kind { None, PushButton, Edit };

Kind KindOf(HWND w)
{
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0) {
        LONG type = GetWindowLongA(w, GWL_STYLE) & BS_TYPEMASK;
        return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) ? Kind::PushButton : Kind::None;
    }
    if (lstrcmpiA(cls, "Edit") == 0)
        return Kind::Edit;
    return Kind::None;
}

COLORREF Mix(COLORREF a, COLORREF b, int t, int n)
{
    return RGB((GetRValue(a) * (n - t) + GetRValue(b) * t) / n, (GetGValue(a) * (n - t) + GetGValue(b) * t) / n,
               (GetBValue(a) * (n - t) + GetBValue(b) * t) / n);
}

void PaintButton(HWND w, HDC dc)
{
    RECT r;
    GetClientRect(w, &r);
    LRESULT state = SendMessageA(w, BM_GETSTATE, 0, 0);
    bool pressed = (state & BST_PUSHED) != 0;
    bool focused = GetFocus() == w;
    bool enabled = IsWindowEnabled(w) != FALSE;

    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    // The face: a vertical gradient from white to a light grey-blue, reversed
    // while the button is held down.
    COLORREF top = pressed ? RGB(226, 226, 218) : RGB(255, 255, 255);
    COLORREF bottom = pressed ? RGB(250, 250, 246) : RGB(214, 208, 197);
    int h = r.bottom - r.top;
    for (int y = 2; y < h - 2; ++y) {
        win32::GdiObject brush(CreateSolidBrush(Mix(top, bottom, y, h)));
        RECT line{r.left + 2, y, r.right - 2, y + 1};
        FillRect(dc, &line, static_cast<HBRUSH>(brush.get()));
    }
    // The frame, with cut corners for the rounded XP outline.
    win32::GdiObject pen(CreatePen(PS_SOLID, 1, enabled ? kFrame : RGB(201, 199, 186)));
    win32::SelectGuard usePen(dc, pen.get());
    win32::SelectGuard useBrush(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 5, 5);

    std::string text = win32::WindowText(w);
    int n = static_cast<int>(text.size());
    auto font = reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0));
    win32::SelectGuard useFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT));
    RECT text_r = r;
    InflateRect(&text_r, -4, -3);
    if (pressed)
        OffsetRect(&text_r, 1, 1);
    // Centred; wraps onto several lines when the caption is wider than the face.
    RECT measure = text_r;
    DrawTextA(dc, text.c_str(), n, &measure, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    int offset = ((text_r.bottom - text_r.top) - (measure.bottom - measure.top)) / 2;
    text_r.top += offset > 0 ? offset : 0;
    DrawTextA(dc, text.c_str(), n, &text_r, DT_CENTER | DT_WORDBREAK);
    if (focused) {
        RECT f = r;
        InflateRect(&f, -3, -3);
        DrawFocusRect(dc, &f);
    }
}

void PaintEditFrame(HWND w)
{
    if ((GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0 && (GetWindowLongA(w, GWL_STYLE) & WS_BORDER) == 0)
        return;
    HDC dc = GetWindowDC(w);
    if (!dc)
        return;
    RECT r;
    GetWindowRect(w, &r);
    OffsetRect(&r, -r.left, -r.top);
    win32::GdiObject frame(CreateSolidBrush(kFrame));
    FrameRect(dc, &r, static_cast<HBRUSH>(frame.get()));
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    ReleaseDC(w, dc);
}

LRESULT CALLBACK XpProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR kind)
{
    switch (static_cast<Kind>(kind)) {
    case Kind::PushButton:
        switch (msg) {
        case WM_PAINT: {
            win32::PaintDC dc(w);
            PaintButton(w, dc.get());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case BM_SETSTATE:
        case WM_ENABLE:
        case WM_SETTEXT: {
            LRESULT rc = DefSubclassProc(w, msg, wp, lp);
            InvalidateRect(w, nullptr, FALSE);
            return rc;
        }
        }
        break;
    case Kind::Edit:
        if (msg == WM_NCPAINT) {
            LRESULT rc = DefSubclassProc(w, msg, wp, lp);
            PaintEditFrame(w);
            return rc;
        }
        break;
    case Kind::None:
        break;
    }
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(w, XpProc, kSubclassId);
    return DefSubclassProc(w, msg, wp, lp);
}

// Subclasses a push button or an edit box; an existing one is repainted.
void Dress(HWND w, bool existing)
{
    Kind kind = KindOf(w);
    if (kind == Kind::None)
        return;
    SetWindowSubclass(w, XpProc, kSubclassId, static_cast<DWORD_PTR>(kind));
    if (!existing)
        return;
    if (kind == Kind::Edit)
        SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    InvalidateRect(w, nullptr, TRUE);
}

BOOL CALLBACK DressChild(HWND w, LPARAM)
{
    Dress(w, true);
    return TRUE;
}

BOOL CALLBACK DressThreadWindow(HWND w, LPARAM)
{
    EnumChildWindows(w, DressChild, 0);
    return TRUE;
}

// Windows made later on this thread, the system's dialogs among them, are
// dressed once their class and style are known.
LRESULT CALLBACK OnCbt(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_CREATEWND)
        Dress(reinterpret_cast<HWND>(wp), false);
    return CallNextHookEx(g_hook, code, wp, lp);
}

} // namespace

void EnableXpLook(int /*colorScheme*/)
{
    if (g_on)
        return;
    g_on = true;
    EnumThreadWindows(GetCurrentThreadId(), DressThreadWindow, 0);
    g_hook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

bool IsXpLookOn() { return g_on; }

} // namespace vt::ui
