#include "ui/HelpScreen.h"

#include "app/Handles.h"
#include "res/ResourceIds.h"
#include "ui/Cursors.h"
#include "ui/Fonts.h"

#include <cwchar>

namespace {

struct HelpText {
    HFONT* SelectFirst; // the font to select before this text, or null to keep the current one
    int X;
    int Y;
    const wchar_t* Text;
};

// In painting order, grouped by font; pixel positions in the panel's client area.
const HelpText HelpTexts[] = {
    {nullptr, 15, 10, L"Tarvok"}, // in TitleFont, selected before the first text
    {&HeadingFont, 15, 50, L"Keyboard usage"},
    {nullptr, 15, 170, L"Mouse usage"},
    {&UsageFont, 15, 80, L"1-9 - Zoom around the cursor"},
    {nullptr, 15, 100, L"Enter - Change the cursor images"},
    {nullptr, 15, 120, L"Space - Toggle between size mode and color mode"},
    {nullptr, 15, 140, L"Escape - Quit Tarvok"},
    {nullptr, 15, 200, L"Left click and hold in size mode - Mark a box"},
    {nullptr, 15, 220, L"Left Click in color mode - Copy the pixel color value to the"},
    {nullptr, 163, 240, L"clipboard in web format"},
    {nullptr, 15, 260, L"Right click, hold and move - Move the visible area"},
    {&FooterFont, 15, 300, L"Copyright (c) 2026 the Tarvok developers"},
    {nullptr, 15, 315, L"Report problems on the Tarvok project's issue tracker"},
};

// Null fonts (no Arial found) select nothing, so the texts take the context's default font.
void PaintHelpTexts(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    HGDIOBJ kept = SelectObject(dc, TitleFont);
    SetBkMode(dc, TRANSPARENT);
    for (const HelpText& text : HelpTexts) {
        if (text.SelectFirst != nullptr) SelectObject(dc, *text.SelectFirst);
        TextOutW(dc, text.X, text.Y, text.Text, static_cast<int>(std::wcslen(text.Text)));
    }
    SelectObject(dc, kept);
    EndPaint(dialog, &paint);
}

} // namespace

void ShowHelpScreen() {
    DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(HelpDialogId), MainWindowHandle, HelpScreenProc,
                    0);
    // Opening the panel disabled the main window, which lost the mouse capture.
    SetCapture(MainWindowHandle);
    SetModeCursor();
}

INT_PTR CALLBACK HelpScreenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_PAINT)
        PaintHelpTexts(dialog);
    else if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        EndDialog(dialog, 0);
    return FALSE;
}
