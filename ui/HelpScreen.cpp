#include "ui/HelpScreen.h"

#include "core/Dpi.h"
#include "core/Handles.h"
#include "res/ResourceIds.h"
#include "ui/Cursors.h"
#include "ui/Fonts.h"

#include <cwchar>

PanelFit HelpPanelFit = {};

namespace {

// The panel's fonts at its DPI, made as it opens from the tool's four (null where those are).
enum PanelFontIndex { Title, Heading, Usage, Footer, PanelFontCount };
HFONT PanelFonts[PanelFontCount] = {};

struct HelpText {
    int SelectFirst; // the font to select before this text, or -1 to keep the current one
    int X;
    int Y;
    const wchar_t* Text;
};

// In painting order, grouped by font; pixel positions in the panel's client area at 96 DPI.
const HelpText HelpTexts[] = {
    {Title, 15, 10, L"Tarvok"},
    {Heading, 15, 50, L"Keyboard usage"},
    {-1, 15, 290, L"Mouse usage"},
    {Usage, 15, 80, L"1-9 - Zoom around the cursor (keypad: with NumLock on)"},
    {-1, 15, 100, L"Arrows - Move by one pixel (Shift: ten)"},
    {-1, 15, 120, L"Enter - Change the cursor images"},
    {-1, 15, 140, L"Space - Toggle between size mode and color mode"},
    {-1, 15, 160, L"Ctrl+C - Copy the read-out"},
    {-1, 15, 180, L"E - Edges: spacing around the pointer, boxes snap"},
    {-1, 15, 200, L"Page Up/Down - Edge tolerance"},
    {-1, 15, 220, L"F - Next colour format (in color mode)"},
    {-1, 15, 240, L"G - Pixel grid"},
    {-1, 15, 260, L"Escape - Quit Tarvok"},
    {-1, 15, 320, L"Left click and hold in size mode - Mark a box"},
    {-1, 15, 340, L"Left Click in color mode - Copy the pixel color value to the"},
    {-1, 163, 360, L"clipboard in web format"},
    {-1, 15, 380, L"Right click, hold and move - Move the visible area"},
    {-1, 15, 400, L"Wheel - Zoom in and out"},
    {-1, 15, 420, L"Shift+release - Pin the box; Backspace/Delete - Unpin"},
    {Footer, 15, 460, L"Copyright (c) 2026 the Tarvok developers"},
    {-1, 15, 475, L"Report problems on the Tarvok project's issue tracker"},
};
int Length(const HelpText& text) {
    return static_cast<int>(std::wcslen(text.Text));
}

void MakePanelFonts(int dpi) {
    const HFONT made[PanelFontCount] = {TitleFont, HeadingFont, UsageFont, FooterFont};
    for (int i = 0; i < PanelFontCount; ++i) {
        LOGFONTW font;
        PanelFonts[i] = nullptr;
        if (made[i] == nullptr || GetObjectW(made[i], sizeof font, &font) == 0) continue;
        font.lfHeight = MulDiv(font.lfHeight, dpi, 96);
        PanelFonts[i] = CreateFontIndirectW(&font);
    }
}

void DeletePanelFonts() {
    for (HFONT& font : PanelFonts) {
        DeleteObject(font);
        font = nullptr;
    }
}

// Null fonts (no Arial found) select nothing, so the texts take the context's default font.
void SelectTextFont(HDC dc, const HelpText& text) {
    if (text.SelectFirst >= 0) SelectObject(dc, PanelFonts[text.SelectFirst]);
}

PanelRect ButtonRect(HWND dialog) {
    RECT at;
    GetWindowRect(GetDlgItem(dialog, IDCANCEL), &at);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&at), 2);
    return {at.left, at.top, at.right, at.bottom};
}

// Scales the texts' places and fonts to the panel's DPI, measures each text, then moves the
// button and grows the panel, about its centre, as far as they need to hold them all.
void FitPanel(HWND dialog) {
    const int dpi = WindowDpi(dialog);
    MakePanelFonts(dpi);
    std::vector<PanelRect> texts;
    HDC dc = GetDC(dialog);
    HGDIOBJ kept = GetCurrentObject(dc, OBJ_FONT);
    for (const HelpText& text : HelpTexts) {
        SelectTextFont(dc, text);
        SIZE size = {};
        GetTextExtentPoint32W(dc, text.Text, Length(text), &size);
        const int x = MulDiv(text.X, dpi, 96), y = MulDiv(text.Y, dpi, 96);
        texts.push_back({x, y, x + size.cx, y + size.cy});
    }
    SelectObject(dc, kept);
    ReleaseDC(dialog, dc);
    RECT client;
    GetClientRect(dialog, &client);
    HelpPanelFit =
        FitHelpPanel(texts, ButtonRect(dialog), client.right, client.bottom, MulDiv(7, dpi, 96));
    const PanelRect& button = HelpPanelFit.Button;
    SetWindowPos(GetDlgItem(dialog, IDCANCEL), nullptr, button.Left, button.Top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int wider = HelpPanelFit.Width - client.right,
              taller = HelpPanelFit.Height - client.bottom;
    RECT outer;
    GetWindowRect(dialog, &outer);
    SetWindowPos(dialog, nullptr, outer.left - wider / 2, outer.top - taller / 2,
                 outer.right - outer.left + wider, outer.bottom - outer.top + taller,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaintHelpTexts(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    HGDIOBJ kept = GetCurrentObject(dc, OBJ_FONT);
    SetBkMode(dc, TRANSPARENT);
    // One place for each text once the panel has been fitted, as it is before its first paint.
    for (size_t i = 0; i < HelpPanelFit.Texts.size(); ++i) {
        SelectTextFont(dc, HelpTexts[i]);
        const PanelRect& at = HelpPanelFit.Texts[i];
        TextOutW(dc, at.Left, at.Top, HelpTexts[i].Text, Length(HelpTexts[i]));
    }
    SelectObject(dc, kept);
    EndPaint(dialog, &paint);
}

} // namespace

void ShowHelpScreen() {
    DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(HelpDialogId), MainWindowHandle, HelpScreenProc,
                    0);
    DeletePanelFonts();
    // A display change may have ended the tool while the panel was open.
    if (!IsWindow(MainWindowHandle)) return;
    // Opening the panel disabled the main window, which lost the mouse capture.
    SetCapture(MainWindowHandle);
    SetModeCursor();
}

INT_PTR CALLBACK HelpScreenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        FitPanel(dialog);
    else if (message == WM_PAINT)
        PaintHelpTexts(dialog);
    else if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        EndDialog(dialog, 0);
    return FALSE;
}
