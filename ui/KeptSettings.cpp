#include "ui/KeptSettings.h"

#include "core/AppState.h"
#include "core/PlainText.h"
#include "measure/Edges.h"
#include "ui/CursorCycle.h"

#include <algorithm>

namespace {

constexpr std::string_view FormatNames[] = {"hex", "rgb", "hsl", "oklch"}; // ColorFormat's order
constexpr int SampleAreas[] = {1, 3, 5, 9};
// The resident mode reads the shortcut; here it is only text, and a line of it is no shortcut.
constexpr std::size_t MaxShortcutLength = 64;

// A number in decimal digits alone; none for anything else.
std::optional<int> Number(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<bool> OnOff(std::string_view text) {
    if (SameLetters(text, "on")) return true;
    if (SameLetters(text, "off")) return false;
    return std::nullopt;
}

std::string OnOffText(bool on) {
    return on ? "on" : "off";
}

// A cursor id as its place in its set, counted from 1; the first before any is chosen.
std::string Place(std::uint16_t id, std::uint16_t first) {
    return std::to_string(id < first ? 1 : id - first + 1);
}

// The id at place `text` of the set first..last, or `id` when the text names no place.
std::uint16_t IdAt(std::string_view text, std::uint16_t first, std::uint16_t last,
                   std::uint16_t id) {
    const std::optional<int> place = Number(text);
    return place && *place >= 1 && *place <= last - first + 1
               ? static_cast<std::uint16_t>(first + *place - 1)
               : id;
}

bool IsShortcutText(std::string_view text) {
    return text.size() <= MaxShortcutLength &&
           std::none_of(text.begin(), text.end(), [](char c) { return c >= 0 && c < ' '; });
}

struct Kept {
    const char* Name;
    std::string (*Get)();
    void (*Set)(std::string_view value); // not for a value that is not allowed
};

const Kept Table[] = {
    {"ColorFormat", [] { return std::string(FormatNames[static_cast<int>(ColorTextFormat)]); },
     [](std::string_view value) {
         for (std::size_t i = 0; i < std::size(FormatNames); ++i)
             if (SameLetters(value, FormatNames[i])) ColorTextFormat = static_cast<ColorFormat>(i);
     }},
    {"SampleArea", [] { return std::to_string(SampleArea); },
     [](std::string_view value) {
         const std::optional<int> side = Number(value);
         if (side && std::ranges::count(SampleAreas, *side)) SampleArea = *side;
     }},
    {"SizeCursor", [] { return Place(SizeCursorId, FirstSizeCursorId); },
     [](std::string_view value) {
         SizeCursorId = IdAt(value, FirstSizeCursorId, LastSizeCursorId, SizeCursorId);
     }},
    {"ColorCursor", [] { return Place(ColorCursorId, FirstColorCursorId); },
     [](std::string_view value) {
         ColorCursorId = IdAt(value, FirstColorCursorId, LastColorCursorId, ColorCursorId);
     }},
    {"Grid", [] { return OnOffText(PixelGrid); },
     [](std::string_view value) { PixelGrid = OnOff(value).value_or(PixelGrid); }},
    {"Edges", [] { return OnOffText(EdgesOn); },
     [](std::string_view value) { EdgesOn = OnOff(value).value_or(EdgesOn); }},
    {"Tolerance", [] { return std::to_string(EdgeTolerance); },
     [](std::string_view value) {
         const std::optional<int> tolerance = Number(value);
         if (tolerance && IsTolerance(*tolerance)) EdgeTolerance = *tolerance;
     }},
    {"Shortcut", [] { return Utf8FromWide(ShortcutText); },
     [](std::string_view value) {
         if (IsShortcutText(value)) ShortcutText = WideFromUtf8(value);
     }},
};

} // namespace

SettingValues KeptSettings() {
    SettingValues values;
    for (const Kept& kept : Table)
        values.emplace_back(kept.Name, kept.Get());
    return values;
}

void ApplySettings(const SettingsText& text) {
    for (const Kept& kept : Table)
        if (const auto value = SettingValue(text, KeptSection, kept.Name); value && !value->empty())
            kept.Set(*value);
}
