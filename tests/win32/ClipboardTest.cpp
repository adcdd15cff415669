// The clipboard copy under Wine: the text placed, the formats replaced, a busy clipboard.
#include "measure/Clipboard.h"
#include "win32/GdiLedger.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

class ClipboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner = CreateWindowExW(0, L"STATIC", L"owner", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }
    HWND owner = nullptr;
};

TEST_F(ClipboardTest, PlacesExactlyTheTextWithItsTerminator) {
    CopyTextToClipboard(owner, L"#1E90FF");
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE block = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(block, nullptr);
    EXPECT_GE(GlobalSize(block), 16u);
    const auto* text = static_cast<const wchar_t*>(GlobalLock(block));
    EXPECT_EQ(std::wstring(text, 8), std::wstring(L"#1E90FF\0", 8));
    GlobalUnlock(block);
    EXPECT_EQ(GetClipboardOwner(), owner);
    CloseClipboard();
}

TEST_F(ClipboardTest, ReplacesEveryEarlierFormat) {
    const UINT privateFormat = RegisterClipboardFormatW(L"TarvokTestPrivate");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, 4);
    SetClipboardData(privateFormat, data);
    HGLOBAL ansi = GlobalAlloc(GMEM_MOVEABLE, 6);
    memcpy(GlobalLock(ansi), "older", 6);
    GlobalUnlock(ansi);
    SetClipboardData(CF_TEXT, ansi);
    CloseClipboard();

    CopyTextToClipboard(owner, L"#ABCDEF");
    EXPECT_FALSE(IsClipboardFormatAvailable(privateFormat));
    EXPECT_EQ(ClipboardText(), L"#ABCDEF");
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE text = GetClipboardData(CF_TEXT); // converted from the Unicode text, not the old one
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(text)), "#ABCDEF");
    GlobalUnlock(text);
    CloseClipboard();
}

TEST_F(ClipboardTest, EmptyTextPlacesTheTerminatorAlone) {
    CopyTextToClipboard(owner, L"");
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE block = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(block, nullptr);
    EXPECT_GE(GlobalSize(block), 2u);
    EXPECT_EQ(*static_cast<const wchar_t*>(GlobalLock(block)), L'\0');
    GlobalUnlock(block);
    CloseClipboard();
}

double MsSince(LARGE_INTEGER start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

// Counts the tool's tries to open the clipboard, and refuses the first RefusedOpens of them as
// a clipboard busy for a moment would.
int OpenTries = 0;
int RefusedOpens = 0;
decltype(&OpenClipboard) RealOpenClipboard = nullptr;
BOOL WINAPI CountingOpenClipboard(HWND owner) {
    return ++OpenTries <= RefusedOpens ? FALSE : RealOpenClipboard(owner);
}
struct CountedOpens : Faked {
    explicit CountedOpens(int refused)
        : Faked("OpenClipboard", reinterpret_cast<void*>(&CountingOpenClipboard)) {
        RealOpenClipboard = reinterpret_cast<decltype(&OpenClipboard)>(Original);
        OpenTries = 0;
        RefusedOpens = refused;
    }
};

TEST_F(ClipboardTest, ABusyClipboardIsTriedAgainAFewTimesAndNoMore) {
    const struct {
        int Refused;    // tries refused before the clipboard is free
        bool HeldByAll; // another process holds it throughout
        int Tries;
        const wchar_t* Text;
    } cases[] = {
        {3, false, 4, L"#000000"},
        {ClipboardTries - 1, false, ClipboardTries, L"#000000"},
        {0, true, ClipboardTries, L"kept"},
    };
    for (const auto& c : cases) {
        PutClipboardText(L"kept");
        std::optional<ClipboardHolder> holder;
        if (c.HeldByAll) holder.emplace();
        {
            CountedOpens counted(c.Refused);
            CopyTextToClipboard(owner, L"#000000");
            EXPECT_EQ(OpenTries, c.Tries) << "refused " << c.Refused;
        }
        if (holder) {
            EXPECT_FALSE(OpenClipboard(owner)) << "still held by the other process";
            EXPECT_EQ(holder->ExitCode(), 0);
        }
        EXPECT_EQ(ClipboardText(), c.Text) << "refused " << c.Refused;
    }
}

using ClickStormTest = ShownWindowTest;

TEST_F(ClickStormTest, ClicksOnAClipboardHeldForGoodCopyNothingAndEachGivesUp) {
    const long clicks = EnvironmentNumber("TARVOK_CLICK_STORM", 20);
    SetCursorPos(100, 100);
    Key(' ');
    PutClipboardText(L"theirs");
    ClipboardHolder holder;
    const DWORD changes = GetClipboardSequenceNumber();
    CountedOpens counted(0);
    double slowest = 0;
    for (long i = 0; i < clicks; ++i) {
        const int x = 100 + static_cast<int>(i % 500);
        OpenTries = 0;
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        Press(x, 200);
        Release(x, 200);
        slowest = std::max(slowest, MsSince(start));
        EXPECT_EQ(OpenTries, ClipboardTries) << "click " << i;
    }
    // Ten tries a timer tick apart take about 140 ms: only a hang reaches a second.
    EXPECT_LT(slowest, 1000.0) << "the slowest of " << clicks << " clicks, ms";
    EXPECT_EQ(GetClipboardSequenceNumber(), changes);
    EXPECT_EQ(holder.ExitCode(), 0);
    EXPECT_EQ(ClipboardText(), L"theirs");
}

} // namespace
