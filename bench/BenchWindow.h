// What both benchmarks need around the window: the counter's frequency, an emptied message
// queue, and a wait until the window's pixels are on the screen.
#pragma once

#include <windows.h>

inline double Frequency() {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
}

inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Under Wine, drawing on a window lands in a client-side copy of it, which goes to the X
// server only when the thread finds its message queue empty, and the server puts it on the
// screen in its own time. Reading a screen pixel afterwards is a round trip to the server,
// so it returns once the server has worked through the image.
inline void WaitUntilShown() {
    PumpMessages();
    HDC screen = GetDC(nullptr);
    GetPixel(screen, 0, 0);
    ReleaseDC(nullptr, screen);
}
