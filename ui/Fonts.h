// The tool's four fonts: one family (Arial, Western script) in four sizes, made once while
// the main window is created and deleted when it is destroyed.
#pragma once

#include <windows.h>

extern HFONT UsageFont;   // 16 px, the family's own weight: the help screen's usage lines
extern HFONT TitleFont;   // 32 px, bold: its title
extern HFONT HeadingFont; // 22 px: its two headings
extern HFONT FooterFont;  // 14 px: its notice and contact lines

// Enumerates the screen's font families in every script; the first "Arial (Western)" entry
// makes all four fonts. Without one they stay null, and the help panel uses its own face.
void SelectFonts(HDC screen);

// The enumeration's callback: makes the fonts from a matching entry and ends the enumeration
// (returns 0); otherwise asks for the next entry (returns 1).
int CALLBACK FontFamilyCallback(const ENUMLOGFONTEXW* entry, const NEWTEXTMETRICEXW* metrics,
                                DWORD fontType, LPARAM value);
