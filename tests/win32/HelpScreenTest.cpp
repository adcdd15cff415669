// The help panel under Wine: its dialog template, opening on F1, its painted texts, how it ends
// and what it leaves behind. Run with and without a family named Arial (see FontsTest.cpp).
#include "app/AppState.h"
#include "app/Handles.h"
#include "unit/StateFixture.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <tuple>
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

// The panel's texts as a fresh context draws them over the panel's background, each in the
// family Arial at its height (bold at 32 px) or, with no Arial, in the default font.
std::vector<COLORREF> ReferencePanel(HDC like, int width, int height) {
    const struct {
        LONG Height;
        int X;
        int Y;
        const wchar_t* Text;
    } lines[] = {
        {32, 15, 10, L"Tarvok"},
        {22, 15, 50, L"Keyboard usage"},
        {22, 15, 170, L"Mouse usage"},
        {16, 15, 80, L"1-9 - Zoom around the cursor"},
        {16, 15, 100, L"Enter - Change the cursor images"},
        {16, 15, 120, L"Space - Toggle between size mode and color mode"},
        {16, 15, 140, L"Escape - Quit Tarvok"},
        {16, 15, 200, L"Left click and hold in size mode - Mark a box"},
        {16, 15, 220, L"Left Click in color mode - Copy the pixel color value to the"},
        {16, 163, 240, L"clipboard in web format"},
        {16, 15, 260, L"Right click, hold and move - Move the visible area"},
        {14, 15, 300, L"Copyright (c) 2026 the Tarvok developers"},
        {14, 15, 315, L"Report problems on the Tarvok project's issue tracker"},
    };
    const std::optional<LOGFONTW> arial = ScreenArialWestern();
    MemoryCanvas canvas(like, width, height);
    const RECT all = {0, 0, width, height};
    FillRect(canvas.Dc, &all, GetSysColorBrush(COLOR_3DFACE));
    SetBkMode(canvas.Dc, TRANSPARENT);
    for (const auto& line : lines) {
        HFONT font = nullptr;
        if (arial) {
            LOGFONTW f = *arial;
            f.lfHeight = line.Height;
            f.lfWidth = 0;
            f.lfWeight = line.Height == 32 ? 700 : line.Height == 16 ? arial->lfWeight : 400;
            font = CreateFontIndirectW(&f);
        }
        HGDIOBJ old = font ? SelectObject(canvas.Dc, font) : nullptr;
        TextOutW(canvas.Dc, line.X, line.Y, line.Text, static_cast<int>(wcslen(line.Text)));
        if (font) DeleteObject(SelectObject(canvas.Dc, old));
    }
    return canvas.Pixels();
}

// The panel's client area matches the reference everywhere but on the Close button.
void ExpectPanelPainted(HWND panel) {
    UpdateWindow(panel);
    RECT client;
    GetClientRect(panel, &client);
    RECT button;
    GetWindowRect(GetDlgItem(panel, IDCANCEL), &button);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&button), 2);
    HDC dc = GetDC(panel);
    const auto reference = ReferencePanel(dc, client.right, client.bottom);
    ReleaseDC(panel, dc);
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
    ExpectPanelPainted(panel);
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
        PressF1AndRun(window, {[this](HWND panel) { CheckOpenPanel(window, panel); }, c.End});
        EXPECT_TRUE(OpenPanels().empty());
        const WORD cursor = c.ColorMode ? ColorCursorId : SizeCursorId;
        EXPECT_EQ(GetCursor(), LoadCursorW(AppInstance, MAKEINTRESOURCEW(cursor)));
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
