// Fitting the help panel around its texts: where each text and the Close button stand, and how
// large the panel's client area must be, from the positions and sizes the panel measured.
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

// Texts keep their places unless the text above reaches into one, which then moves down just
// clear of it. The panel grows to hold all with `margin` to spare; it never shrinks. The button
// keeps its distance from the bottom right corner, and moves below the texts if one would run
// under it.
PanelFit FitHelpPanel(std::vector<PanelRect> texts, PanelRect button, int width, int height,
                      int margin);
