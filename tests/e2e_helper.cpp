// The end-to-end test's hands inside Wine.
//   e2e_helper point copy|exit|list   prints the screen point at the middle of
//                                     that control of the running Vantoril
//   e2e_helper drag FILE...           shows a drag source window, prints
//                                     "ready X Y" (its middle) and starts a real
//                                     DoDragDrop of the files when the mouse
//                                     button goes down on it; prints the effect
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "data_object.h"

namespace {

std::string Ansi(const char* utf8)
{
    wchar_t w[256];
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, w, 256);
    char a[512];
    WideCharToMultiByte(CP_ACP, 0, w, n, a, sizeof a, nullptr, nullptr);
    return a;
}

struct Search {
    std::string text;
    std::string cls;
    HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND w, LPARAM lp)
{
    auto* s = reinterpret_cast<Search*>(lp);
    char cls[64] = {}, text[256] = {};
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, text, sizeof text);
    if ((!s->cls.empty() && s->cls == cls) || (!s->text.empty() && s->text == text)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

int Point(const std::string& what)
{
    HWND main = FindWindowA("VantorilForm", "Vantoril");
    if (!main)
        return 1;
    Search s;
    if (what == "copy")
        s.text = Ansi("复制到易语言");
    else if (what == "exit")
        s.text = Ansi("退出软件");
    else
        s.cls = "SysListView32";
    EnumChildWindows(main, FindChild, reinterpret_cast<LPARAM>(&s));
    if (!s.found)
        return 1;
    RECT r;
    GetWindowRect(s.found, &r);
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return 0;
}

class DropSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource)) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override
    {
        if (escape)
            return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

std::vector<std::string> g_files;

LRESULT CALLBACK SourceProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_LBUTTONDOWN) {
        IDataObject* data = vt::test::MakeFileDataObject(g_files);
        DropSource source;
        DWORD effect = DROPEFFECT_NONE;
        HRESULT hr = DoDragDrop(data, &source, DROPEFFECT_COPY, &effect);
        data->Release();
        std::printf("effect %lu %s\n", effect, hr == DRAGDROP_S_DROP ? "dropped" : "not dropped");
        std::fflush(stdout);
        DestroyWindow(w);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

int Drag()
{
    OleInitialize(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = SourceProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "VantorilDragSource";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "drag source", WS_POPUP | WS_BORDER | WS_VISIBLE, 0,
                             0, 160, 120, nullptr, nullptr, wc.hInstance, nullptr);
    UpdateWindow(w);
    RECT r;
    GetWindowRect(w, &r);
    std::printf("ready %ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    OleUninitialize();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "point") == 0)
        return Point(argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "drag") == 0) {
        g_files.assign(argv + 2, argv + argc);
        return Drag();
    }
    std::fprintf(stderr, "usage: e2e_helper point copy|exit|list | drag FILE...\n");
    return 2;
}
