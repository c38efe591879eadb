// The real main window against its layout: frame, controls, order, keyboard,
// the usage note, and what is painted.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "copy/copy_run.h"
#include "filelist/browse.h"
#include "filelist/file_list.h"
#include "support.h"
#include "temp_dir.h"
#include "ui/texts.h"

namespace vt::test {
namespace {

HWND Main() { return static_cast<HWND>(ui::MainForm().handle); }
HWND Of(const ui::Control& c) { return static_cast<HWND>(c.Handle()); }

std::string ClassOf(HWND w)
{
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    return cls;
}

RECT InMainClient(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct Expected {
    const char* name;
    const ui::Control* control;
    const char* cls;
    int left, top, width, height;
    bool tabStop;
    std::string text;
    DWORD styleBits; // must all be set
};

class Layout : public testing::Test {
protected:
    void SetUp() override { ResetWindow(""); }
};

TEST_F(Layout, FrameSizeAndPlace)
{
    RECT r;
    GetWindowRect(Main(), &r);
    EXPECT_EQ(r.right - r.left, 454);
    EXPECT_EQ(r.bottom - r.top, 405);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 454) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 405) / 2);
    char caption[64] = {};
    GetWindowTextA(Main(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Vantoril");
    LONG style = GetWindowLongA(Main(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be resizable";
    EXPECT_FALSE(GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetMenu(Main()), nullptr);
    EXPECT_NE(SendMessageA(Main(), WM_GETICON, ICON_BIG, 0) || GetClassLongPtrA(Main(), GCLP_HICON), 0);
}

TEST_F(Layout, ControlsMatchTheTable)
{
    ui::MainWindow& f = ui::MainForm();
    const ui::FixedTexts& t = ui::Texts();
    const Expected table[] = {
        {"usage note", &f.usageNote, "VantorilTransparentLabel", 24, 192, 400, 112, false, t.usageNote, 0},
        {"path label", &f.pathLabel, "Static", 8, 126, 48, 24, false, Ansi("文件路径"),
         SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX},
        {"exit", &f.exitButton, "Button", 344, 344, 96, 24, true, Ansi("退出软件"), BS_MULTILINE},
        {"copy", &f.copyButton, "Button", 216, 344, 112, 24, true, Ansi("复制到易语言"), BS_MULTILINE},
        {"file list", &f.fileList, "SysListView32", 8, 160, 432, 176, true, "",
         LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER},
        {"banner", &f.banner, "VantorilPictureBox", 8, 8, 432, 112, false, "", 0},
        {"install label", &f.installLabel, "Static", 8, 346, 200, 16, false, Ansi("易语言路径："),
         SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX},
        {"browse", &f.browseButton, "Button", 376, 126, 64, 24, true, Ansi("浏览"), BS_MULTILINE},
        {"path box", &f.pathBox, "Edit", 64, 128, 304, 20, true, Ansi("支持文件拖放，支持拖放多个支持库文件"),
         ES_READONLY | ES_AUTOHSCROLL},
        // The credit line's place is inside the banner.
        {"credit line", &f.creditLine, "VantorilTransparentLabel", 16, 88, 240, 24, false, t.creditLine, 0},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.name);
        HWND w = Of(*e.control);
        ASSERT_TRUE(IsWindow(w));
        EXPECT_EQ(ClassOf(w), e.cls);
        RECT r = InMainClient(w);
        EXPECT_EQ(r.left, e.left);
        EXPECT_EQ(r.top, e.top);
        EXPECT_EQ(r.right - r.left, e.width);
        EXPECT_EQ(r.bottom - r.top, e.height);
        LONG style = GetWindowLongA(w, GWL_STYLE);
        EXPECT_EQ((style & WS_TABSTOP) != 0, e.tabStop);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_TRUE(IsWindowEnabled(w));
        EXPECT_EQ(static_cast<DWORD>(style) & e.styleBits, e.styleBits);
        EXPECT_EQ(e.control->Text(), e.text);
    }
    EXPECT_EQ(GetParent(Of(f.creditLine)), Of(f.banner));
    EXPECT_TRUE(GetWindowLongA(Of(f.pathBox), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(Of(f.fileList), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    for (HWND button : {Of(f.exitButton), Of(f.copyButton), Of(f.browseButton)})
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << "no default button";
}

TEST_F(Layout, ListColumnsAndStyle)
{
    HWND list = Of(ui::MainForm().fileList);
    const std::pair<const char*, int> columns[] = {
        {"支持库名称", 158}, {"大小", 75}, {"目录", 75}, {"修改时间", 120}, {"是否成功", 100}};
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 5);
    int i = 0;
    for (auto [text, width] : columns) {
        char buf[64] = {};
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        col.pszText = buf;
        col.cchTextMax = sizeof buf;
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col)));
        EXPECT_EQ(std::string(buf), Ansi(text));
        EXPECT_EQ(col.cx, width);
        EXPECT_EQ(col.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
        ++i;
    }
    DWORD ex = static_cast<DWORD>(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(ex & LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(ex & (LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_TRACKSELECT));
    LONG style = GetWindowLongA(list, GWL_STYLE);
    EXPECT_FALSE(style & (LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_SORTASCENDING | LVS_SORTDESCENDING));
}

TEST_F(Layout, StackingAndTabOrder)
{
    ui::MainWindow& f = ui::MainForm();
    // Siblings from the top down, as the table lists them; the note lies on the list.
    std::vector<HWND> expected = {Of(f.pathLabel), Of(f.exitButton),   Of(f.copyButton), Of(f.fileList),
                                  Of(f.banner),    Of(f.installLabel), Of(f.browseButton), Of(f.pathBox)};
    std::vector<HWND> actual;
    for (HWND w = GetWindow(Main(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        actual.push_back(w);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(GetParent(Of(f.usageNote)), Of(f.fileList));

    std::vector<HWND> tabs;
    HWND at = Of(f.exitButton);
    for (int i = 0; i < 6; ++i) {
        tabs.push_back(at);
        at = GetNextDlgTabItem(Main(), at, FALSE);
    }
    EXPECT_EQ(tabs, (std::vector<HWND>{Of(f.exitButton), Of(f.copyButton), Of(f.fileList), Of(f.browseButton),
                                       Of(f.pathBox), Of(f.exitButton)}));
    EXPECT_EQ(GetNextDlgTabItem(Main(), Of(f.exitButton), TRUE), Of(f.pathBox)) << "Shift+Tab goes back";
}

TEST_F(Layout, TabKeyMovesTheFocus)
{
    ui::MainWindow& f = ui::MainForm();
    SetForegroundWindow(Main());
    SetFocus(Of(f.copyButton));
    MSG msg{Of(f.copyButton), WM_KEYDOWN, VK_TAB, 0};
    ASSERT_TRUE(IsDialogMessageA(Main(), &msg));
    EXPECT_EQ(GetFocus(), Of(f.fileList));
}

TEST_F(Layout, KeysThatDoNotCloseOrAct)
{
    ui::MainWindow& f = ui::MainForm();
    SetFocus(Of(f.copyButton));
    BYTE keys[256];
    GetKeyboardState(keys);
    for (int modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        BYTE held[256];
        memcpy(held, keys, sizeof held);
        held[modifier] = 0x80;
        SetKeyboardState(held);
        PostMessageA(Of(f.fileList), WM_KEYDOWN, VK_ESCAPE, 0);
        ui::Delay(100);
        SetKeyboardState(keys);
        EXPECT_TRUE(IsWindow(Main())) << "Esc with modifier " << modifier;
    }
    // Enter on the focused copy button starts no run (the note would be hidden
    // and shown); F1 asks for nothing.
    f.usageNote.SetVisible(false);
    PostMessageA(Of(f.copyButton), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(Of(f.copyButton), WM_KEYDOWN, VK_F1, 0);
    ui::Delay(100);
    EXPECT_FALSE(f.usageNote.IsVisible());
    EXPECT_TRUE(IsWindow(Main()));
}

TEST_F(Layout, UsageNoteStates)
{
    ui::MainWindow& f = ui::MainForm();
    HWND list = Of(f.fileList);
    POINT inNote{100, 60}; // in the list's client area, under the note
    EXPECT_EQ(ChildWindowFromPointEx(list, inNote, CWP_SKIPINVISIBLE), Of(f.usageNote))
        << "while visible the note takes the presses in its area";

    SendMessageA(Of(f.usageNote), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(f.usageNote.IsVisible()) << "hidden as the button goes down";
    EXPECT_EQ(ChildWindowFromPointEx(list, inNote, CWP_SKIPINVISIBLE), list);
    ClearFileList();
    EXPECT_FALSE(f.usageNote.IsVisible()) << "clearing does not show it";

    // Each adding operation and the copy run hide it; only the end of a run shows it.
    f.usageNote.SetVisible(true);
    DropFiles({"C:\\nothing\\here.txt"});
    EXPECT_FALSE(f.usageNote.IsVisible());

    f.usageNote.SetVisible(true);
    DialogAnswers cancel;
    cancel.cancel = true;
    WithDialogs(cancel, AddBrowsedFile);
    EXPECT_FALSE(f.usageNote.IsVisible());

    bool hiddenDuringRun = false;
    TempDir d;
    ResetWindow(d.path());
    WriteTextFile(d / "src.fne", "x");
    DropFiles({d / "src.fne"});
    f.usageNote.SetVisible(true);
    RunAfter(200, [&] { hiddenDuringRun = !f.usageNote.IsVisible(); });
    CopyAllToInstallDir();
    EXPECT_TRUE(hiddenDuringRun);
    EXPECT_TRUE(f.usageNote.IsVisible());
    ClearFileList();
    EXPECT_TRUE(f.usageNote.IsVisible());
}

// Writes the client area as a 24-bit BMP (the test runner turns it into PNG).
void SaveBmp(const std::string& path, const std::vector<std::uint32_t>& px, int w, int h)
{
    int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(stride * h);
    ih.biSize = sizeof ih;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    std::string data(reinterpret_cast<char*>(&fh), sizeof fh);
    data.append(reinterpret_cast<char*>(&ih), sizeof ih);
    for (int y = h - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(stride), '\0');
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = px[static_cast<size_t>(y) * w + x];
            row[x * 3] = static_cast<char>(p & 0xFF);
            row[x * 3 + 1] = static_cast<char>((p >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((p >> 16) & 0xFF);
        }
        data += row;
    }
    WriteTextFile(path, data);
}

int CountColour(const std::vector<std::uint32_t>& px, int w, RECT r, std::uint32_t rgb, int tolerance)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            std::uint32_t p = px[static_cast<size_t>(y) * w + x];
            int dr = static_cast<int>((p >> 16) & 0xFF) - static_cast<int>((rgb >> 16) & 0xFF);
            int dg = static_cast<int>((p >> 8) & 0xFF) - static_cast<int>((rgb >> 8) & 0xFF);
            int db = static_cast<int>(p & 0xFF) - static_cast<int>(rgb & 0xFF);
            if (abs(dr) <= tolerance && abs(dg) <= tolerance && abs(db) <= tolerance)
                ++n;
        }
    return n;
}

TEST_F(Layout, PaintedWindow)
{
    ui::MainWindow& f = ui::MainForm();
    ResetWindow("C:\\Program Files\\e\\");
    f.installLabel.SetText(Ansi("易语言路径：") + "C:\\Program Files\\e\\");
    DropFiles({"C:\\libs\\demo.fne", "C:\\libs\\layout.lib"});
    f.usageNote.SetVisible(true);
    RedrawWindow(Main(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    int w = 0, h = 0;
    std::vector<std::uint32_t> px = ui::CaptureClient(f.handle, w, h);
    ASSERT_EQ(w * h, static_cast<int>(px.size()));
    std::string self = SelfPath();
    SaveBmp(self.substr(0, self.find_last_of('\\') + 1) + "window.bmp", px, w, h);

    // The violet note over the list, with rows beneath it.
    EXPECT_GT(CountColour(px, w, RECT{24, 192, 424, 304}, 0x9000FF, 30), 200);
    // The red credit line on the banner.
    EXPECT_GT(CountColour(px, w, RECT{16, 88, 256, 112}, 0xFF0000, 40), 100);
    // The banner shows its picture: mostly green, not the plain button face.
    EXPECT_LT(CountColour(px, w, RECT{8, 8, 440, 80}, GetSysColor(COLOR_BTNFACE) & 0xFFFFFF, 3), 100);
    // The XP frames of the buttons.
    EXPECT_GT(CountColour(px, w, RECT{216, 344, 328, 368}, 0x7B9EBD, 0), 100);
    ResetWindow("");
}

} // namespace
} // namespace vt::test
