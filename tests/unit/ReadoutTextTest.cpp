#include "measure/ReadoutText.h"
#include "measure/MarkBox.h"
#include "unit/StateFixture.h"
#include "view/Pan.h"

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
    EXPECT_EQ(SizeText(box), L"X: 102, Y: 55    Size: 6 X 2");
}

TEST_F(ReadoutTextTest, OnePixelBoxIsOneByOneAtEveryZoom) {
    for (int z : {1, 2, 3, 4, 6, 10, 20, 30, 45}) {
        ZoomFactor = static_cast<std::int16_t>(z);
        const std::wstring text = SizeText(PixelBox(7, 9, 8, 10));
        EXPECT_EQ(text.substr(text.find(L"Size")), L"Size: 1 X 1") << z;
    }
}

TEST_F(ReadoutTextTest, NamesThePixelShownUnderTheBoxAndCountsTheCoveredOnes) {
    // zoom, view origin, box corners in window pixels, the text
    const struct {
        std::int16_t Zoom;
        MicroCoord OriginX, OriginY;
        int X1, Y1, X2, Y2;
        const wchar_t* Text;
    } cases[] = {
        {4, 0, 0, 8, 8, 11, 11, L"X: 2, Y: 2    Size: 1 X 1"}, // inside one magnified cell
        {2, 0, 0, 201, 200, 201, 200, L"X: 100, Y: 100    Size: 1 X 1"},
        {2, 0, 0, 15, 7, 15, 7, L"X: 7, Y: 3    Size: 1 X 1"}, // right half of a cell
        {45, 391'111'112, 293'333'334, 400, 300, 444, 329, L"X: 400, Y: 300    Size: 1 X 1"},
        {45, 391'111'112, 293'333'334, 39, 29, 40, 30, L"X: 391, Y: 293    Size: 2 X 2"},
        {6, 666'666'667, ToMicro(500), 794, 594, 799, 599, L"X: 799, Y: 599    Size: 1 X 1"},
        {6, 666'666'667, ToMicro(500), 1, 0, 2, 5, L"X: 666, Y: 500    Size: 2 X 1"},
        {3, 266'666'667, ToMicro(200), 300, 300, 330, 318, L"X: 366, Y: 300    Size: 11 X 7"},
    };
    for (const auto& c : cases) {
        ZoomFactor = c.Zoom;
        ViewOriginX = c.OriginX;
        ViewOriginY = c.OriginY;
        EXPECT_EQ(
            SizeText(BoxFromCorners(ToMicro(c.X1), ToMicro(c.Y1), ToMicro(c.X2), ToMicro(c.Y2))),
            c.Text);
    }
}

TEST_F(ReadoutTextTest, ABoxKeepsItsTextWhileThePictureIsDraggedUnderIt) {
    ZoomFactor = 3;
    ViewOriginX = 266'666'667;
    ViewOriginY = ToMicro(200);
    StartMarking(ToMicro(300), ToMicro(300));
    MarkBox = BoxFromCorners(MarkAnchorX, MarkAnchorY, ToMicro(330), ToMicro(318));
    StartPan(ToMicro(400), ToMicro(300));
    for (int step = 1; step <= 9; ++step) {
        PanTo(ToMicro(400 - 2 * step), ToMicro(300));
        EXPECT_EQ(SizeText(MarkBox), L"X: 366, Y: 300    Size: 11 X 7") << step;
    }
    EXPECT_EQ(ViewOriginX, 272'666'667) << "the view did move";
}

TEST_F(ReadoutTextTest, NegativeCoordinatesPrintWithMinusAndNameThePixelHoldingThem) {
    EXPECT_EQ(PositionText(MicroBox{-1'700'000, -3'000'000, 0, 0}), L"X: -2, Y: -3");
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
    ColorTextFormat = ColorFormat::Hsl; // the line quotes the chosen format, as a copy takes it
    PickedColor = 0x00112D94;
    EXPECT_EQ(ColorText(PixelBox(404, 301, 405, 302)),
              L"X: 404, Y: 301    R: 148, G: 45, B: 17    Color: hsl(13, 79%, 32%)");
    EXPECT_EQ(std::wstring(ColorWebText), L"hsl(13, 79%, 32%)");
}

TEST_F(ReadoutTextTest, ColorTextNamesTheAreaAndEndsWithTheContrastInWebForm) {
    PickedColor = 0x8E8E8E;
    ReferenceColor = 0xFFFFFF;
    SampleArea = 3;
    ColorTextFormat = ColorFormat::Rgb;
    EXPECT_EQ(ColorText(PixelBox(151, 350, 152, 351)),
              L"X: 151, Y: 350    Average: 3 X 3    R: 142, G: 142, B: 142    Color: rgb(142, 142, "
              L"142)    Contrast with #FFFFFF: 3.27 AA large");
    EXPECT_EQ(std::wstring(ColorWebText), L"rgb(142, 142, 142)") << "a copy takes the colour alone";
}

TEST_F(ReadoutTextTest, NoPixelSampledShowsThePositionAloneAndLeavesNoWebText) {
    PickedColor = 0x00336699;
    ColorText(PixelBox(0, 0, 1, 1));
    PickedColor = 0xFFFFFFFF; // a failed read, or a point off the snapshot: never white
    EXPECT_EQ(ColorText(PixelBox(0, 0, 1, 1)), L"X: 0, Y: 0");
    EXPECT_EQ(std::wstring(ColorWebText), L"");
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
    EXPECT_EQ(text, L"X: -9223372036855, Y: -9223372036855    R: 255, G: 255, B: 255    "
                    L"Color: #FFFFFF");
}

TEST_F(ReadoutTextTest, LineTextGivesLengthAndAngleInHundredths) {
    const struct {
        int Dpi;
        PixelLine Line;
        const wchar_t* Text;
    } cases[] = {
        {96,
         {{100, 100}, {400, 500}},
         L"X: 100, Y: 100    Length: 500.00    dX: 300, dY: 400    Angle: -53.13\u00B0"},
        {96,
         {{600, 100}, {540, 100}},
         L"X: 600, Y: 100    Length: 60.00    dX: -60, dY: 0    Angle: 180.00\u00B0"},
        {96,
         {{10, 10}, {10, 10}},
         L"X: 10, Y: 10    Length: 0.00    dX: 0, dY: 0    Angle: 0.00\u00B0"},
        {96,
         {{0, 0}, {1, 1}},
         L"X: 0, Y: 0    Length: 1.41    dX: 1, dY: 1    Angle: -45.00\u00B0"},
        {96,
         {{50, 50}, {53, 40}},
         L"X: 50, Y: 50    Length: 10.44    dX: 3, dY: -10    Angle: 73.30\u00B0"},
        // -179.997 rounds to -180, which reads 180; -0.003 reads 0, unsigned
        {96,
         {{20000, 0}, {0, 1}},
         L"X: 20000, Y: 0    Length: 20000.00    dX: -20000, dY: 1    Angle: 180.00\u00B0"},
        {96,
         {{0, 0}, {20000, 1}},
         L"X: 0, Y: 0    Length: 20000.00    dX: 20000, dY: 1    Angle: 0.00\u00B0"},
        {144,
         {{100, 100}, {400, 500}},
         L"X: 100, Y: 100    Length: 500.00 (333.33 at 150 %)    dX: 300, dY: 400    Angle: "
         L"-53.13\u00B0"},
        // 100 x 96 / 256 = 37.5 hundredths: the half goes up
        {256,
         {{0, 0}, {0, -1}},
         L"X: 0, Y: 0    Length: 1.00 (0.38 at 267 %)    dX: 0, dY: -1    Angle: 90.00\u00B0"},
    };
    for (const auto& c : cases) {
        ScreenDpi = c.Dpi;
        wchar_t text[ReadoutTextLength];
        FormatLineText(c.Line, text);
        EXPECT_EQ(std::wstring(text), c.Text);
    }
}

} // namespace
