#include "ui/HelpLayout.h"

#include <algorithm>

namespace {

void MoveTo(PanelRect& r, int left, int top) {
    r.Right += left - r.Left;
    r.Bottom += top - r.Top;
    r.Left = left;
    r.Top = top;
}

bool Overlap(const PanelRect& a, const PanelRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

} // namespace

PanelFit FitHelpPanel(std::vector<PanelRect> texts, PanelRect button, int width, int height,
                      int margin) {
    std::vector<PanelRect*> downwards;
    for (PanelRect& text : texts)
        downwards.push_back(&text);
    std::stable_sort(downwards.begin(), downwards.end(),
                     [](const PanelRect* a, const PanelRect* b) { return a->Top < b->Top; });
    int reached = 0;
    int right = 0;
    for (PanelRect* text : downwards) {
        if (text->Top < reached) MoveTo(*text, text->Left, reached);
        reached = std::max(reached, text->Bottom);
        right = std::max(right, text->Right);
    }
    const int grownWidth = std::max(width, right + margin);
    const int grownHeight = std::max(height, reached + margin);
    const int belowButton = height - button.Bottom;
    // The button keeps its distance from the bottom right corner as the panel grows.
    MoveTo(button, button.Left + grownWidth - width, button.Top + grownHeight - height);
    const PanelRect keepClear = {button.Left - margin, button.Top - margin, button.Right + margin,
                                 button.Bottom + margin};
    const bool covered = std::any_of(texts.begin(), texts.end(), [&](const PanelRect& text) {
        return Overlap(text, keepClear);
    });
    if (!covered) return {texts, button, grownWidth, grownHeight};
    MoveTo(button, button.Left, reached + margin);
    return {texts, button, grownWidth, std::max(grownHeight, button.Bottom + belowButton)};
}
