#include "core/Surfaces.h"

#include "core/Handles.h"

namespace {

HBITMAP CreateSurface(HDC screen, int width, int height, PixelRows& pixels) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) pixels = {static_cast<std::uint32_t*>(bits), width, height};
    return bitmap;
}

} // namespace

bool CreateSurfaces(HDC screen, int width, int height) {
    FrameDC = CreateCompatibleDC(screen);
    FrameBitmap = CreateSurface(screen, width, height, FramePixels);
    FrameOldBitmap = SelectObject(FrameDC, FrameBitmap);
    SnapshotDC = CreateCompatibleDC(screen);
    SnapshotBitmap = CreateSurface(screen, width, height, SnapshotPixels);
    SnapshotOldBitmap = SelectObject(SnapshotDC, SnapshotBitmap);
    if (FrameDC && FrameBitmap && SnapshotDC && SnapshotBitmap) return true;
    ReleaseSurfaces();
    return false;
}

void ReleaseSurfaces() {
    SelectObject(FrameDC, FrameOldBitmap);
    DeleteObject(FrameBitmap);
    DeleteDC(FrameDC);
    SelectObject(SnapshotDC, SnapshotOldBitmap);
    DeleteObject(SnapshotBitmap);
    DeleteDC(SnapshotDC);
    FrameDC = SnapshotDC = nullptr;
    FrameBitmap = SnapshotBitmap = nullptr;
    FrameOldBitmap = SnapshotOldBitmap = nullptr;
    FramePixels = SnapshotPixels = {};
}
