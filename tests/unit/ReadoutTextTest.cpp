#include "measure/ReadoutText.h"
#include "unit/StateFixture.h"

#include <string>

namespace {

using ReadoutTextTest = FreshState;

std::wstring SizeText(const MicroBox& box) {
    wchar_t text[ReadoutTextLength];
    const int n = FormatSizeText(&box, text);
    EXPECT_EQ(static_cast<size_t>(n), std::wstring(text).size());
    return text;
}

std::wstring PositionText(const MicroBox& box) {
    wchar_t text[ReadoutTextLength];
    const int n = FormatPositionText(&box, text);
    EXPECT_EQ(static_cast<size_t>(n), std::wstring(text).size());
    return text;
}

std::wstring ColorText(const MicroBox& box) {
    wchar_t text[ReadoutTextLength];
    const int n = FormatColorText(&box, text);
    EXPECT_EQ(static_cast<size_t>(n), std::wstring(text).size());
    return text;
}

TEST_F(ReadoutTextTest, SizeTextCountsFirstAndLastPixelAtZoomOneAndFour) {
    const MicroBox box{10'000'000, 20'000'000, 31'000'000, 26'000'000};
    EXPECT_EQ(SizeText(box), L"X: 10, Y: 20    Size: 21 X 6");
    ZoomFactor = 4;
    ViewOriginX = 100'000'000;
    ViewOriginY = 50'000'000;
    EXPECT_EQ(SizeText(box), L"X: 103, Y: 55    Size: 6 X 2");
}

TEST_F(ReadoutTextTest, OnePixelBoxIsOneByOneAtEveryZoom) {
    for (int z : {1, 2, 3, 4, 6, 10, 20, 30, 45}) {
        ZoomFactor = static_cast<std::int16_t>(z);
        const std::wstring text = SizeText(PixelBox(7, 9, 8, 10));
        EXPECT_EQ(text.substr(text.find(L"Size")), L"Size: 1 X 1") << z;
    }
}

TEST_F(ReadoutTextTest, BoxOverOneMagnifiedPixelReadsTwoWide) {
    ZoomFactor = 4;
    EXPECT_EQ(SizeText(PixelBox(8, 0, 12, 1)), L"X: 2, Y: 0    Size: 2 X 1");
}

TEST_F(ReadoutTextTest, PositionDividesBeforeRounding) {
    ZoomFactor = 2;
    EXPECT_EQ(PositionText(PixelBox(15, 7, 16, 8)), L"X: 8, Y: 4");
}

TEST_F(ReadoutTextTest, NegativeCoordinatesPrintWithMinusAndTruncate) {
    EXPECT_EQ(PositionText(MicroBox{-1'700'000, -3'000'000, 0, 0}), L"X: -1, Y: -3");
    ZoomFactor = 3;
    EXPECT_EQ(SizeText(PixelBox(-30, -9, -2, 1)), L"X: -10, Y: -3    Size: 10 X 4");
}

TEST_F(ReadoutTextTest, ColorTextWritesWebTextFirstInUpperCase) {
    PickedColor = 0x00336699; // red 153, green 102, blue 51
    EXPECT_EQ(ColorText(PixelBox(4, 5, 5, 6)),
              L"X: 4, Y: 5    R: 153, G: 102, B: 51    Color: #996633");
    EXPECT_EQ(std::wstring(ColorWebText), L"#996633");
    PickedColor = 0x00EFCDAB;
    ColorText(PixelBox(0, 0, 1, 1));
    EXPECT_EQ(std::wstring(ColorWebText), L"#ABCDEF");
    PickedColor = 0x00050A0F;
    ColorText(PixelBox(0, 0, 1, 1));
    EXPECT_EQ(std::wstring(ColorWebText), L"#0F0A05") << "leading zeros kept";
}

TEST_F(ReadoutTextTest, FailedPixelReadShowsWhite) {
    PickedColor = 0xFFFFFFFF;
    EXPECT_EQ(ColorText(PixelBox(0, 0, 1, 1)),
              L"X: 0, Y: 0    R: 255, G: 255, B: 255    Color: #FFFFFF");
}

TEST_F(ReadoutTextTest, ScaledDisplaysAddTheFiguresInScaledUnits) {
    const struct {
        int Dpi;
        MicroBox Box;
        const wchar_t *Size, *Position;
    } cases[] = {
        {144, PixelBox(300, 201, 841, 561),
         L"X: 300, Y: 201    Size: 541 X 360    (361 X 240 at 150 %)",
         L"X: 300, Y: 201    (200, 134 at 150 %)"},
        {120, PixelBox(300, 201, 841, 561),
         L"X: 300, Y: 201    Size: 541 X 360    (433 X 288 at 125 %)",
         L"X: 300, Y: 201    (240, 161 at 125 %)"},
        {192, PixelBox(3, -3, 6, 0), L"X: 3, Y: -3    Size: 3 X 3    (2 X 2 at 200 %)",
         L"X: 3, Y: -3    (2, -2 at 200 %)"}, // halves away from zero
        {96, PixelBox(3, -3, 6, 0), L"X: 3, Y: -3    Size: 3 X 3", L"X: 3, Y: -3"},
    };
    PickedColor = 0x00336699;
    for (const auto& c : cases) {
        ScreenDpi = c.Dpi;
        EXPECT_EQ(SizeText(c.Box), c.Size) << c.Dpi;
        EXPECT_EQ(PositionText(c.Box), c.Position) << c.Dpi;
        EXPECT_EQ(ColorText(c.Box).find(L"("), std::wstring::npos) << "colour text unchanged";
    }
}

TEST_F(ReadoutTextTest, FarNegativeCoordinatesPrintInFull) {
    const MicroCoord far = INT64_MIN + 1;
    PickedColor = 0x00FFFFFF;
    const std::wstring text = ColorText(MicroBox{far, far, 0, 0});
    EXPECT_EQ(text, L"X: -9223372036854, Y: -9223372036854    R: 255, G: 255, B: 255    "
                    L"Color: #FFFFFF");
}

} // namespace
