#include "ui/Cursors.h"

#include "core/AppState.h"
#include "core/Handles.h"
#include "ui/CursorCycle.h"

namespace {

constexpr int CursorCount = LastColorCursorId - FirstSizeCursorId + 1;
HCURSOR Loaded[CursorCount] = {};

HCURSOR* Slot(std::uint16_t id) {
    const int i = id - FirstSizeCursorId;
    return i >= 0 && i < CursorCount ? &Loaded[i] : nullptr;
}

// The cursor size at the frozen monitor's DPI (Windows 10 1607 on), else the system's: the
// system DPI would pick a stretched small image on a scaled monitor beside an unscaled one.
int CursorSize() {
    using MetricsForDpiCall = int(WINAPI*)(int, UINT);
    const auto metricsForDpi = reinterpret_cast<MetricsForDpiCall>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    const int size =
        metricsForDpi != nullptr ? metricsForDpi(SM_CXCURSOR, static_cast<UINT>(ScreenDpi)) : 0;
    return size > 0 ? size : GetSystemMetrics(SM_CXCURSOR);
}

} // namespace

HCURSOR LoadedCursor(std::uint16_t id) {
    HCURSOR* slot = Slot(id);
    return slot != nullptr ? *slot : nullptr;
}

void LoadCursors() {
    const int size = CursorSize();
    for (std::uint16_t id = FirstSizeCursorId; id <= LastColorCursorId; ++id) {
        // Not shared: the platform would keep the first size loaded for the module's lifetime.
        *Slot(id) = static_cast<HCURSOR>(
            LoadImageW(AppInstance, MAKEINTRESOURCEW(id), IMAGE_CURSOR, size, size, 0));
    }
}

void SetModeCursor() {
    SetCursor(LoadedCursor(ModeCursorId()));
}

void CycleCursor() {
    StepModeCursorId();
    SetModeCursor();
}

void ReleaseCursors() {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW)); // the image shown is not destroyed in use
    for (HCURSOR& cursor : Loaded) {
        if (cursor != nullptr) DestroyCursor(cursor);
        cursor = nullptr;
    }
}
