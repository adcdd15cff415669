#include "ui/FrameGeometry.h"
#include "core/ReadoutPlace.h"
#include "ui/HelpLayout.h"
#include "unit/StateFixture.h"
#include "view/ShownPixel.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(ReadoutStrips, TopStripFirstThenBottom) {
    const auto strips = ReadoutStrips(ToMicro(600));
    EXPECT_EQ(strips[0], (PixelRect{20, 20, 420, 40}));
    EXPECT_EQ(strips[1], (PixelRect{20, 570, 420, 590}));
    EXPECT_EQ(ReadoutStrips(ToMicro(600), 399)[0], (PixelRect{20, 20, 420, 40}))
        << "never narrower";
    EXPECT_EQ(ReadoutStrips(ToMicro(600), 442)[1], (PixelRect{20, 570, 462, 590}));
}

TEST(ReadoutTop, MovesToTheTopOnlyNearTheBottomLeft) {
    const MicroCoord h = ToMicro(600);
    EXPECT_EQ(ReadoutTop(ToMicro(449), ToMicro(561), h), 20);
    EXPECT_EQ(ReadoutTop(ToMicro(0), ToMicro(599), h), 20);
    EXPECT_EQ(ReadoutTop(ToMicro(450), ToMicro(561), h), 570);
    EXPECT_EQ(ReadoutTop(ToMicro(0), ToMicro(560), h), 570);
    EXPECT_EQ(ReadoutTop(ToMicro(100), ToMicro(100), h), 570);
    EXPECT_EQ(ReadoutTop(449'499'999, ToMicro(561), h), 20) << "rounds to 449";
    EXPECT_EQ(ReadoutTop(449'500'000, ToMicro(561), h), 570) << "rounds to 450";
}

TEST(PlanStretch, EachSnapshotPixelCoversZoomWindowPixelsAtTheTrueOrigin) {
    // 800 x 600 unless given: origin, zoom, where source pixel SourceX lands, how many are drawn.
    const struct {
        MicroCoord Origin;
        int Zoom;
        std::int64_t SourceX, DestX, SourceWidth, Screen;
    } cases[] = {
        {391'111'112, 45, 391, -5, 18, 800},      // columns -5..39 show 391
        {293'333'334, 45, 293, -15, 14, 600},     // rows -15..29 show 293
        {666'666'667, 6, 666, -4, 134, 800},      // columns -4..1 show 666
        {266'333'334, 3, 266, -1, 267, 800},      // columns -1..1 show 266
        {ToMicro(600), 4, 600, 0, 200, 800},      // whole cells from column 0
        {1'024'500'000, 4, 1024, -2, 342, 1366},  // at the right limit, the last column drawn
        {3'754'666'667, 45, 3754, -30, 86, 3840}, // the same at 4K and zoom 45
    };
    for (const auto& c : cases) {
        const MicroCoord screen = ToMicro(c.Screen);
        const StretchPlan plan = PlanStretch(c.Origin, 0, screen, screen, c.Zoom);
        EXPECT_EQ(plan.SourceX, c.SourceX) << c.Origin;
        EXPECT_EQ(plan.DestX, c.DestX) << c.Origin;
        EXPECT_EQ(plan.SourceWidth, c.SourceWidth) << c.Origin;
        EXPECT_LE(plan.SourceX + plan.SourceWidth, c.Screen) << "never past the snapshot";
        EXPECT_GE(plan.DestX + plan.SourceWidth * c.Zoom, c.Screen) << "the window covered";
    }
}

// The box's outline: the cells of the pixels it covers.
PixelRect SnapOutline(const MicroBox& box, MicroCoord originX, MicroCoord originY, int zoom) {
    return CellsOf(CoveredPixels(box, originX, originY, zoom), originX, originY, zoom);
}

TEST(SnapOutline, SnapsOutwardToTheMagnifiedGrid) {
    const MicroBox box{ToMicro(5), ToMicro(2), ToMicro(11), ToMicro(9)};
    EXPECT_EQ(SnapOutline(box, 0, 0, 4), (PixelRect{4, 0, 12, 12}));
    EXPECT_EQ(SnapOutline(box, 0, 0, 1), (PixelRect{5, 2, 11, 9}));
    const MicroBox exact{ToMicro(8), ToMicro(8), ToMicro(12), ToMicro(12)};
    EXPECT_EQ(SnapOutline(exact, 0, 0, 4), (PixelRect{8, 8, 12, 12}));
    // At a fractional origin the cells start where the picture's do: columns 2-4 show 267.
    EXPECT_EQ(SnapOutline(PixelBox(3, 0, 4, 1), 266'333'334, 0, 3), (PixelRect{2, 0, 5, 3}));
}

TEST(SnapOutline, NegativeEdgesStillSnapOutward) {
    const MicroBox past{ToMicro(-6), ToMicro(-3), ToMicro(-1), ToMicro(2)};
    EXPECT_EQ(SnapOutline(past, 0, 0, 4), (PixelRect{-8, -4, 0, 4}));
    EXPECT_EQ(SnapOutline(past, 0, 0, 1), (PixelRect{-6, -3, -1, 2}));
}

} // namespace

#include "ui/FrameChanges.h"

#include <algorithm>
#include <tuple>

namespace {

TEST(FrameChanges, AllWhenZoomedGapsAndDecorationsWhenMovedElseChangedOutlinesAndTexts) {
    const StretchPlan view = PlanStretch(0, 0, ToMicro(800), ToMicro(600), 1);
    const StretchPlan zoomed =
        PlanStretch(ToMicro(200), ToMicro(150), ToMicro(800), ToMicro(600), 2);
    const PixelRect box{10, 20, 31, 26}, bottom{20, 570, 120, 586}, top{20, 20, 150, 36};
    const FrameLayout last{true, view, true, box, bottom, {L'A'}};
    const std::vector<PixelRect> whole{{0, 0, 800, 600}}, none;
    const std::vector<PixelRect> outline{
        {10, 20, 11, 26}, {30, 20, 31, 26}, {10, 20, 31, 21}, {10, 25, 31, 26}};
    const struct {
        const char* Name;
        FrameLayout Next;
        std::vector<PixelRect> Changes;
    } cases[] = {
        {"the same frame", last, none},
        {"zoomed", {true, zoomed, true, box, bottom, {L'A'}}, whole},
        {"small outline gone, as one rectangle", {true, view, false, box, bottom, {L'A'}}, {box}},
        {"text changed", {true, view, true, box, bottom, {L'B'}}, {bottom, bottom}},
        {"text moved", {true, view, true, box, top, {L'A'}}, {bottom, top}},
        // Three columns on: the picture moves 3 px left, the last column is a gap, and every
        // decoration is drawn again, the last frame's where the move took it.
        {"moved",
         {true,
          PlanStretch(ToMicro(3), 0, ToMicro(800), ToMicro(600), 1),
          true,
          box,
          bottom,
          {L'A'}},
         {{797, 0, 800, 600},
          {7, 20, 8, 26},
          {27, 20, 28, 26},
          {7, 20, 28, 21},
          {7, 25, 28, 26},
          {17, 570, 117, 586},
          outline[0],
          outline[1],
          outline[2],
          outline[3],
          bottom}},
    };
    EXPECT_EQ(FrameChanges(FrameLayout{}, last, 800, 600), whole) << "nothing composed yet";
    const PixelRect large{10, 20, 60, 60}; // 50 x 40: its lines alone
    EXPECT_EQ(FrameChanges({true, view, true, large, bottom, {L'A'}},
                           {true, view, false, large, bottom, {L'A'}}, 800, 600),
              (std::vector<PixelRect>{
                  {10, 20, 11, 60}, {59, 20, 60, 60}, {10, 20, 60, 21}, {10, 59, 60, 60}}));
    for (const auto& c : cases)
        EXPECT_EQ(FrameChanges(last, c.Next, 800, 600), c.Changes) << c.Name;
}

TEST(PictureAreas, ChangesLessTheNextOutlinesLinesWhichAChangeMayReach) {
    const StretchPlan view = PlanStretch(0, 0, ToMicro(800), ToMicro(600), 1);
    const PixelRect box{10, 20, 31, 26}, cell{20, 570, 120, 586};
    const std::vector<PixelRect> around{{0, 0, 40, 30}, cell};
    const struct {
        const char* Name;
        bool HasOutline;
        PixelRect Outline;
        std::vector<PixelRect> Changes, Areas;
    } cases[] = {
        {"no outline", false, box, around, around},
        {"around the outline",
         true,
         box,
         around,
         {{0, 0, 40, 20},
          {0, 26, 40, 30},
          {0, 20, 10, 26},
          {11, 21, 30, 25},
          {31, 20, 40, 26},
          cell}},
        {"on its left line", true, box, {{10, 20, 11, 26}, {10, 19, 11, 26}}, {{10, 19, 11, 20}}},
        {"one pixel wide", true, {10, 20, 11, 26}, around, around},
        {"one pixel high", true, {10, 20, 31, 21}, around, around},
    };
    auto sorted = [](std::vector<PixelRect> rects) {
        std::sort(rects.begin(), rects.end(), [](const PixelRect& a, const PixelRect& b) {
            return std::tie(a.Top, a.Left, a.Bottom, a.Right) <
                   std::tie(b.Top, b.Left, b.Bottom, b.Right);
        });
        return rects;
    };
    for (const auto& c : cases) {
        const FrameLayout next{true, view, c.HasOutline, c.Outline, cell, {L'A'}};
        EXPECT_EQ(sorted(PictureAreas(c.Changes, next)), sorted(c.Areas)) << c.Name;
    }
    EXPECT_FALSE(ReachesOutline({{11, 21, 30, 25}, cell}, box)) << "inside, clear of the lines";
    EXPECT_TRUE(ReachesOutline({{11, 21, 30, 26}}, box)) << "onto the bottom line";
    EXPECT_TRUE(ReachesOutline({{30, 0, 31, 21}}, box)) << "onto the right line";
}

// The help panel, 160 x 100 with its button at 100, 80 - 140, 95, fitted with a 7 px margin.
TEST(FitHelpPanel, GrowsWithTheButtonAtItsCornerAndPushesOverlappedTextsAndACoveredButtonDown) {
    const auto edges = [](const PanelRect& r) {
        return std::tuple(r.Left, r.Top, r.Right, r.Bottom);
    };
    // A text 40 px past the edge: 47 px wider, the button kept 20 px from the right.
    const PanelFit wide = FitHelpPanel({{10, 10, 200, 20}}, {100, 80, 140, 95}, 160, 100, 7);
    EXPECT_EQ(edges(wide.Button), std::tuple(147, 80, 187, 95));
    EXPECT_EQ(std::pair(wide.Width, wide.Height), std::pair(207, 100));
    // Overlaps pushed down; a text under the button sends it below the texts, and the panel
    // grows to keep the 5 px under it.
    const PanelFit tall = FitHelpPanel({{10, 10, 100, 30}, {10, 25, 100, 45}, {10, 70, 130, 90}},
                                       {100, 80, 140, 95}, 160, 100, 7);
    EXPECT_EQ(edges(tall.Texts[1]), std::tuple(10, 30, 100, 50));
    EXPECT_EQ(edges(tall.Button), std::tuple(100, 97, 140, 112));
    EXPECT_EQ(std::pair(tall.Width, tall.Height), std::pair(160, 117));
    // Side by side, texts stay where they are.
    const PanelFit columns =
        FitHelpPanel({{10, 10, 50, 20}, {60, 10, 100, 20}}, {100, 80, 140, 95}, 160, 100, 7);
    EXPECT_EQ(edges(columns.Texts[1]), std::tuple(60, 10, 100, 20));
    // Texts that reach lower beside the button take it down with the bottom edge.
    const PanelFit longer = FitHelpPanel({{10, 90, 60, 110}}, {100, 80, 140, 95}, 160, 100, 7);
    EXPECT_EQ(edges(longer.Button), std::tuple(100, 97, 140, 112));
    EXPECT_EQ(std::pair(longer.Width, longer.Height), std::pair(160, 117));
}

// A title, two headed columns with an indented line, a foot line and one beside the button,
// reserving 70 px; at 96 DPI, at 192, and with the last hidden.
TEST(PlaceHelpTexts, ColumnsSideBySideBetweenTopAndFootWithTheLineBesideTheButtonCut) {
    using enum HelpPlace;
    std::vector<HelpItem> items = {
        {Top, 10, 0, 60, 32},   {Keys, 8, 0, 100, 22}, {Mouse, 8, 0, 90, 22},
        {Keys, 8, 0, 200, 16},  {Keys, 4, 0, 150, 16}, {Mouse, 8, 0, 120, 16},
        {Mouse, 4, 40, 50, 16}, {Foot, 24, 0, 80, 14}, {FootBesideButton, 4, 0, 500, 14},
    };
    const auto edges = [](const std::vector<PanelRect>& rects) {
        std::vector<std::tuple<int, int, int, int>> out;
        for (const PanelRect& r : rects)
            out.emplace_back(r.Left, r.Top, r.Right, r.Bottom);
        return out;
    };
    using Edges = std::vector<std::tuple<int, int, int, int>>;
    EXPECT_EQ(edges(PlaceHelpTexts(items, 96, 70)), (Edges{{15, 10, 75, 42},
                                                           {15, 50, 115, 72},
                                                           {245, 50, 335, 72},
                                                           {15, 80, 215, 96},
                                                           {15, 100, 165, 116},
                                                           {245, 80, 365, 96},
                                                           {285, 100, 335, 116},
                                                           {15, 140, 95, 154},
                                                           {15, 158, 295, 172}}));
    EXPECT_EQ(edges(PlaceHelpTexts(items, 192, 70)), (Edges{{30, 20, 90, 52},
                                                            {30, 68, 130, 90},
                                                            {290, 68, 380, 90},
                                                            {30, 106, 230, 122},
                                                            {30, 130, 180, 146},
                                                            {290, 106, 410, 122},
                                                            {370, 130, 420, 146},
                                                            {30, 194, 110, 208},
                                                            {30, 216, 350, 230}}));
    items.back().Width = items.back().Height = 0;
    EXPECT_EQ(edges(PlaceHelpTexts(items, 96, 70)).back(), std::tuple(15, 154, 15, 154));
}

} // namespace
