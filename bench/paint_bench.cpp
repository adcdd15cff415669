// Paint cost of the main window at common screen sizes and zooms, against the cost of a
// single full-screen copy to the window. Run under Wine on a virtual screen at least as
// large as the biggest size measured. Prints milliseconds per operation.
//
//   paint_bench.exe [--reps N] [WIDTHxHEIGHT ...]
//
// Without sizes it measures 1920x1080 and 3840x2160.
#include "app/FreshRun.h"
#include "app/MainWindow.h"
#include "app/Resident.h"
#include "app/SingleInstance.h"
#include "bench/BenchWindow.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "core/PixelRows.h"
#include "core/Repaint.h"
#include "measure/Edges.h"
#include "measure/Pins.h"
#include "ui/ComposeFrame.h"
#include "ui/Fonts.h"
#include "ui/SettingsFile.h"
#include "win32/GdiLedger.h"

#include <psapi.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int WarmUps = 5;

struct ScreenSize {
    int Width;
    int Height;
};

struct Timing {
    double Median;
    double Max;
};

// Runs `operation` a few times unmeasured (first paints fault in bitmap pages), then
// `reps` times, each timed alone; returns the times. With `shown`, each timed run lasts until
// the X server has the pixels; without, only the drawing calls are timed and the upload happens
// between runs.
template <typename Operation> std::vector<double> Times(int reps, bool shown, Operation operation) {
    for (int i = 0; i < WarmUps; ++i) {
        operation();
        WaitUntilShown();
    }
    static const double ticksPerMs = Frequency() / 1000.0;
    std::vector<double> ms;
    ms.reserve(static_cast<size_t>(reps));
    for (int i = 0; i < reps; ++i) {
        LARGE_INTEGER start, stop;
        QueryPerformanceCounter(&start);
        operation();
        if (shown) WaitUntilShown();
        QueryPerformanceCounter(&stop);
        ms.push_back(static_cast<double>(stop.QuadPart - start.QuadPart) / ticksPerMs);
        if (!shown) WaitUntilShown();
    }
    return ms;
}

// The median and the maximum, so that a stray slow run shows in Max, not the median.
Timing Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    return {median, ms.back()};
}

template <typename Operation> Timing Measure(int reps, bool shown, Operation operation) {
    return Summarise(Times(reps, shown, operation));
}

// Fresh view state for a window of the given size, as start-up would leave it.
void ResetState(const ScreenSize& size) {
    ScreenWidth = ToMicro(size.Width);
    ScreenHeight = ToMicro(size.Height);
    ZoomFactor = 1;
    ViewOriginX = ViewOriginY = 0;
    Marking = false;
    MarkBox = {};
    MarkAnchorX = MarkAnchorY = CursorX = CursorY = 0;
    ColorMode = false;
    PixelGrid = false;
}

// Zoom with the view centred on the screen's centre, always within the allowed range.
void SetZoom(std::int16_t zoom) {
    ZoomFactor = zoom;
    ViewOriginX = ScreenWidth / 2 - (ScreenWidth / 2) / zoom;
    ViewOriginY = ScreenHeight / 2 - (ScreenHeight / 2) / zoom;
}

// A snapshot with detail everywhere, so that no copy can take a uniform-colour shortcut.
void FillSnapshot(const ScreenSize& size) {
    for (int y = 0; y < size.Height; y += 64)
        for (int x = 0; x < size.Width; x += 64)
            PatBlt(SnapshotDC, x, y, 64, 64, ((x ^ y) & 64) ? WHITENESS : BLACKNESS);
}

struct Row {
    ScreenSize Size;
    int Zoom;
    Timing Full, Strips, Floor;
};

void PrintTable(const char* title, const std::vector<Row>& rows) {
    std::printf("\n%s\n", title);
    std::printf("%-11s %4s  %17s  %17s  %17s  %6s\n", "size", "zoom", "full paint", "strips only",
                "floor BitBlt", "full/");
    std::printf("%-11s %4s  %8s %8s  %8s %8s  %8s %8s  %6s\n", "", "", "median", "max", "median",
                "max", "median", "max", "floor");
    for (const Row& r : rows)
        std::printf("%5dx%-5d %4d  %8.3f %8.3f  %8.3f %8.3f  %8.3f %8.3f  %6.1f\n", r.Size.Width,
                    r.Size.Height, r.Zoom, r.Full.Median, r.Full.Max, r.Strips.Median, r.Strips.Max,
                    r.Floor.Median, r.Floor.Max,
                    r.Floor.Median > 0 ? r.Full.Median / r.Floor.Median : 0.0);
    std::fflush(stdout);
}

// The platform's own share of a repaint: a window of the same size whose paint does nothing
// but BeginPaint and EndPaint, then passes the message on as the tool's window does. A
// small area is invalidated and UpdateWindow called, as a pointer move does.
LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterBareWindowClass() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"BarePaintCycle";
    RegisterClassW(&windowClass);
}

HWND CreateBareWindow(const ScreenSize& size, DWORD visible) {
    return CreateWindowExW(WS_EX_TOPMOST, L"BarePaintCycle", L"", WS_POPUP | visible, 0, 0,
                           size.Width, size.Height, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

std::vector<double> BareCycles(HWND bare, int reps) {
    const RECT strip = {20, 20, 420, 40};
    return Times(reps, false, [&] {
        InvalidateRect(bare, &strip, FALSE);
        UpdateWindow(bare);
    });
}

Timing BarePaintCycle(const ScreenSize& size, int reps) {
    HWND window = CreateBareWindow(size, WS_VISIBLE);
    UpdateWindow(window);
    PumpMessages();
    const Timing t = Summarise(BareCycles(window, reps));
    DestroyWindow(window);
    PumpMessages();
    return t;
}

struct MoveRow {
    ScreenSize Size;
    int Zoom;
    const char* State;
    Timing Move;
    Timing Cycle = {}; // the platform cycle measured in turns with the move, if it was
};

// Operations on the tool's window measured in turns with the platform cycle on a bare window
// shown over it, five runs of each at a time, so that a machine that gets busier or quieter
// during the run weighs on all alike. Each operation has a set-up, run untimed before its runs
// in every turn. Each row's cycle is that of all the turns.
struct Turn {
    const char* State;
    std::function<void()> SetUp, Operation;
};

void InTurns(HWND window, HWND bare, const ScreenSize& size, int reps,
             const std::vector<Turn>& turns, std::vector<MoveRow>* rows) {
    constexpr int Each = 5;
    std::vector<double> cycle;
    std::vector<std::vector<double>> own(turns.size());
    for (int done = 0; done < reps; done += Each) {
        SetWindowPos(bare, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        UpdateWindow(bare);
        PumpMessages();
        const std::vector<double> c = BareCycles(bare, Each);
        cycle.insert(cycle.end(), c.begin(), c.end());
        SetWindowPos(bare, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        for (std::size_t i = 0; i < turns.size(); ++i) {
            turns[i].SetUp();
            InvalidateRect(window, nullptr, FALSE);
            UpdateWindow(window);
            PumpMessages();
            const std::vector<double> t = Times(Each, false, turns[i].Operation);
            own[i].insert(own[i].end(), t.begin(), t.end());
        }
    }
    for (std::size_t i = 0; i < turns.size(); ++i)
        rows->push_back({size, 1, turns[i].State, Summarise(own[i]), Summarise(cycle)});
}

// 100 pins in a 10 x 10 grid over the whole snapshot, the lowest row's labels across the
// bottom read-out strip, so that a move redraws some of them.
void PinGrid(const ScreenSize& size) {
    const int w = size.Width / 10, h = size.Height / 10;
    for (int i = 0; i < 100; ++i) {
        const int x = i % 10 * w + 10, y = i / 10 * h + 10;
        AddPin({x, y, x + w - 40, y + h - 40});
    }
}

// A pointer move as the user makes one: WM_MOUSEMOVE sent to the window, with the repaint it
// asks for, to and fro between two neighbouring pixels near the screen's far corner. While
// marking, the box spans the screen from (100, 100) to the pointer.
void BenchMoves(HWND window, const ScreenSize& size, int reps, std::vector<MoveRow>* rows) {
    const int x = size.Width - 200, y = size.Height - 150;
    for (const std::int16_t zoom : {std::int16_t{1}, std::int16_t{2}, std::int16_t{45}}) {
        for (const char* state : {"size", "marking", "colour", "100 pins"}) {
            SetZoom(zoom);
            ColorMode = std::strcmp(state, "colour") == 0;
            Marking = std::strcmp(state, "marking") == 0;
            if (std::strcmp(state, "100 pins") == 0) PinGrid(size);
            MarkAnchorX = ToMicro(100);
            MarkAnchorY = ToMicro(100);
            InvalidateRect(window, nullptr, FALSE);
            UpdateWindow(window);
            int step = 0;
            const Timing t = Measure(reps, false, [&] {
                const int d = ++step % 2;
                SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x + d, y + d));
            });
            rows->push_back({size, zoom, state, t});
            Pins.clear();
        }
    }
    Marking = ColorMode = false;
}

// Pan steps: a right-button drag, to and fro by 5 pixels on both axes near the screen's centre,
// each step a whole-window repaint; returns the times.
std::vector<double> PanSteps(HWND window, const ScreenSize& size, std::int16_t zoom, int reps) {
    const int x = size.Width / 2, y = size.Height / 2;
    SetZoom(zoom);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
    int step = 0;
    std::vector<double> times = Times(reps, false, [&] {
        const int d = ++step % 2 * 5;
        SendMessageW(window, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(x + d, y + d));
    });
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
    return times;
}

// Whole-window repaints as the user makes them: a pan step at zoom 2 and 45, and a zoom key ('2'
// and '3' in turn, each moving the pointer as the tool does).
void BenchWholeRepaints(HWND window, const ScreenSize& size, int reps, std::vector<MoveRow>* rows) {
    const int x = size.Width / 2, y = size.Height / 2;
    for (const std::int16_t zoom : {std::int16_t{2}, std::int16_t{45}})
        rows->push_back({size, zoom, "pan step", Summarise(PanSteps(window, size, zoom, reps))});
    SetZoom(1);
    SetCursorPos(x, y);
    int step = 0;
    const Timing t = Measure(
        reps, false, [&] { SendMessageW(window, WM_CHAR, ++step % 2 ? '2' : '3', 0x00010001); });
    rows->push_back({size, 0, "zoom key", t});
    // The pointer warp that a zoom key makes, alone: the platform's share beyond the repaint.
    const Timing warp = Measure(reps, false, [&] {
        POINT pointer;
        GetCursorPos(&pointer);
        SetCursorPos(x + ++step % 2, y);
    });
    rows->push_back({size, 0, "warp", warp});
}

struct GridRow {
    ScreenSize Size;
    int Zoom;
    Timing Off, On;
};

// The pixel grid's cost: the same pan steps with the grid off and on, at zooms that show it,
// in turns of a tenth of the runs each, so that a busy machine weighs on both alike.
void BenchGrid(HWND window, const ScreenSize& size, int reps, std::vector<GridRow>* rows) {
    for (const std::int16_t zoom : {std::int16_t{6}, std::int16_t{10}, std::int16_t{45}}) {
        std::vector<double> off, on;
        for (int turn = 0; turn < 10; ++turn)
            for (const bool grid : {false, true}) {
                PixelGrid = grid;
                const std::vector<double> times = PanSteps(window, size, zoom, (reps + 9) / 10);
                std::vector<double>& into = grid ? on : off;
                into.insert(into.end(), times.begin(), times.end());
            }
        rows->push_back({size, zoom, Summarise(off), Summarise(on)});
    }
    PixelGrid = false;
}

void PrintGrid(const std::vector<GridRow>& rows) {
    std::printf("\npixel grid: pan step with the grid off and on, drawing calls only\n");
    std::printf("%-11s %4s  %17s  %17s  %6s\n", "size", "zoom", "grid off", "grid on", "on/");
    std::printf("%-11s %4s  %8s %8s  %8s %8s  %6s\n", "", "", "median", "max", "median", "max",
                "off");
    for (const GridRow& r : rows)
        std::printf("%5dx%-5d %4d  %8.3f %8.3f  %8.3f %8.3f  %6.2f\n", r.Size.Width, r.Size.Height,
                    r.Zoom, r.Off.Median, r.Off.Max, r.On.Median, r.On.Max,
                    r.Off.Median > 0 ? r.On.Median / r.Off.Median : 0.0);
    std::fflush(stdout);
}

// Edges mode at zoom 1, in the same table as the moves: a pointer move with edges off ("edges
// off") and on ("edges", runs of at most 64 pixels) on the detailed snapshot, and on a white one
// with a 100 x 100 black object in the middle ("edges blank": the cross spans the screen), these
// three in turns with the platform cycle, against which the goal is set; a move while marking
// a 1000 x 1000 box around that object ("snap 1000"); a move at the far corner of a
// whole-screen box that holds no content ("snap screen"); and Page Up and Page Down in turn
// while that box is marked ("tolerance"), each of which scans all of it again.
void BenchEdges(HWND window, HWND bare, const ScreenSize& size, int reps,
                std::vector<MoveRow>* rows) {
    auto moves = [&](const char* state, int x, int y, int d) {
        int step = 0;
        rows->push_back({size, 1, state, Measure(reps, false, [&] {
                             const int at = ++step % 2 * d;
                             SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x + at, y + at));
                         })});
    };
    // Hovering with edges off and on, on the detailed snapshot, and on the blank one.
    auto hover = [&](int x, int y) {
        return [window, x, y, step = 0]() mutable {
            const int at = ++step % 2;
            SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x + at, y + at));
        };
    };
    const int cx = size.Width / 2, cy = size.Height / 2;
    const int x = size.Width - 200, y = size.Height - 150;
    auto detailed = [&] {
        FillSnapshot(size);
        GdiFlush();
        ForgetEdgeScans(); // the same bits hold another picture now
    };
    auto blank = [&] {
        PatBlt(SnapshotDC, 0, 0, size.Width, size.Height, WHITENESS);
        PatBlt(SnapshotDC, cx - 50, cy - 50, 100, 100, BLACKNESS);
        GdiFlush();
        ForgetEdgeScans();
    };
    SetZoom(1);
    InTurns(window, bare, size, reps,
            {{"edges off", [&] { detailed(), EdgesOn = false; }, hover(x, y)},
             {"edges", [&] { detailed(), EdgesOn = true; }, hover(x, y)},
             {"edges blank", [&] { blank(), EdgesOn = true; }, hover(cx + 300, cy + 200)}},
            rows);

    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cx - 500, cy - 500));
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(cx + 499, cy + 499));
    moves("snap 1000", cx + 499, cy + 499, 1);
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(cx + 499, cy + 499));

    PatBlt(SnapshotDC, 0, 0, size.Width, size.Height, WHITENESS);
    GdiFlush();
    ForgetEdgeScans();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 0));
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(size.Width - 1, size.Height - 1));
    moves("snap screen", size.Width - 2, size.Height - 2, 1);
    int step = 0;
    rows->push_back({size, 1, "tolerance", Measure(reps, false, [&] {
                         SendMessageW(window, WM_KEYDOWN, ++step % 2 ? VK_PRIOR : VK_NEXT,
                                      0x01490001);
                     })});
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(size.Width - 2, size.Height - 2));
    EdgesOn = false;
    FillSnapshot(size);
    GdiFlush();
    ForgetEdgeScans();
}

// A line of 2000 window pixels (1600 x 1200, through the screen's centre) being drawn, at zoom 1
// and 45, in turns with the platform cycle: its end moves to and fro by one snapshot pixel on
// both axes (by 45 window pixels at zoom 45), so that every move redraws the line.
void BenchLines(HWND window, HWND bare, const ScreenSize& size, int reps,
                std::vector<MoveRow>* rows) {
    const int cx = size.Width / 2, cy = size.Height / 2;
    auto drawing = [=](std::int16_t zoom) {
        return [=] {
            SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(cx, cy));
            SetZoom(zoom);
            SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL,
                         MAKELPARAM(cx - 800, cy - 600));
            SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(cx + 800, cy + 600));
        };
    };
    auto move = [=](int d) {
        return [=, step = 0]() mutable {
            const int at = ++step % 2 * d;
            SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON,
                         MAKELPARAM(cx + 800 + at, cy + 600 + at));
        };
    };
    InTurns(window, bare, size, reps,
            {{"line 2000", drawing(1), move(1)}, {"line 2000", drawing(45), move(45)}}, rows);
    rows->back().Zoom = 45;
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(cx, cy));
    SetZoom(1);
}

// Colour mode's hover at the far corner in turns with the platform cycle: one pixel sampled
// ("colour"), and a 9 x 9 area averaged, outlined and compared with a reference ("colour 9x9").
void BenchColourChecks(HWND window, HWND bare, const ScreenSize& size, int reps,
                       std::vector<MoveRow>* rows) {
    auto hover = [window, x = size.Width - 200, y = size.Height - 150, step = 0]() mutable {
        const int at = ++step % 2;
        SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x + at, y + at));
    };
    SetZoom(1);
    ColorMode = true;
    InTurns(window, bare, size, reps,
            {{"colour", [] { SampleArea = 1, ReferenceColor = NoColor; }, hover},
             {"colour 9x9", [] { SampleArea = 9, ReferenceColor = 0xFFFFFF; }, hover}},
            rows);
    ColorMode = false;
    SampleArea = 1;
    ReferenceColor = NoColor;
}

void PrintMoves(const char* title, const std::vector<MoveRow>& rows, const std::vector<Row>& floors,
                const std::vector<Timing>& cycles) {
    std::printf("\n%s\n", title);
    std::printf("%-11s %4s %-11s  %8s %8s  %13s  %14s  %6s  %6s\n", "size", "zoom", "state",
                "median", "max", "floor median", "platform cycle", "/floor", "/cycle");
    for (const MoveRow& r : rows) {
        double floor = 0, cycle = 0;
        for (size_t i = 0; i < floors.size(); ++i)
            if (floors[i].Size.Width == r.Size.Width && floors[i].Size.Height == r.Size.Height) {
                floor = floors[i].Floor.Median;
                cycle = cycles[i / 2].Median; // two rows (zooms) per size
            }
        if (r.Cycle.Median > 0) cycle = r.Cycle.Median;
        std::printf("%5dx%-5d %4d %-11s  %8.3f %8.3f  %13.3f  %14.3f  %6.2f  %6.2f\n", r.Size.Width,
                    r.Size.Height, r.Zoom, r.State, r.Move.Median, r.Move.Max, floor, cycle,
                    floor > 0 ? r.Move.Median / floor : 0.0,
                    cycle > 0 ? r.Move.Median / cycle : 0.0);
    }
    std::fflush(stdout);
}

// The screen copy that start-up makes, timed inside it: the one copy with CAPTUREBLT.
decltype(&BitBlt) RealBitBlt = nullptr;
double ScreenCopyMs = 0;
BOOL WINAPI TimedBitBlt(HDC to, int x, int y, int cx, int cy, HDC from, int x1, int y1, DWORD rop) {
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    const BOOL done = RealBitBlt(to, x, y, cx, cy, from, x1, y1, rop);
    QueryPerformanceCounter(&stop);
    if (rop & CAPTUREBLT)
        ScreenCopyMs = static_cast<double>(stop.QuadPart - start.QuadPart) * 1000.0 / Frequency();
    return done;
}

// Start-up as the program makes it, from creating the window (the snapshot is taken inside)
// to the end of the first paint, with the wait for showing the window apart; then the
// process's memory against the two screen-sized bitmaps.
void BenchStartUp(const ScreenSize& size) {
    ResetState(size);
    static const double ticksPerMs = Frequency() / 1000.0;
    LARGE_INTEGER t0, t1, t2, t3;
    ScreenCopyMs = 0;
    Faked timedCopy("BitBlt", reinterpret_cast<void*>(&TimedBitBlt));
    RealBitBlt = reinterpret_cast<decltype(&BitBlt)>(timedCopy.Original);
    QueryPerformanceCounter(&t0);
    HWND window = CreateMainWindow();
    QueryPerformanceCounter(&t1);
    ShowWindow(window, SW_SHOW);
    QueryPerformanceCounter(&t2);
    UpdateWindow(window);
    QueryPerformanceCounter(&t3);
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    auto ms = [](LARGE_INTEGER a, LARGE_INTEGER b) {
        return static_cast<double>(b.QuadPart - a.QuadPart) / ticksPerMs;
    };
    const double mb = 1048576.0;
    std::printf("start-up %dx%d: create with snapshot %.1f ms, show %.1f ms, first paint %.1f ms;"
                " private %.1f MB, working set %.1f MB (2 x W x H x 4 = %.1f MB)\n",
                size.Width, size.Height, ms(t0, t1), ms(t1, t2), ms(t2, t3),
                static_cast<double>(memory.PagefileUsage) / mb,
                static_cast<double>(memory.WorkingSetSize) / mb,
                2.0 * size.Width * size.Height * 4 / mb);
    std::printf("  its screen copy %.1f ms; start-up %.1f ms, %.2f times the copy\n", ScreenCopyMs,
                ms(t0, t3), ScreenCopyMs > 0 ? ms(t0, t3) / ScreenCopyMs : 0.0);
    DestroyWindow(window);
    PumpMessages();
}

// A resident tool's press, from the shortcut's message to the end of the first paint, against
// the screen copy made for that press; hidden again with Escape between presses. The first
// press after the resident start is printed apart: the window's pixels are fresh memory then.
// Only at the screen's own size, which the press freezes.
void BenchResident(const ScreenSize& size, int presses) {
    if (size.Width != GetSystemMetrics(SM_CXSCREEN) ||
        size.Height != GetSystemMetrics(SM_CYSCREEN)) {
        std::printf("resident %dx%d: not the screen's size, not measured\n", size.Width,
                    size.Height);
        return;
    }
    ResetState(size);
    MainWindowHandle = CreateMainWindow();
    StartResident();
    HWND resident = FindWindowW(ResidentClassName, nullptr);
    Faked timedCopy("BitBlt", reinterpret_cast<void*>(&TimedBitBlt));
    RealBitBlt = reinterpret_cast<decltype(&BitBlt)>(timedCopy.Original);
    std::vector<double> ratios, beyond;
    for (int press = 0; press <= presses; ++press) {
        ScreenCopyMs = 0;
        LARGE_INTEGER start, stop;
        QueryPerformanceCounter(&start);
        SendMessageW(resident, WM_HOTKEY, 1, 0);
        QueryPerformanceCounter(&stop);
        const double ms =
            static_cast<double>(stop.QuadPart - start.QuadPart) * 1000.0 / Frequency();
        if (press == 0)
            std::printf(
                "resident %dx%d: first press %.1f ms, its screen copy %.1f ms, %.2f times\n",
                size.Width, size.Height, ms, ScreenCopyMs, ms / ScreenCopyMs);
        else {
            ratios.push_back(ms / ScreenCopyMs);
            beyond.push_back(ms - ScreenCopyMs);
        }
        SendMessageW(MainWindowHandle, WM_CHAR, 27, 0x00010001);
        PumpMessages();
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    const Timing ratio = Summarise(ratios);
    std::printf("  later presses: %.2f times their copy (median; max %.2f), %.1f ms beyond it;"
                " hidden: private %.1f MB\n",
                ratio.Median, ratio.Max, Summarise(beyond).Median,
                static_cast<double>(memory.PagefileUsage) / 1048576.0);
    DestroyWindow(resident);
    DestroyWindow(MainWindowHandle);
    MainWindowHandle = nullptr;
    Resident = false;
    PumpMessages();
}

// Where start-up's time goes: the platform calls it makes, each timed alone at this size (the
// first run of each, as start-up meets it, for page faults are part of the cost), and the
// first copies into a window just shown, whose pixels are fresh memory too.
void BenchStartUpParts(const ScreenSize& size) {
    static const double ticksPerMs = Frequency() / 1000.0;
    LARGE_INTEGER t[9];
    HDC screen = GetDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), size.Width, -size.Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC a = CreateCompatibleDC(screen), b = CreateCompatibleDC(screen);
    QueryPerformanceCounter(&t[0]);
    HBITMAP first = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HBITMAP second = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldA = SelectObject(a, first), oldB = SelectObject(b, second);
    QueryPerformanceCounter(&t[1]);
    BitBlt(a, 0, 0, size.Width, size.Height, screen, 0, 0, SRCCOPY | CAPTUREBLT);
    QueryPerformanceCounter(&t[2]);
    BitBlt(b, 0, 0, size.Width, size.Height, a, 0, 0, SRCCOPY);
    QueryPerformanceCounter(&t[3]);
    SelectFonts(screen);
    QueryPerformanceCounter(&t[4]);
    BitBlt(b, 0, 0, size.Width, size.Height, a, 0, 0, SRCCOPY);
    QueryPerformanceCounter(&t[5]);
    HWND window =
        CreateWindowExW(WS_EX_TOPMOST, L"BarePaintCycle", L"", WS_POPUP, 0, 0, size.Width,
                        size.Height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    QueryPerformanceCounter(&t[6]);
    ShowWindow(window, SW_SHOW);
    HDC windowDC = GetDC(window);
    QueryPerformanceCounter(&t[7]);
    BitBlt(windowDC, 0, 0, size.Width, size.Height, a, 0, 0, SRCCOPY);
    QueryPerformanceCounter(&t[8]);
    LARGE_INTEGER again[2];
    BitBlt(windowDC, 0, 0, size.Width, size.Height, b, 0, 0, SRCCOPY);
    QueryPerformanceCounter(&again[0]);
    BitBlt(windowDC, 0, 0, size.Width, size.Height, a, 0, 0, SRCCOPY);
    QueryPerformanceCounter(&again[1]);
    auto ms = [&](int i) {
        return static_cast<double>(t[i + 1].QuadPart - t[i].QuadPart) / ticksPerMs;
    };
    std::printf("  apart: two DIB sections %.1f ms, screen to snapshot %.1f ms, first memory "
                "copy %.1f ms (again %.1f ms), fonts %.1f ms; a window shown %.1f ms, the first "
                "copy into it %.1f ms (again %.1f ms)\n",
                ms(0), ms(1), ms(2), ms(4), ms(3), ms(6), ms(7),
                static_cast<double>(again[1].QuadPart - again[0].QuadPart) / ticksPerMs);
    ReleaseDC(window, windowDC);
    DestroyWindow(window);
    PumpMessages();
    for (HFONT* font : {&UsageFont, &TitleFont, &HeadingFont, &FooterFont}) {
        DeleteObject(*font);
        *font = nullptr;
    }
    SelectObject(a, oldA);
    SelectObject(b, oldB);
    DeleteObject(first);
    DeleteObject(second);
    DeleteDC(a);
    DeleteDC(b);
    ReleaseDC(nullptr, screen);
}

// Measures one window size at both zooms, once for the drawing calls alone and
// once until the X server has the result.
bool BenchSize(const ScreenSize& size, int reps, std::vector<Row>* drawn, std::vector<Row>* shown,
               std::vector<MoveRow>* moves, std::vector<MoveRow>* wholes,
               std::vector<Timing>* cycles, std::vector<GridRow>* grids) {
    ResetState(size);
    HWND window = CreateMainWindow();
    if (window == nullptr) {
        std::printf("%dx%d: the window could not be created\n", size.Width, size.Height);
        return false;
    }
    MainWindowHandle = window;
    FillSnapshot(size);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    PumpMessages();

    RECT client;
    GetClientRect(window, &client);
    if (client.right != size.Width || client.bottom != size.Height)
        std::printf("  note: client area is %ldx%ld, not %dx%d\n", client.right, client.bottom,
                    size.Width, size.Height);

    // The floor: the same copy a paint ends with, from an equally sized memory bitmap.
    HDC windowDC = GetDC(window);
    HDC memoryDC = CreateCompatibleDC(windowDC);
    HBITMAP memoryBitmap = CreateCompatibleBitmap(windowDC, size.Width, size.Height);
    HGDIOBJ oldBitmap = SelectObject(memoryDC, memoryBitmap);
    BitBlt(memoryDC, 0, 0, size.Width, size.Height, SnapshotDC, 0, 0, SRCCOPY);

    for (const bool untilShown : {false, true}) {
        for (const std::int16_t zoom : {std::int16_t{1}, std::int16_t{45}}) {
            SetZoom(zoom);
            Row row{size, zoom, {}, {}, {}};
            row.Full = Measure(reps, untilShown, [&] {
                InvalidateRect(window, nullptr, FALSE);
                UpdateWindow(window);
            });
            row.Strips = Measure(reps, untilShown, [&] {
                InvalidateReadoutStrips(window);
                RepaintFrame(window);
            });
            row.Floor = Measure(reps, untilShown, [&] {
                BitBlt(windowDC, 0, 0, size.Width, size.Height, memoryDC, 0, 0, SRCCOPY);
            });
            (untilShown ? shown : drawn)->push_back(row);
        }
    }
    BenchMoves(window, size, reps, moves);
    BenchWholeRepaints(window, size, reps, wholes);
    HWND bare = CreateBareWindow(size, 0);
    BenchEdges(window, bare, size, reps, moves);
    BenchLines(window, bare, size, reps, moves);
    BenchColourChecks(window, bare, size, reps, moves);
    DestroyWindow(bare);
    BenchGrid(window, size, reps, grids);
    cycles->push_back(BarePaintCycle(size, reps));

    SelectObject(memoryDC, oldBitmap);
    DeleteObject(memoryBitmap);
    DeleteDC(memoryDC);
    ReleaseDC(window, windowDC);
    DestroyWindow(window);
    MainWindowHandle = nullptr;
    PumpMessages();
    return true;
}

bool ParseSize(const char* text, ScreenSize* size) {
    char* end = nullptr;
    const long width = std::strtol(text, &end, 10);
    if (end == text || (*end != 'x' && *end != 'X')) return false;
    const char* rest = end + 1;
    const long height = std::strtol(rest, &end, 10);
    if (end == rest || *end != 0 || width < 1 || height < 1 || width > 32767 || height > 32767)
        return false;
    *size = {static_cast<int>(width), static_cast<int>(height)};
    return true;
}

// Reading the settings file at start, as LoadSettings does it: the first call, as start-up
// meets it, then the median and maximum of `reps`, with a file of every kept setting (at its
// default, so that the figures after it are not changed) and with none. The file stands in a
// folder of the benchmark's own.
void BenchSettings(int reps) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tarvok-bench-settings";
    const std::wstring path = folder + L"\\settings.ini";
    CreateDirectoryW(folder.c_str(), nullptr);
    SetEnvironmentVariableW(L"TARVOK_SETTINGS_DIR", folder.c_str());
    const char text[] =
        "; Tarvok\r\n[Tarvok]\r\nColorFormat=hex\r\nSampleArea=1\r\nSizeCursor=1\r\n"
        "ColorCursor=1\r\nGrid=off\r\nEdges=off\r\nTolerance=8\r\n"
        "Shortcut=Win+Alt+M\r\n";
    for (const bool present : {true, false}) {
        if (present) {
            HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            DWORD written = 0;
            WriteFile(file, text, sizeof text - 1, &written, nullptr);
            CloseHandle(file);
        } else {
            DeleteFileW(path.c_str());
        }
        static const double ticksPerMs = Frequency() / 1000.0;
        LARGE_INTEGER start, stop;
        QueryPerformanceCounter(&start);
        LoadSettings();
        QueryPerformanceCounter(&stop);
        const double first = static_cast<double>(stop.QuadPart - start.QuadPart) / ticksPerMs;
        const Timing timing = Measure(reps, false, [] { LoadSettings(); });
        std::printf("settings read at start, %s: first %.3f ms, then median %.3f ms, max %.3f ms\n",
                    present ? "with a file" : "with none", first, timing.Median, timing.Max);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

// An unoptimised build's figures say nothing of the product's: with a build directory whose
// release flags had been emptied, a pan step at zoom 2 measured twice its real cost.
#ifndef __OPTIMIZE__
#error "paint_bench measures the product: build it optimised (the windows preset's Release)"
#endif

int main(int argc, char** argv) {
    int reps = 100;
    bool startUpOnly = false;
    std::vector<ScreenSize> sizes;
    for (int i = 1; i < argc; ++i) {
        ScreenSize size;
        if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc) {
            reps = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--start-up") == 0) {
            startUpOnly = true;
        } else if (ParseSize(argv[i], &size)) {
            sizes.push_back(size);
        } else {
            std::fprintf(stderr, "usage: paint_bench [--reps N] [--start-up] [WIDTHxHEIGHT ...]\n");
            return 2;
        }
    }
    if (sizes.empty()) sizes = {{1920, 1080}, {3840, 2160}};

    AppInstance = GetModuleHandleW(nullptr);
    if (!RegisterMainWindowClass()) {
        std::fprintf(stderr, "the window class could not be registered\n");
        return 1;
    }
    RegisterBareWindowClass();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::printf("screen %dx%d, %d runs per figure after %d warm-ups, ms per operation\n",
                screenWidth, screenHeight, reps, WarmUps);
    for (const ScreenSize& size : sizes)
        if (size.Width > screenWidth || size.Height > screenHeight)
            std::printf("  note: %dx%d is larger than the screen; copies to it are clipped to the "
                        "screen, so its figures are too low\n",
                        size.Width, size.Height);
    const Timing idle = Measure(reps, true, [] {});
    std::printf("waiting for the screen with nothing drawn: median %.3f ms, max %.3f ms\n",
                idle.Median, idle.Max);
    BenchSettings(reps);
    for (const ScreenSize& size : sizes) {
        BenchStartUp(size);
        BenchStartUpParts(size);
        BenchResident(size, 10);
    }
    if (startUpOnly) return 0;
    std::vector<Row> drawn, shown;
    std::vector<MoveRow> moves, wholes;
    std::vector<Timing> cycles;
    std::vector<GridRow> grids;
    bool allMade = true;
    for (const ScreenSize& size : sizes)
        allMade =
            BenchSize(size, reps, &drawn, &shown, &moves, &wholes, &cycles, &grids) && allMade;
    PrintTable("drawing calls only (Wine sends the pixels to X afterwards)", drawn);
    PrintTable("until shown (drawing, upload to X, one round trip to the X server)", shown);
    PrintMoves("pointer move, drawing calls only (WM_MOUSEMOVE and its repaint)", moves, drawn,
               cycles);
    PrintMoves(
        "whole-window repaints, drawing calls only (zoom 0: the zoom key, 2 and 3 in turn, and its "
        "pointer warp alone)",
        wholes, drawn, cycles);
    PrintGrid(grids);
    return allMade ? 0 : 1;
}
