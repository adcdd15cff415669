// Laying out the help panel: where each text goes in two columns (keys | mouse) between a top
// and a foot, where the Close button stands, and how large the panel's client area must be,
// from the sizes the panel measured.
#pragma once

#include <vector>

struct PanelRect {
    int Left;
    int Top;
    int Right; // exclusive, as are Bottom and the sizes below
    int Bottom;
};

struct PanelFit {
    std::vector<PanelRect> Texts; // in the order given
    PanelRect Button;
    int Width; // of the client area
    int Height;
};

// Where a text goes: across the top, in the keys' column, in the mouse's column beside it, or
// across the foot; a foot line beside the button is cut short to leave the button room.
enum class HelpPlace { Top, Keys, Mouse, Foot, FootBesideButton };

struct HelpItem {
    HelpPlace Place;
    int Above;  // space between the text above it in its place and its top, at 96 DPI
    int Indent; // from its column's left edge, at 96 DPI
    int Width;  // as measured at the panel's scale; 0 by 0 for a text not shown
    int Height;
};

// The texts' places at `dpi`, in the order given, each below the one before it in its place
// (an item's place must not come back after a later place began). The columns start below the
// top, 15 px (at 96 DPI) from the left, the mouse's 30 px right of the widest key text; the
// foot starts below the longer column. A line beside the button ends `reserve` px left of the
// other texts' right edge, or sooner where its text does.
std::vector<PanelRect> PlaceHelpTexts(const std::vector<HelpItem>& items, int dpi, int reserve);

// Texts keep their places unless a text above reaches into one, which then moves down just
// clear of it. The panel grows to hold all with `margin` to spare; it never shrinks. The button
// keeps its distance from the bottom right corner, and moves below the texts if one would run
// under it.
PanelFit FitHelpPanel(std::vector<PanelRect> texts, PanelRect button, int width, int height,
                      int margin);
