// The help panel under Wine: its dialog template, opening on F1, its texts laid out and painted,
// how it ends and what it leaves behind. Run with no family named Arial at 96 DPI, and with one
// at 144 DPI (see FontsTest.cpp).
#include "ui/HelpScreen.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "ui/Cursors.h"
#include "unit/StateFixture.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

TEST(HelpTemplate, IsAnEnglishDialogExWithOneCloseButton) {
    HRSRC found = FindResourceExW(nullptr, RT_DIALOG, MAKEINTRESOURCEW(106),
                                  MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(found, nullptr);
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(nullptr, found)));
    // clang-format off
    const std::vector<WORD> expected = {
        1, 0xFFFF, 0, 0, 0, 0, 0x0848, 0x8080, // version, signature, help id, ex-style, style
        1, 0, 0, 260, 207,                     // one control; x, y, width, height
        0, 0, 0,                               // no menu, the dialog class, no caption
        8, 400, 0x0100,                        // 8 points, weight 400, not italic, charset 1
        'M', 'S', ' ', 'S', 'h', 'e', 'l', 'l', ' ', 'D', 'l', 'g', 0,
        0, 0, 0, 0, 0x0000, 0x5001,            // the button: help id, ex-style, style
        203, 186, 50, 14, 2, 0,                // x, y, width, height, id 2
        0xFFFF, 0x0080, 'C', 'l', 'o', 's', 'e', 0, 0, // button class, text, no creation data
    };
    // clang-format on
    ASSERT_GE(SizeofResource(nullptr, found), expected.size() * sizeof(WORD));
    EXPECT_EQ(std::vector<WORD>(words, words + expected.size()), expected);
}

// The panel's texts: height at 96 DPI in the family Arial (bold at 32 px), or with no Arial in
// the panel's own face; the last is the settings file's line, with a path too long for it.
const std::wstring LongPath =
    L"C:\\Users\\someone\\AppData\\Roaming\\" + std::wstring(300, L'x') + L"\\Tarvok\\settings.ini";
const std::wstring SettingsText = L"Settings: " + LongPath;
const struct {
    LONG Height;
    const wchar_t* Text;
} Lines[] = {
    {32, L"Tarvok"},
    {22, L"Keyboard usage"},
    {22, L"Mouse usage"},
    {16, L"1-9 - Zoom around the cursor (keypad: with NumLock on)"},
    {16, L"Arrows - Move by one pixel (Shift: ten)"},
    {16, L"Enter - Change the cursor images"},
    {16, L"Space - Toggle between size mode and color mode"},
    {16, L"Ctrl+C - Copy the read-out"},
    {16, L"Ctrl+Shift+C - Copy all pins"},
    {16, L"Ctrl+S - Save the view as a picture (and copy it)"},
    {16, L"E - Edges: spacing around the pointer, boxes snap"},
    {16, L"Page Up/Down - Edge tolerance"},
    {16, L"F - Next color format (in color mode)"},
    {16, L"A - Average 3 x 3, 5 x 5, 9 x 9 (in color mode)"},
    {16, L"G - Pixel grid"},
    {16, L"Escape - Quit Tarvok"},
    {16, L"Left click and hold in size mode - Mark a box"},
    {16, L"Left Click in color mode - Copy the pixel color value to the"},
    {16, L"clipboard in web format"},
    {16, L"Right click, hold and move - Move the visible area"},
    {16, L"Wheel - Zoom in and out"},
    {16, L"Shift+release - Pin the box; Backspace/Delete - Unpin"},
    {16, L"Ctrl+left-drag - Measure a line: length, angle"},
    {16, L"Contrast - Shown with the last picked color (in color mode)"},
    {14, L"Copyright (c) 2026 the Tarvok developers"},
    {14, L"Report problems on the Tarvok project's issue tracker"},
    {14, SettingsText.c_str()},
};

// The texts as a fresh context draws them over the panel's background where the panel placed
// them, each at its height scaled to the panel's scale; the path loses its middle.
std::vector<COLORREF> ReferencePanel(HWND panel, int width, int height) {
    const std::optional<LOGFONTW> arial = ScreenArialWestern();
    LOGFONTW own = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(panel, WM_GETFONT, 0, 0)), sizeof own, &own);
    HDC like = GetDC(panel);
    MemoryCanvas canvas(like, width, height);
    ReleaseDC(panel, like);
    const RECT all = {0, 0, width, height};
    FillRect(canvas.Dc, &all, GetSysColorBrush(COLOR_3DFACE));
    SetBkMode(canvas.Dc, TRANSPARENT);
    for (size_t i = 0; i < std::size(Lines); ++i) {
        const auto& line = Lines[i];
        LOGFONTW f = arial ? *arial : own;
        f.lfHeight = MulDiv(line.Height, HelpPanelScale, 96);
        f.lfWidth = 0;
        f.lfWeight = line.Height == 32 ? 700 : line.Height == 16 && arial ? arial->lfWeight : 400;
        HFONT font = CreateFontIndirectW(&f);
        HGDIOBJ old = SelectObject(canvas.Dc, font);
        const PanelRect& at = HelpPanelFit.Texts[i];
        RECT room = {at.Left, at.Top, at.Right, at.Bottom};
        DrawTextW(canvas.Dc, line.Text, -1, &room,
                  DT_PATH_ELLIPSIS | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        DeleteObject(SelectObject(canvas.Dc, old));
    }
    return canvas.Pixels();
}

// Inside its monitor's work area; every text inside the client area, apart from the others and
// clear of the button, at the panel's DPI unless that would not fit. The client area then
// matches the reference everywhere but on the button.
void ExpectPanelLaidOutAndPainted(HWND panel) {
    UpdateWindow(panel);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(dpi, EnvironmentNumber("TARVOK_TEST_DPI", 96));
    RECT work, outer, both;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(panel, &outer);
    EXPECT_TRUE(IntersectRect(&both, &outer, &work) && EqualRect(&both, &outer));
    EXPECT_LE(HelpPanelScale, dpi);
    RECT client;
    GetClientRect(panel, &client);
    RECT button;
    GetWindowRect(GetDlgItem(panel, IDCANCEL), &button);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&button), 2);
    const auto& texts = HelpPanelFit.Texts;
    ASSERT_EQ(texts.size(), std::size(Lines));
    const auto rect = [&](size_t i) {
        return RECT{texts[i].Left, texts[i].Top, texts[i].Right, texts[i].Bottom};
    };
    for (size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(i);
        const RECT text = rect(i);
        EXPECT_TRUE(IntersectRect(&both, &text, &client) && EqualRect(&both, &text));
        EXPECT_FALSE(IntersectRect(&both, &text, &button));
        for (size_t j = 0; j < i; ++j) {
            const RECT other = rect(j);
            EXPECT_FALSE(IntersectRect(&both, &text, &other)) << "overlaps text " << j;
        }
    }
    const auto reference = ReferencePanel(panel, client.right, client.bottom);
    const auto shown = ReadWindowPixels(panel, client.right, client.bottom);
    int wrong = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            const size_t i = static_cast<size_t>(y * client.right + x);
            const POINT at = {x, y};
            if (shown[i] != reference[i] && !PtInRect(&button, at) && wrong++ < 5)
                ADD_FAILURE() << "panel pixel " << x << "," << y << " is " << std::hex << shown[i]
                              << " not " << reference[i];
        }
    EXPECT_EQ(wrong, 0);
}

std::vector<HWND> OpenPanels() {
    std::vector<HWND> panels;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (IsWindowVisible(window) && wcscmp(name, L"#32770") == 0)
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&panels));
    return panels;
}

void PressKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// Steps run one per timer tick inside the panel's modal loop, once it shows; then the ticks
// wait for it to end and end it themselves, as a failure, should it stay open.
using Step = std::function<void(HWND panel)>;
struct PanelScript {
    std::vector<Step> Steps;
    size_t Next = 0;
    int Ticks = 0;
};
PanelScript* Script = nullptr;

void CALLBACK NextStep(HWND, UINT, UINT_PTR, DWORD) {
    const std::vector<HWND> panels = OpenPanels();
    if (panels.empty()) return;
    EXPECT_EQ(panels.size(), 1u) << "one panel at step " << Script->Next;
    if (Script->Next < Script->Steps.size()) {
        Script->Steps[Script->Next++](panels[0]);
    } else if (++Script->Ticks == 50) {
        ADD_FAILURE() << "the panel is still open";
        EndDialog(panels[0], 0);
    }
}

// F1 as the main window gets it; returns when its handling (the modal panel) has returned.
void PressF1AndRun(HWND window, std::vector<Step> steps) {
    PanelScript script{std::move(steps)};
    Script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, NextStep);
    EXPECT_EQ(SendMessageW(window, WM_KEYDOWN, VK_F1, 0x003B0001), 0);
    KillTimer(nullptr, timer);
    Script = nullptr;
    EXPECT_EQ(script.Next, script.Steps.size()) << "the panel ended early";
}

// Centred in the work area, painted, left open by another command, and the only one after
// a second F1; the owner meanwhile takes no input.
void CheckOpenPanel(HWND owner, HWND panel) {
    EXPECT_FALSE(IsWindowEnabled(owner));
    RECT at;
    GetWindowRect(panel, &at);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(at.left - work.left, work.right - at.right, 1);
    EXPECT_NEAR(at.top - work.top, work.bottom - at.bottom, 1);
    ExpectPanelLaidOutAndPainted(panel);
    SendMessageW(panel, WM_COMMAND, IDOK, 0);
    PressKey(VK_F1);
}

using HelpPanelTest = ShownWindowTest;

TEST_F(HelpPanelTest, F1OpensOnePaintedCentredPanelThatOnlyCancelEndsAndThatChangesNothing) {
    const struct {
        const char* How;
        bool ColorMode;
        Step End;
    } cases[] = {
        {"Escape", false, [](HWND) { PressKey(VK_ESCAPE); }},
        {"Close", true,
         [](HWND panel) { SendMessageW(GetDlgItem(panel, IDCANCEL), BM_CLICK, 0, 0); }},
        {"WM_CLOSE", false, [](HWND panel) { PostMessageW(panel, WM_CLOSE, 0, 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.How);
        ZoomFactor = 4;
        ViewOriginX = ToMicro(100);
        ViewOriginY = ToMicro(50);
        MarkBox = PixelBox(10, 20, 30, 40);
        ColorMode = c.ColorMode;
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        SettingsPath = LongPath;
        PressF1AndRun(window, {[this](HWND panel) { CheckOpenPanel(window, panel); }, c.End});
        EXPECT_TRUE(OpenPanels().empty());
        const WORD cursor = c.ColorMode ? ColorCursorId : SizeCursorId;
        EXPECT_EQ(GetCursor(), LoadedCursor(cursor));
        EXPECT_EQ(GetCapture(), window) << "taken again";
        EXPECT_EQ(ZoomFactor, 4);
        EXPECT_EQ(ViewOriginX, ToMicro(100));
        EXPECT_EQ(ViewOriginY, ToMicro(50));
        EXPECT_EQ(std::tuple(MarkBox.Left, MarkBox.Top, MarkBox.Right, MarkBox.Bottom),
                  std::tuple(ToMicro(10), ToMicro(20), ToMicro(30), ToMicro(40)));
        EXPECT_EQ(ColorMode, c.ColorMode);
    }
}

} // namespace
