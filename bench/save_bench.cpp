// Ctrl+S against the PNG codec alone on the same pixels: the key (WM_KEYDOWN 'S' and WM_CHAR
// 19 sent to the window, until the read-out's "Saved:" is on the screen) and EncodePng of the
// back buffer, in turns; then the save's other parts, each alone. Run under Wine on a virtual
// screen at least as large as the size measured. Prints milliseconds.
//
//   save_bench.exe [--reps N] [--noise] [WIDTHxHEIGHT]   (default: 10 turns at 3840x2160)
#include "app/MainWindow.h"
#include "bench/BenchWindow.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "core/PictureFile.h"
#include "core/PixelRows.h"
#include "core/PngCodec.h"
#include "measure/Clipboard.h"
#include "measure/ReadoutText.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double NowMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / Frequency();
}

template <typename Operation> double TimeMs(Operation operation) {
    const double start = NowMs();
    operation();
    return NowMs() - start;
}

double Median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    return n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
}

void Print(const char* what, const std::vector<double>& ms) {
    std::printf("  %-34s median %8.1f  min %8.1f  max %8.1f\n", what, Median(ms),
                *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()));
}

// A snapshot that the codec cannot shrink to nothing: each pixel's colour from its place, as
// the tests' desktop pattern, with smooth runs and sharp steps; with `noise`, the low bits of
// each channel scrambled as well, as in a photograph.
void FillSnapshot(bool noise) {
    for (std::int64_t y = 0; y < SnapshotPixels.Height; ++y)
        for (std::int64_t x = 0; x < SnapshotPixels.Width; ++x)
            SnapshotPixels.Bits[y * SnapshotPixels.Width + x] = static_cast<std::uint32_t>(
                (x & 0xFF) << 16 | (y & 0xFF) << 8 | ((x >> 8) * 16 + (y >> 8) * 64) % 256);
    std::uint32_t state = 1;
    if (noise)
        for (std::int64_t i = 0; i < SnapshotPixels.Width * SnapshotPixels.Height; ++i) {
            state = state * 1664525u + 1013904223u;
            SnapshotPixels.Bits[i] ^= (state >> 8) & 0x070707;
        }
}

// Removes what the saves wrote.
void EmptyFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    while (FindNextFileW(search, &found));
    FindClose(search);
}

} // namespace

#ifndef __OPTIMIZE__
#error "save_bench measures the product: build it optimised (the windows preset's Release)"
#endif

int main(int argc, char** argv) {
    int reps = 10, width = 3840, height = 2160;
    bool noise = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--noise")
            noise = true;
        else if (std::string(argv[i]) == "--reps" && i + 1 < argc)
            reps = std::max(1, std::atoi(argv[++i]));
        else if (std::sscanf(argv[i], "%dx%d", &width, &height) != 2) {
            std::fprintf(stderr, "usage: save_bench [--reps N] [--noise] [WIDTHxHEIGHT]\n");
            return 2;
        }
    }
    // The saves go to a folder of the benchmark's own, emptied after each.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring pictures = std::wstring(temp) + L"tarvok-save-bench";
    CreateDirectoryW(pictures.c_str(), nullptr);
    SetEnvironmentVariableW(L"TARVOK_PICTURES_FOLDER", pictures.c_str());

    AppInstance = GetModuleHandleW(nullptr);
    ScreenWidth = ToMicro(width);
    ScreenHeight = ToMicro(height);
    if (!RegisterMainWindowClass()) return 1;
    HWND window = CreateMainWindow();
    if (window == nullptr) {
        std::printf("%dx%d: the window could not be created\n", width, height);
        return 1;
    }
    MainWindowHandle = window;
    FillSnapshot(noise);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    WaitUntilShown();
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(width / 2, height / 2));
    WaitUntilShown();

    std::printf("%dx%d, %d turns, ms\n", width, height, reps);
    std::vector<double> keys, codec, ratios, file, clipboard, paste;
    std::vector<std::uint8_t> png;
    for (int i = 0; i <= reps; ++i) { // the first turn warms up, untimed
        const double key = TimeMs([&] {
            SendMessageW(window, WM_KEYDOWN, 'S', 0x001F0001);
            SendMessageW(window, WM_CHAR, 19, 0x001F0001);
            WaitUntilShown();
        });
        if (ReadoutNotice.rfind(L"Saved: ", 0) != 0) {
            std::printf("the save failed: %ls\n", ReadoutNotice.c_str());
            return 1;
        }
        EmptyFolder(pictures + L"\\Tarvok");
        const double alone = TimeMs([&] { EncodePng(FramePixels, png); });
        if (i == 0) continue;
        keys.push_back(key);
        codec.push_back(alone);
        ratios.push_back(key / alone);
    }
    for (int i = 0; i < reps; ++i) {
        std::wstring name;
        const LocalTime time = {2026, 12, 8, 16, 32, 5};
        file.push_back(TimeMs([&] { SaveNewPicture(png, time, name); }));
        clipboard.push_back(TimeMs([&] { CopyPictureToClipboard(window, png); }));
        paste.push_back(TimeMs([&] {
            OpenClipboard(nullptr);
            GetClipboardData(CF_DIB);
            CloseClipboard();
        }));
        EmptyFolder(pictures + L"\\Tarvok");
    }
    Print("Ctrl+S to \"Saved:\" shown", keys);
    Print("codec alone (EncodePng)", codec);
    std::printf("  %-34s median %8.2f  min %8.2f  max %8.2f\n", "key / codec, turn by turn",
                Median(ratios), *std::min_element(ratios.begin(), ratios.end()),
                *std::max_element(ratios.begin(), ratios.end()));
    std::printf("  the save's other parts, alone (PNG of %zu bytes):\n", png.size());
    Print("file: temporary, flushed, renamed", file);
    Print("clipboard: both formats offered", clipboard);
    Print("a paste's CF_DIB, made on request", paste);
    DestroyWindow(window);
    PumpMessages();
    RemoveDirectoryW((pictures + L"\\Tarvok").c_str());
    RemoveDirectoryW(pictures.c_str());
    return 0;
}
