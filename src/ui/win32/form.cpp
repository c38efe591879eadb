// Builds a form from its description and routes the controls' events.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/image.h"
#include "ui/win32/frame.h"
#include "ui/win32/handles.h"

namespace vt::ui {

using win32::GdiObject;
using win32::MemoryDC;
using win32::PaintDC;
using win32::SelectGuard;

namespace {

constexpr char kFormClass[] = "VantorilForm";
constexpr char kTransparentLabelClass[] = "VantorilTransparentLabel";
constexpr char kPictureBoxClass[] = "VantorilPictureBox";
constexpr char kControlProp[] = "Vantoril.Control";

// What a self-drawn control keeps beside its window.
struct DrawnState {
    Control* control = nullptr;
    COLORREF color = RGB(0, 0, 0);
    GdiObject font;       // its own font, or none for the default GUI font
    UINT format = 0;      // DrawText flags
    GdiObject picture;    // the picture box's bitmap, already at the box's size
};

struct FormState {
    FormEvents events;
    std::vector<std::unique_ptr<DrawnState>> drawn;
};

std::unique_ptr<FormState> g_form;

Control* ControlOf(HWND w) { return static_cast<Control*>(GetPropA(w, kControlProp)); }

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

LRESULT CALLBACK TransparentLabelProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* state = reinterpret_cast<DrawnState*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // no background of its own
    case WM_PAINT: {
        PaintDC dc(w);
        if (!state)
            return 0;
        RECT r;
        GetClientRect(w, &r);
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), state->color);
        HFONT font = state->font ? static_cast<HFONT>(state->font.get()) : GuiFont();
        SelectGuard use(dc.get(), font);
        std::string text = win32::WindowText(w);
        DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, state->format);
        return 0;
    }
    case WM_SETTEXT: {
        // The old text lies on the parent's pixels: have them painted again.
        LRESULT rc = DefWindowProcA(w, msg, wp, lp);
        RECT r;
        GetWindowRect(w, &r);
        HWND parent = GetParent(w);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return rc;
    }
    case WM_LBUTTONDOWN:
        if (state && state->control && state->control->onLeftButtonDown)
            state->control->onLeftButtonDown();
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

LRESULT CALLBACK PictureBoxProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* state = reinterpret_cast<DrawnState*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintDC dc(w);
        RECT r;
        GetClientRect(w, &r);
        if (state && state->picture) {
            MemoryDC mem(dc.get());
            SelectGuard use(mem.get(), state->picture.get());
            BITMAP bm{};
            GetObjectA(state->picture.get(), sizeof bm, &bm);
            StretchBlt(dc.get(), 0, 0, r.right, r.bottom, mem.get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        } else {
            FillRect(dc.get(), &r, GetSysColorBrush(COLOR_BTNFACE));
        }
        return 0;
    }
    }
    return DefWindowProcA(w, msg, wp, lp);
}

LRESULT CALLBACK FormProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        if (lp && HIWORD(wp) == BN_CLICKED) {
            if (Control* c = ControlOf(reinterpret_cast<HWND>(lp)); c && c->onClick)
                c->onClick();
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lp);
        if (hdr->code == NM_DBLCLK) {
            if (Control* c = ControlOf(hdr->hwndFrom); c && c->onDoubleClick)
                c->onDoubleClick();
            return 0;
        }
        break;
    }
    case WM_CTLCOLORSTATIC: {
        // The read-only path box keeps black on white; labels stay on button face.
        auto dc = reinterpret_cast<HDC>(wp);
        char cls[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(lp), cls, sizeof cls);
        SetTextColor(dc, RGB(0, 0, 0));
        if (lstrcmpiA(cls, "Edit") == 0) {
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CLOSE:
        DestroyWindow(w);
        return 0;
    case WM_DESTROY:
        win32::MarkEnding();
        if (g_form && g_form->events.destroying)
            g_form->events.destroying();
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

void RegisterWindowClass(const char* name, WNDPROC proc, HICON icon = nullptr, HICON smallIcon = nullptr,
                   HBRUSH background = nullptr)
{
    WNDCLASSEXA wc{sizeof wc};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

void RegisterClasses(HICON icon, HICON smallIcon)
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterWindowClass(kFormClass, FormProc, icon, smallIcon, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RegisterWindowClass(kTransparentLabelClass, TransparentLabelProc);
    RegisterWindowClass(kPictureBoxClass, PictureBoxProc);
}

// A 32-bit bitmap whose rows run top row first, with its pixels at bits.
HBITMAP MakeTopDownDib(HDC dc, int width, int height, void*& bits)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    bits = nullptr;
    return CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
}

HBITMAP MakeBitmap(const Image& image)
{
    void* bits = nullptr;
    HBITMAP bmp = MakeTopDownDib(nullptr, image.width, image.height, bits);
    if (!bmp)
        return nullptr;
    auto* px = static_cast<std::uint8_t*>(bits);
    for (size_t i = 0, n = static_cast<size_t>(image.width) * image.height; i < n; ++i) {
        px[i * 4 + 0] = image.rgb[i * 3 + 2];
        px[i * 4 + 1] = image.rgb[i * 3 + 1];
        px[i * 4 + 2] = image.rgb[i * 3 + 0];
        px[i * 4 + 3] = 0;
    }
    return bmp;
}

// Loads an RCDATA resource of the executable.
bool LoadResourceBytes(int id, const std::uint8_t*& data, size_t& size)
{
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(self, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!res)
        return false;
    HGLOBAL loaded = LoadResource(self, res);
    data = static_cast<const std::uint8_t*>(LockResource(loaded));
    size = SizeofResource(self, res);
    return data != nullptr;
}

HWND CreateControl(HWND form, const ControlLayout& c, FormState& state)
{
    HINSTANCE inst = GetModuleHandleA(nullptr);
    HWND parent = form;
    if (c.host)
        parent = static_cast<HWND>(c.host->Handle());
    else if (c.parent)
        parent = static_cast<HWND>(c.parent->Handle());

    // Places are relative to the logical parent; a host may sit elsewhere.
    POINT at{c.left, c.top};
    if (c.host) {
        HWND logical = c.parent ? static_cast<HWND>(c.parent->Handle()) : form;
        MapWindowPoints(logical, parent, &at, 1);
    }

    DWORD style = WS_CHILD | WS_VISIBLE | (c.tabStop ? WS_TABSTOP : 0);
    DWORD ex = 0;
    const char* cls = nullptr;
    std::unique_ptr<DrawnState> drawn;
    switch (c.kind) {
    case ControlKind::Label:
        cls = "STATIC";
        style |= SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX;
        break;
    case ControlKind::TransparentLabel:
        cls = kTransparentLabelClass;
        drawn = std::make_unique<DrawnState>();
        drawn->format = c.wrap ? (DT_LEFT | DT_WORDBREAK | DT_NOPREFIX)
                               : (DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (c.textColor)
            drawn->color = RGB(c.textColor->r, c.textColor->g, c.textColor->b);
        if (c.fontHeight) {
            LOGFONTA lf{};
            lf.lfHeight = -c.fontHeight;
            lf.lfWeight = FW_NORMAL;
            lf.lfCharSet = DEFAULT_CHARSET;
            drawn->font.reset(CreateFontIndirectA(&lf));
        }
        break;
    case ControlKind::PushButton:
        cls = "BUTTON";
        style |= BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
        break;
    case ControlKind::EditBox:
        cls = "EDIT";
        style |= ES_LEFT | ES_AUTOHSCROLL | ES_READONLY;
        ex |= WS_EX_CLIENTEDGE;
        break;
    case ControlKind::ReportList:
        cls = WC_LISTVIEWA;
        style |= LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER;
        ex |= WS_EX_CLIENTEDGE;
        break;
    case ControlKind::PictureBox:
        cls = kPictureBoxClass;
        drawn = std::make_unique<DrawnState>();
        break;
    }
    HWND w = CreateWindowExA(ex, cls, c.text.c_str(), style, at.x, at.y, c.width, c.height, parent, nullptr,
                             inst, nullptr);
    if (!w)
        return nullptr;
    SetPropA(w, kControlProp, c.control);
    SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    if (drawn) {
        drawn->control = c.control;
        SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(drawn.get()));
        state.drawn.push_back(std::move(drawn));
    }
    if (c.kind == ControlKind::EditBox)
        SendMessageA(w, EM_SETLIMITTEXT, 0, 0);
    if (c.kind == ControlKind::ReportList)
        SendMessageA(w, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    c.control->Attach(w);
    return w;
}

void AddColumns(HWND list, const std::vector<ColumnLayout>& columns)
{
    int index = 0;
    for (const ColumnLayout& col : columns) {
        LVCOLUMNA lc{};
        lc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        lc.fmt = LVCFMT_LEFT;
        lc.cx = col.width;
        lc.pszText = const_cast<char*>(col.header.c_str());
        lc.iSubItem = index;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&lc));
        ++index;
    }
}

} // namespace

bool PictureBox::SetJpeg(const std::uint8_t* data, std::size_t size)
{
    HWND w = static_cast<HWND>(Handle());
    auto* state = w ? reinterpret_cast<DrawnState*>(GetWindowLongPtrA(w, GWLP_USERDATA)) : nullptr;
    if (!state)
        return false;
    RECT r;
    GetClientRect(w, &r);
    Image image = DecodeJpeg(data, size, r.right, r.bottom);
    if (image.width == 0)
        return false;
    // Scale once, smoothly, to the box's size; painting is then a plain copy.
    Image fitted = ScaleArea(image, r.right, r.bottom);
    state->picture.reset(MakeBitmap(fitted));
    InvalidateRect(w, nullptr, FALSE);
    return static_cast<bool>(state->picture);
}

NativeWindow CreateForm(const FormLayout& layout, const FormEvents& events)
{
    HINSTANCE inst = GetModuleHandleA(nullptr);
    auto icon = static_cast<HICON>(LoadImageA(inst, MAKEINTRESOURCEA(layout.iconResource), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    auto smallIcon = static_cast<HICON>(LoadImageA(inst, MAKEINTRESOURCEA(layout.iconResource), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    RegisterClasses(icon, smallIcon);

    g_form = std::make_unique<FormState>();
    g_form->events = events;

    int left = (GetSystemMetrics(SM_CXSCREEN) - layout.outerWidth) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - layout.outerHeight) / 2;
    HWND form = CreateWindowExA(WS_EX_CONTROLPARENT, kFormClass, layout.caption.c_str(),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left,
                                top, layout.outerWidth, layout.outerHeight, nullptr, nullptr, inst, nullptr);
    if (!form)
        return nullptr;
    win32::SetMainWindow(form);

    // Hosts come before what they carry; otherwise the table's order is kept,
    // which makes the first control the top one and the first tab stop.
    std::vector<const ControlLayout*> order;
    for (const ControlLayout& c : layout.controls)
        if (!c.host && !c.parent)
            order.push_back(&c);
    for (const ControlLayout& c : layout.controls)
        if (c.host || c.parent)
            order.push_back(&c);
    HWND previous = HWND_TOP;
    for (const ControlLayout* c : order) {
        HWND w = CreateControl(form, *c, *g_form);
        if (!w)
            continue;
        if (!c->host && !c->parent) {
            // Each new sibling goes below the one made before it.
            SetWindowPos(w, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            previous = w;
        }
        if (c->kind == ControlKind::ReportList)
            AddColumns(w, layout.listColumns);
        if (c->kind == ControlKind::PictureBox && layout.bannerResource) {
            const std::uint8_t* data = nullptr;
            size_t size = 0;
            if (LoadResourceBytes(layout.bannerResource, data, size))
                static_cast<PictureBox*>(c->control)->SetJpeg(data, size);
        }
    }

    if (events.created)
        events.created(form);
    ShowWindow(form, SW_SHOW);
    UpdateWindow(form);
    return form;
}

std::vector<std::uint32_t> CaptureClient(NativeWindow window, int& width, int& height)
{
    auto w = static_cast<HWND>(window);
    RECT r;
    GetClientRect(w, &r);
    width = r.right;
    height = r.bottom;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
    UpdateWindow(w);
    win32::WindowDC dc(w);
    MemoryDC mem(dc.get());
    void* bits = nullptr;
    GdiObject bmp(MakeTopDownDib(dc.get(), width, height, bits));
    if (!bmp)
        return pixels;
    {
        SelectGuard use(mem.get(), bmp.get());
        BitBlt(mem.get(), 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    memcpy(pixels.data(), bits, pixels.size() * 4);
    return pixels;
}

} // namespace vt::ui
