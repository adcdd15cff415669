#include "win32/WinTestSupport.h"

#include "app/MainWindow.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "core/PlatformRect.h"
#include "unit/StateFixture.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <map>

COLORREF PatternColor(int x, int y) {
    return RGB(x % 256, y % 256, ((x >> 8) & 15) * 16 + ((y >> 8) & 15));
}

void PrepareStartUp() {
    AppInstance = GetModuleHandleW(nullptr);
    RecordMonitorUnderPointer();
    static bool registered = RegisterMainWindowClass();
    (void)registered;
}

HWND StartMainWindow() {
    PrepareStartUp();
    MainWindowHandle = CreateMainWindow();
    return MainWindowHandle;
}

void ShowMainWindow(HWND window) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
}

std::vector<COLORREF> ReadPixels(HDC dc, int width, int height) {
    // Copied into a top-down 32-bit DIB section: its bits are readable in place, and the
    // source bitmap can stay selected into its context.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC copy = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(copy, section);
    BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* raw = static_cast<const DWORD*>(bits);
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF);
    SelectObject(copy, old);
    DeleteDC(copy);
    DeleteObject(section);
    return pixels;
}

namespace {
std::map<HWND, PaintRecorder*> Recorders;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PaintRecorder* recorder = Recorders[window];
    if (message == WM_PAINT) {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        std::vector<RECT> rects;
        if (GetUpdateRgn(window, region, FALSE) != NULLREGION) {
            DWORD size = GetRegionData(region, 0, nullptr);
            std::vector<char> buffer(size);
            auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
            GetRegionData(region, size, data);
            auto* first = reinterpret_cast<RECT*>(data->Buffer);
            rects.assign(first, first + data->rdh.nCount);
        }
        DeleteObject(region);
        recorder->Paints.push_back(rects);
    }
    return CallWindowProcW(recorder->Original, window, message, wParam, lParam);
}
} // namespace

PaintRecorder::PaintRecorder(HWND window) : Window(window) {
    Recorders[window] = this;
    Original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
}

PaintRecorder::~PaintRecorder() {
    if (IsWindow(Window))
        SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Original));
    Recorders.erase(Window);
}

bool RegionCovers(const std::vector<RECT>& region, int x, int y) {
    for (const RECT& r : region)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
}

LPARAM PackPoint(int x, int y) {
    return MAKELPARAM(x & 0xFFFF, y & 0xFFFF);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

MemoryCanvas::MemoryCanvas(HDC like, int width, int height)
    : Dc(CreateCompatibleDC(like)), Bitmap(CreateCompatibleBitmap(like, width, height)),
      Old(SelectObject(Dc, Bitmap)), Width(width), Height(height) {}

MemoryCanvas::~MemoryCanvas() {
    SelectObject(Dc, Old);
    DeleteObject(Bitmap);
    DeleteDC(Dc);
}

std::vector<COLORREF> ReadWindowPixels(HWND window, int width, int height) {
    HDC source = GetDC(window);
    std::vector<COLORREF> pixels;
    {
        MemoryCanvas copy(source, width, height);
        BitBlt(copy.Dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
        pixels = copy.Pixels();
    }
    ReleaseDC(window, source);
    return pixels;
}

bool WaitForDesktopPattern(int width, int height) {
    for (int tries = 0; tries < 300; ++tries, Sleep(100)) {
        HDC screen = GetDC(nullptr);
        const auto pixels = ReadPixels(screen, width, height);
        ReleaseDC(nullptr, screen);
        bool pattern = true;
        for (int y = 0; y < height && pattern; ++y)
            for (int x = 0; x < width && pattern; ++x)
                pattern = pixels[static_cast<size_t>(y * width + x)] == PatternColor(x, y);
        if (pattern) return true;
    }
    return false;
}

void ShownWindowTest::SetUp() {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_TRUE(WaitForDesktopPattern(width, height)) << "the desktop never showed the pattern";
    ResetAppState(width, height);
    SetCursorPos(width / 2, height / 2);
    window = StartMainWindow();
    ASSERT_NE(window, nullptr);
    ShowMainWindow(window);
    PumpMessages();
}

void ShownWindowTest::TearDown() {
    if (IsWindow(window)) DestroyWindow(window);
    PumpMessages();
}

HDC ShownWindowTest::FrameDcHandle() {
    return FrameDC;
}

bool SameRegion(const std::vector<RECT>& painted, const std::vector<RECT>& expected, HWND window) {
    RECT client;
    GetClientRect(window, &client);
    HRGN a = RegionOf(painted);
    HRGN b = RegionOf(expected);
    HRGN bounds = CreateRectRgnIndirect(&client);
    CombineRgn(b, b, bounds, RGN_AND);
    const bool same = EqualRgn(a, b) != FALSE;
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(bounds);
    return same;
}

long EnvironmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != 0 ? std::strtol(text, nullptr, 10) : fallback;
}

ClipboardHolder::ClipboardHolder(int holdMs)
    : Ready(CreateEventW(nullptr, TRUE, FALSE, L"TarvokTestClipboardHeld")),
      Release(CreateEventW(nullptr, TRUE, FALSE, L"TarvokTestClipboardRelease")) {
    ResetEvent(Ready);
    ResetEvent(Release);
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command = path;
    command = L"\"" + command.substr(0, command.find_last_of(L"\\/") + 1) +
              L"clipboard_holder.exe\" " + std::to_wstring(holdMs > 0 ? holdMs : 600000);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &Process))
        WaitForSingleObject(Ready, 20000);
}

int ClipboardHolder::ExitCode() {
    SetEvent(Release);
    if (Process.hProcess == nullptr) return -1;
    WaitForSingleObject(Process.hProcess, 20000);
    DWORD code = 1;
    GetExitCodeProcess(Process.hProcess, &code);
    return static_cast<int>(code);
}

ClipboardHolder::~ClipboardHolder() {
    ExitCode();
    if (Process.hProcess) CloseHandle(Process.hProcess);
    if (Process.hThread) CloseHandle(Process.hThread);
    CloseHandle(Ready);
    CloseHandle(Release);
}

void PutClipboardText(const wchar_t* text) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(block), text, bytes);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

std::wstring ClipboardText() {
    std::wstring text = L"<none>";
    if (!OpenClipboard(nullptr)) return L"<busy>";
    if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(block));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

COLORREF ShownWindowTest::ShownPixel(int x, int y) const {
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

std::string ShownWindowTest::WindowDiffersFromFrame() const {
    const auto shown = ReadWindowPixels(window, width, height);
    const auto frame = ReadPixels(FrameDC, width, height);
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i] != frame[i])
            return std::to_string(static_cast<int>(i) % width) + "," +
                   std::to_string(static_cast<int>(i) / width);
    return "";
}

std::optional<LOGFONTW> ScreenArialWestern(int* scripts) {
    struct Found {
        std::optional<LOGFONTW> Western;
        int Scripts = 0;
    } found;
    LOGFONTW request = {};
    request.lfCharSet = DEFAULT_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &request,
        [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM value) -> int {
            auto* entry = reinterpret_cast<const ENUMLOGFONTEXW*>(font);
            auto* f = reinterpret_cast<Found*>(value);
            if (std::wstring(entry->elfFullName) != L"Arial") return 1;
            ++f->Scripts;
            if (!f->Western && std::wstring(entry->elfScript) == L"Western") f->Western = *font;
            return 1;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    if (scripts != nullptr) *scripts = found.Scripts;
    return found.Western;
}
