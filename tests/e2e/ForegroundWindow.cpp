// Another program. Given a position (x y): a small popup there that comes to the front, as an
// Alt+Tab or a click elsewhere would bring it, and closes on any key; with "stay" after the
// position it ignores keys, a Wine window that holds the keyboard for global shortcuts. Given
// "report": prints where it sees the pointer and the clip ("x,y left,top,right,bottom"); given
// "release": lets the pointer clip go first, as any program may, then reports.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool ClosesOnKey = true;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && ClosesOnKey) DestroyWindow(window);
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

int Report(bool release) {
    if (release && !ClipCursor(nullptr)) return 1;
    POINT at;
    RECT clip;
    if (!GetCursorPos(&at) || !GetClipCursor(&clip)) return 1;
    std::printf("%ld,%ld %ld,%ld,%ld,%ld\n", at.x, at.y, clip.left, clip.top, clip.right,
                clip.bottom);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2) return Report(std::strcmp(argv[1], "release") == 0);
    if (argc != 3 && argc != 4) return 2;
    ClosesOnKey = argc == 3;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"ForegroundWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"ForegroundWindow", L"Foreground", WS_POPUP | WS_VISIBLE,
                                  std::atoi(argv[1]), std::atoi(argv[2]), 200, 100, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) return 1;
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
