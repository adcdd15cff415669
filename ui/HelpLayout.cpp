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

int Scaled(int value, int dpi) {
    return (value * dpi + 48) / 96;
}

} // namespace

std::vector<PanelRect> PlaceHelpTexts(const std::vector<HelpItem>& items, int dpi, int reserve) {
    const int margin = Scaled(15, dpi);
    int keysWidth = 0;
    for (const HelpItem& item : items)
        if (item.Place == HelpPlace::Keys)
            keysWidth = std::max(keysWidth, Scaled(item.Indent, dpi) + item.Width);
    const int mouseLeft = margin + keysWidth + Scaled(30, dpi);
    // The bottom of the last text in each place; a place starts below those before it.
    enum { Top, Keys, Mouse, Foot, Places };
    int bottom[Places] = {};
    bool begun[Places] = {};
    std::vector<PanelRect> placed;
    for (const HelpItem& item : items) {
        const int at = item.Place == HelpPlace::Top     ? Top
                       : item.Place == HelpPlace::Keys  ? Keys
                       : item.Place == HelpPlace::Mouse ? Mouse
                                                        : Foot;
        if (!begun[at]) {
            begun[at] = true;
            bottom[at] = at == Foot  ? std::max({bottom[Top], bottom[Keys], bottom[Mouse]})
                         : at == Top ? 0
                                     : bottom[Top];
        }
        const bool shown = item.Width > 0 || item.Height > 0;
        const int left = (at == Mouse ? mouseLeft : margin) + Scaled(item.Indent, dpi);
        const int top = bottom[at] + (shown ? Scaled(item.Above, dpi) : 0);
        placed.push_back({left, top, left + item.Width, top + item.Height});
        bottom[at] = top + item.Height;
    }
    int right = 0;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].Place != HelpPlace::FootBesideButton) right = std::max(right, placed[i].Right);
    for (size_t i = 0; i < items.size(); ++i) {
        PanelRect& r = placed[i];
        if (items[i].Place == HelpPlace::FootBesideButton)
            r.Right = std::max(r.Left, std::min(r.Right, right - reserve));
    }
    return placed;
}

PanelFit FitHelpPanel(std::vector<PanelRect> texts, PanelRect button, int width, int height,
                      int margin) {
    std::vector<PanelRect*> downwards;
    for (PanelRect& text : texts)
        downwards.push_back(&text);
    std::stable_sort(downwards.begin(), downwards.end(),
                     [](const PanelRect* a, const PanelRect* b) { return a->Top < b->Top; });
    int reached = 0;
    int right = 0;
    for (size_t i = 0; i < downwards.size(); ++i) {
        PanelRect& text = *downwards[i];
        for (size_t above = 0; above < i; ++above)
            if (Overlap(text, *downwards[above])) MoveTo(text, text.Left, downwards[above]->Bottom);
        reached = std::max(reached, text.Bottom);
        right = std::max(right, text.Right);
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
