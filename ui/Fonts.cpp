#include "ui/Fonts.h"

#include "ui/FontFamilyName.h"

HFONT UsageFont = nullptr;
HFONT TitleFont = nullptr;
HFONT HeadingFont = nullptr;
HFONT FooterFont = nullptr;

int CALLBACK FontFamilyCallback(const ENUMLOGFONTEXW* entry, const NEWTEXTMETRICEXW*, DWORD,
                                LPARAM) {
    LOGFONTW font = entry->elfLogFont;
    if (!IsWantedFontFamily(entry->elfFullName, entry->elfScript)) return 1;
    // Each size changes only height and weight; face, script, slant and the rest stay the
    // enumerated ones, and width 0 keeps the face's own aspect.
    font.lfHeight = 16;
    font.lfWidth = 0;
    UsageFont = CreateFontIndirectW(&font);
    font.lfHeight = 32;
    font.lfWeight = FW_BOLD;
    TitleFont = CreateFontIndirectW(&font);
    font.lfHeight = 22;
    font.lfWeight = FW_NORMAL;
    HeadingFont = CreateFontIndirectW(&font);
    font.lfHeight = 14;
    FooterFont = CreateFontIndirectW(&font);
    return 0;
}

void SelectFonts(HDC screen) {
    LOGFONTW request = {}; // every family, in every script it supports
    request.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen, &request, reinterpret_cast<FONTENUMPROCW>(FontFamilyCallback), 0,
                        0);
}
