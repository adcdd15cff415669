// The seven cursor resources as the platform loads them: one 32 x 32 monochrome image each, with
// the pixels and hotspot of the crosshair and eyedropper drawings.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// A pixel by its effect on the screen, from its (AND, XOR) bits: 10, 11, 00, 01.
constexpr char Clear = '.', Invert = '~', Black = '#', White = 'o';

bool In(int v, int low, int high) {
    return v >= low && v <= high;
}

char Hollow(int x, int y, char edge) {
    const bool columns = (x == 14 || x == 16) && (In(y, 0, 13) || In(y, 17, 30));
    const bool rows = (y == 14 || y == 16) && (In(x, 0, 14) || In(x, 16, 30));
    return columns || rows ? edge : Clear;
}

char Dashed(int x, int y) {
    const int along = x == 9 && In(y, 0, 18) ? y : y == 9 && In(x, 0, 18) ? x : 9;
    if (along == 9) return Clear;
    return std::min(along, 18 - along) / 3 == 1 ? White : Black; // 3 black, 3 white, 3 black
}

// The eyedropper in columns 9-25 of rows 5-21: outline 'x', inner 'i'.
const char* const Dropper[] = {
    ".............xxx.", "............xixix", "...........xixixx", "........xxxixixxx",
    "........xxxxixxx.", ".........xxxxxx..", "........xixxxx...", ".......xiiixxx...",
    "......xiiix.xx...", ".....xiiix.......", "....xiiix........", "...xiiix.........",
    "..xiiix..........", ".xiiix...........", ".xiix............", "xixx.............",
    "xx...............",
};

char DropperPixel(int x, int y, char outline, char inner) {
    if (!In(x, 9, 25) || !In(y, 5, 21)) return Clear;
    const char c = Dropper[y - 5][x - 9];
    return c == 'x' ? outline : c == 'i' ? inner : Clear;
}

// The cursor's picture, row by row: the mask bitmap holds the AND mask in rows 0-31 and the XOR
// mask in rows 32-63.
std::string LoadedDrawing(HBITMAP masks) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info = {};
    info.header = {sizeof(BITMAPINFOHEADER), 32, -64, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
    BYTE bits[64][4] = {};
    HDC screen = GetDC(nullptr);
    const int read =
        GetDIBits(screen, masks, 0, 64, bits, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::string out = read == 64 ? "" : "GetDIBits failed\n";
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int andBit = bits[y][x / 8] >> (7 - x % 8) & 1;
            const int xorBit = bits[y + 32][x / 8] >> (7 - x % 8) & 1;
            out += "#o.~"[andBit * 2 + xorBit];
        }
        out += '\n';
    }
    return out;
}

TEST(CursorImageTest, EachCursorIsOneMonochromeImageWithItsPixelsAndHotspot) {
    const struct {
        WORD id;
        DWORD hotspotX, hotspotY;
        char (*pixel)(int x, int y);
    } cases[] = {
        // Column 8 and row 8, without the centre where they cross.
        {101, 8, 8,
         [](int x, int y) {
             return (x == 8 && In(y, 0, 16)) != (y == 8 && In(x, 0, 16)) ? Invert : Clear;
         }},
        {102, 15, 15, [](int x, int y) { return Hollow(x, y, Invert); }},
        {103, 15, 15,
         [](int x, int y) {
             return (x == 15 && In(y, 0, 30)) || (y == 15 && In(x, 0, 30)) ? Black
                                                                           : Hollow(x, y, White);
         }},
        {104, 9, 9, Dashed},
        {105, 10, 20, [](int x, int y) { return DropperPixel(x, y, Invert, Clear); }},
        {106, 10, 20, [](int x, int y) { return DropperPixel(x, y, Black, White); }},
        {107, 10, 20,
         [](int x, int y) { return x == 24 && y == 6 ? White : DropperPixel(x, y, White, Black); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(c.id));
        ASSERT_NE(cursor, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, c.hotspotX);
        EXPECT_EQ(info.yHotspot, c.hotspotY);
        EXPECT_EQ(info.hbmColor, nullptr); // monochrome: both masks in hbmMask
        BITMAP masks = {};
        GetObjectW(info.hbmMask, sizeof masks, &masks);
        EXPECT_EQ(masks.bmWidth, 32);
        EXPECT_EQ(masks.bmHeight, 64);
        std::string expected;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x)
                expected += c.pixel(x, y);
            expected += '\n';
        }
        EXPECT_EQ(LoadedDrawing(info.hbmMask), expected);
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
}

} // namespace
