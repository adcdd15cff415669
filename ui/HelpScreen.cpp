#include "ui/HelpScreen.h"

#include "core/AppState.h"
#include "core/Dpi.h"
#include "core/Handles.h"
#include "res/ResourceIds.h"
#include "ui/Cursors.h"
#include "ui/Fonts.h"

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

PanelFit HelpPanelFit = {};
int HelpPanelScale = 96;

namespace {

// The panel's fonts at its scale, made as it opens from the tool's four, or where those are
// missing from the panel's own face at their sizes (null where neither can be had).
enum PanelFontIndex { Title, Heading, Usage, Footer, PanelFontCount };
HFONT PanelFonts[PanelFontCount] = {};

struct HelpText {
    int Font;
    HelpPlace Place;
    int Above;           // space from the text above, at 96 DPI
    int Indent;          // at 96 DPI
    const wchar_t* Text; // null for the settings file's line
};

// In painting order, grouped by font, and top-down within each place.
using enum HelpPlace;
const HelpText HelpTexts[] = {
    {Title, Top, 10, 0, L"Tarvok"},
    {Heading, Keys, 8, 0, L"Keyboard usage"},
    {Heading, Mouse, 8, 0, L"Mouse usage"},
    {Usage, Keys, 8, 0, L"1-9 - Zoom around the cursor (keypad: with NumLock on)"},
    {Usage, Keys, 4, 0, L"Arrows - Move by one pixel (Shift: ten)"},
    {Usage, Keys, 4, 0, L"Enter - Change the cursor images"},
    {Usage, Keys, 4, 0, L"Space - Toggle between size mode and color mode"},
    {Usage, Keys, 4, 0, L"Ctrl+C - Copy the read-out"},
    {Usage, Keys, 4, 0, L"Ctrl+Shift+C - Copy all pins"},
    {Usage, Keys, 4, 0, L"Ctrl+S - Save the view as a picture (and copy it)"},
    {Usage, Keys, 4, 0, L"E - Edges: spacing around the pointer, boxes snap"},
    {Usage, Keys, 4, 0, L"Page Up/Down - Edge tolerance"},
    {Usage, Keys, 4, 0, L"F - Next color format (in color mode)"},
    {Usage, Keys, 4, 0, L"A - Average 3 x 3, 5 x 5, 9 x 9 (in color mode)"},
    {Usage, Keys, 4, 0, L"G - Pixel grid"},
    {Usage, Keys, 4, 0, L"Escape - Quit Tarvok"},
    {Usage, Mouse, 8, 0, L"Left click and hold in size mode - Mark a box"},
    {Usage, Mouse, 4, 0, L"Left Click in color mode - Copy the pixel color value to the"},
    {Usage, Mouse, 4, 148, L"clipboard in web format"},
    {Usage, Mouse, 4, 0, L"Right click, hold and move - Move the visible area"},
    {Usage, Mouse, 4, 0, L"Wheel - Zoom in and out"},
    {Usage, Mouse, 4, 0, L"Shift+release - Pin the box; Backspace/Delete - Unpin"},
    {Usage, Mouse, 4, 0, L"Ctrl+left-drag - Measure a line: length, angle"},
    {Usage, Mouse, 4, 0, L"Contrast - Shown with the last picked color (in color mode)"},
    {Footer, Foot, 24, 0, L"Copyright (c) 2026 the Tarvok developers"},
    {Footer, Foot, 1, 0, L"Report problems on the Tarvok project's issue tracker"},
    {Footer, FootBesideButton, 4, 0, nullptr},
};

// "Settings: " and the settings file's path while the panel is open; empty when there is none.
std::wstring SettingsLine;

const wchar_t* TextOf(const HelpText& text) {
    return text.Text != nullptr ? text.Text : SettingsLine.c_str();
}
int Length(const HelpText& text) {
    return static_cast<int>(std::wcslen(TextOf(text)));
}

void DeletePanelFonts() {
    for (HFONT& font : PanelFonts) {
        DeleteObject(font);
        font = nullptr;
    }
}

void MakePanelFonts(HWND dialog, int scale) {
    DeletePanelFonts();
    const HFONT made[PanelFontCount] = {TitleFont, HeadingFont, UsageFont, FooterFont};
    const LONG heights[PanelFontCount] = {32, 22, 16, 14}; // as the tool's own, at 96 DPI
    const auto own = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    for (int i = 0; i < PanelFontCount; ++i) {
        LOGFONTW font;
        if (made[i] != nullptr && GetObjectW(made[i], sizeof font, &font) != 0) {
            font.lfHeight = MulDiv(font.lfHeight, scale, 96);
        } else if (own != nullptr && GetObjectW(own, sizeof font, &font) != 0) {
            font.lfHeight = MulDiv(heights[i], scale, 96);
            font.lfWidth = 0;
            font.lfWeight = i == Title ? FW_BOLD : FW_NORMAL;
        } else {
            continue;
        }
        PanelFonts[i] = CreateFontIndirectW(&font);
    }
}

// Null fonts select nothing, so the texts take the context's default font.
void SelectTextFont(HDC dc, const HelpText& text, const HelpText* before) {
    if (before == nullptr || before->Font != text.Font) SelectObject(dc, PanelFonts[text.Font]);
}

// The texts as the panel would show them at `scale`: the fonts made for it, each text measured.
std::vector<HelpItem> MeasureTexts(HWND dialog, int scale) {
    MakePanelFonts(dialog, scale);
    std::vector<HelpItem> items;
    HDC dc = GetDC(dialog);
    HGDIOBJ kept = GetCurrentObject(dc, OBJ_FONT);
    const HelpText* before = nullptr;
    for (const HelpText& text : HelpTexts) {
        SelectTextFont(dc, text, before);
        before = &text;
        SIZE size = {};
        if (Length(text) > 0) GetTextExtentPoint32W(dc, TextOf(text), Length(text), &size);
        items.push_back({text.Place, text.Above, text.Indent, size.cx, size.cy});
    }
    SelectObject(dc, kept);
    ReleaseDC(dialog, dc);
    return items;
}

PanelRect ButtonRect(HWND dialog) {
    RECT at;
    GetWindowRect(GetDlgItem(dialog, IDCANCEL), &at);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&at), 2);
    return {at.left, at.top, at.right, at.bottom};
}

RECT WorkArea(HWND window) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return monitor.rcWork;
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

// Lays the texts out at the panel's DPI or, where the panel would not fit its monitor's work
// area so (200 % on a 1024 x 768 screen, for one), at the largest scale that fits; moves the
// button, sizes the panel to hold them all and centres it in the work area.
void FitPanel(HWND dialog) {
    SettingsLine = SettingsPath.empty() ? L"" : L"Settings: " + SettingsPath;
    RECT client, outer;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &outer);
    const int frameWidth = outer.right - outer.left - client.right,
              frameHeight = outer.bottom - outer.top - client.bottom;
    const RECT work = WorkArea(dialog);
    const int workWidth = work.right - work.left, workHeight = work.bottom - work.top;
    const int dpi = WindowDpi(dialog);
    const int gap = MulDiv(8, dpi, 96); // kept clear around the panel
    const int roomWidth = workWidth - 2 * gap - frameWidth,
              roomHeight = workHeight - 2 * gap - frameHeight;
    const PanelRect button = ButtonRect(dialog);
    constexpr int SmallestScale = 48, Tries = 6;
    int scale = dpi;
    for (int tries = 1;; ++tries) {
        const int margin = MulDiv(7, scale, 96);
        const std::vector<PanelRect> texts =
            PlaceHelpTexts(MeasureTexts(dialog, scale), scale, client.right - button.Left + margin);
        HelpPanelFit = FitHelpPanel(texts, button, client.right, client.bottom, margin);
        const int width = HelpPanelFit.Width, height = HelpPanelFit.Height;
        if ((width <= roomWidth && height <= roomHeight) || tries == Tries ||
            scale == SmallestScale)
            break;
        // Texts shrink about in proportion to the scale; the button and the least size do not.
        const int fitting = std::min(scale * roomWidth / width, scale * roomHeight / height);
        scale = std::max(SmallestScale, std::min(fitting, scale - 2));
    }
    HelpPanelScale = scale;
    SetWindowPos(GetDlgItem(dialog, IDCANCEL), nullptr, HelpPanelFit.Button.Left,
                 HelpPanelFit.Button.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int width = HelpPanelFit.Width + frameWidth, height = HelpPanelFit.Height + frameHeight;
    SetWindowPos(dialog, nullptr, work.left + std::max(0, (workWidth - width) / 2),
                 work.top + std::max(0, (workHeight - height) / 2), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaintHelpTexts(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    HGDIOBJ kept = GetCurrentObject(dc, OBJ_FONT);
    SetBkMode(dc, TRANSPARENT);
    // One place for each text once the panel has been fitted, as it is before its first paint.
    const HelpText* before = nullptr;
    for (size_t i = 0; i < HelpPanelFit.Texts.size(); ++i) {
        const HelpText& text = HelpTexts[i];
        SelectTextFont(dc, text, before);
        before = &text;
        const PanelRect& at = HelpPanelFit.Texts[i];
        if (text.Text != nullptr) {
            TextOutW(dc, at.Left, at.Top, text.Text, Length(text));
        } else if (!SettingsLine.empty()) { // a long path loses its middle, not its file name
            RECT room = {at.Left, at.Top, at.Right, at.Bottom};
            DrawTextW(dc, SettingsLine.c_str(), Length(text), &room,
                      DT_PATH_ELLIPSIS | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        }
    }
    SelectObject(dc, kept);
    EndPaint(dialog, &paint);
}

HWND OpenPanel = nullptr; // while the panel is up

} // namespace

void ShowHelpScreen() {
    DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(HelpDialogId), MainWindowHandle, HelpScreenProc,
                    0);
    OpenPanel = nullptr;
    DeletePanelFonts();
    // A display change may have ended or hidden the tool while the panel was open.
    if (!IsWindow(MainWindowHandle) || !IsWindowVisible(MainWindowHandle)) return;
    // Opening the panel disabled the main window, which lost the mouse capture.
    SetCapture(MainWindowHandle);
    SetModeCursor();
}

void CloseHelpScreen() {
    if (OpenPanel != nullptr) EndDialog(OpenPanel, 0);
}

INT_PTR CALLBACK HelpScreenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        OpenPanel = dialog;
        FitPanel(dialog);
    } else if (message == WM_PAINT)
        PaintHelpTexts(dialog);
    else if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        EndDialog(dialog, 0);
    return FALSE;
}
