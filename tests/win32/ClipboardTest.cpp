// The clipboard copy under Wine: the text placed, the formats replaced, a busy clipboard.
#include "measure/Clipboard.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

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

TEST_F(ClipboardTest, ClipboardHeldByAnotherProcessMeansNoCopy) {
    PutClipboardText(L"kept");
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, L"TarvokTestClipboardHeld");
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"TarvokTestClipboardRelease");
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring holder = path;
    holder = holder.substr(0, holder.find_last_of(L"\\/") + 1) + L"clipboard_holder.exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(holder.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    ASSERT_EQ(WaitForSingleObject(ready, 20000), WAIT_OBJECT_0);

    CopyTextToClipboard(owner, L"#000000");
    EXPECT_FALSE(OpenClipboard(owner)) << "still held by the other process";

    SetEvent(release);
    WaitForSingleObject(process.hProcess, 20000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(ClipboardText(), L"kept");
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(ready);
    CloseHandle(release);
}

} // namespace
