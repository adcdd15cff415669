// The four fonts under Wine: which enumerated entry makes them, their fields, their deletion.
// Run in a prefix without a family named Arial, and with TARVOK_TEST_ARIAL set in one with it.
#include "ui/Fonts.h"
#include "core/Handles.h"
#include "win32/GdiLedger.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Every field of a font description, the face as text, for comparing and printing.
auto Fields(const LOGFONTW& f) {
    return std::tuple(f.lfHeight, f.lfWidth, f.lfWeight, f.lfEscapement, f.lfOrientation,
                      f.lfItalic, f.lfUnderline, f.lfStrikeOut, f.lfCharSet, f.lfOutPrecision,
                      f.lfClipPrecision, f.lfQuality, f.lfPitchAndFamily,
                      std::wstring(f.lfFaceName));
}

// Each of the four fonts is the entry's description with only height, width and weight set.
void ExpectFontsMadeFrom(const LOGFONTW& entry) {
    const struct {
        HFONT Font;
        LONG Height;
        LONG Weight;
    } expected[] = {{UsageFont, 16, entry.lfWeight},
                    {TitleFont, 32, 700},
                    {HeadingFont, 22, 400},
                    {FooterFont, 14, 400}};
    for (const auto& e : expected) {
        LOGFONTW want = entry;
        want.lfHeight = e.Height;
        want.lfWidth = 0;
        want.lfWeight = e.Weight;
        LOGFONTW made = {};
        ASSERT_EQ(GetObjectW(e.Font, sizeof made, &made), static_cast<int>(sizeof made));
        EXPECT_EQ(Fields(made), Fields(want));
    }
}

void ExpectNoFonts() {
    for (HFONT font : {UsageFont, TitleFont, HeadingFont, FooterFont})
        EXPECT_EQ(font, nullptr);
}

ENUMLOGFONTEXW Entry(const wchar_t* fullName, const wchar_t* script, LONG weight) {
    ENUMLOGFONTEXW entry = {};
    LOGFONTW& f = entry.elfLogFont;
    f = {20,
         9,
         900,
         900,
         weight,
         TRUE,
         TRUE,
         FALSE,
         RUSSIAN_CHARSET,
         OUT_TT_PRECIS,
         CLIP_LH_ANGLES,
         ANTIALIASED_QUALITY,
         VARIABLE_PITCH | FF_SWISS,
         L"Arial"};
    wcscpy(entry.elfFullName, fullName);
    wcscpy(entry.elfStyle, L"Western"); // a style that reads like the script must not count
    wcscpy(entry.elfScript, script);
    return entry;
}

TEST(FontFamilyCallback, MakesTheFontsFromTheFirstArialWesternEntryAndEndsThere) {
    const struct {
        const char* What;
        std::vector<ENUMLOGFONTEXW> Entries;
        int Match; // index of the entry the fonts come from, -1 for none
    } cases[] = {
        {"Western among other scripts",
         {Entry(L"Arial", L"Cyrillic", 301), Entry(L"Arial", L"Central European", 302),
          Entry(L"Arial", L"Western", 303), Entry(L"Arial", L"Greek", 304)},
         2},
        {"Western first", {Entry(L"Arial", L"Western", 305), Entry(L"Arial", L"Baltic", 306)}, 0},
        {"Western twice", {Entry(L"Arial", L"Western", 307), Entry(L"Arial", L"Western", 308)}, 0},
        {"case, spacing and other families",
         {Entry(L"arial", L"Western", 309), Entry(L"Arial", L"WESTERN", 310),
          Entry(L"Arial ", L"Western", 311), Entry(L"Arial", L"Western ", 312),
          Entry(L"Liberation Sans", L"Western", 313), Entry(L"Arial", L"Westlich", 314)},
         -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        int offered = 0;
        int result = 1;
        for (const ENUMLOGFONTEXW& entry : c.Entries) {
            const NEWTEXTMETRICEXW metrics = {};
            ++offered;
            result = FontFamilyCallback(&entry, &metrics, TRUETYPE_FONTTYPE, 0);
            if (result == 0) break;
        }
        if (c.Match < 0) {
            EXPECT_EQ(result, 1);
            EXPECT_EQ(offered, static_cast<int>(c.Entries.size()));
            ExpectNoFonts();
            continue;
        }
        EXPECT_EQ(result, 0);
        EXPECT_EQ(offered, c.Match + 1) << "the first match ends the enumeration";
        ExpectFontsMadeFrom(c.Entries[static_cast<size_t>(c.Match)].elfLogFont);
        for (HFONT* font : {&UsageFont, &TitleFont, &HeadingFont, &FooterFont}) {
            DeleteObject(*font);
            *font = nullptr;
        }
    }
}

TEST(Fonts, WindowCreationMakesOneSetFromTheScreensArialWesternOrNoneAndDestructionDeletesIt) {
    const bool arial = std::getenv("TARVOK_TEST_ARIAL") != nullptr;
    int scripts = 0;
    const std::optional<LOGFONTW> western = ScreenArialWestern(&scripts);
    ASSERT_EQ(western.has_value(), arial) << "this prefix's fonts are not the ones the run wants";
    if (arial) {
        ASSERT_GT(scripts, 1) << "Arial is offered in several scripts";
    }
    GdiLedger ledger;
    HWND window = StartMainWindow();
    if (arial)
        ExpectFontsMadeFrom(*western);
    else
        ExpectNoFonts();
    EXPECT_EQ(ledger.Made, arial ? 16 : 12)
        << "two contexts, two bitmaps, a pen, seven cursors and four fonts";
    const HFONT fonts[] = {UsageFont, TitleFont, HeadingFont, FooterFont};
    DestroyWindow(window);
    PumpMessages();
    EXPECT_TRUE(ledger.Live.empty()) << ledger.Live.size() << " objects left";
    for (HFONT font : fonts)
        EXPECT_EQ(GetObjectType(font), 0u);
}

} // namespace
