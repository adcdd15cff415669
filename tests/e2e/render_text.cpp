// Draws a text as the tool's read-out line is drawn (the system font of a new memory context,
// black on opaque white) and writes it as a binary PPM, so that end-to-end tests can tell
// which text a screenshot shows.
//
//   render_text.exe TEXT OUTPUT.ppm
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const std::wstring text = argv[1];
    HDC dc = CreateCompatibleDC(nullptr);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
    if (bits == nullptr) {
        std::fprintf(stderr, "no bitmap for a %ld x %ld text (error %lu)\n", size.cx, size.cy,
                     GetLastError());
        return 3;
    }
    FILE* out = _wfopen(argv[2], L"wb");
    if (out == nullptr) {
        std::fprintf(stderr, "cannot write %ls (errno %d, error %lu)\n", argv[2], errno,
                     GetLastError());
        return 1;
    }
    std::fprintf(out, "P6\n%ld %ld\n255\n", size.cx, size.cy);
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (long i = 0; i < size.cx * size.cy; ++i) {
        const DWORD p = pixels[i];
        const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16),
                                      static_cast<unsigned char>(p >> 8),
                                      static_cast<unsigned char>(p)};
        std::fwrite(rgb, 1, 3, out);
    }
    std::fclose(out);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return 0;
}
