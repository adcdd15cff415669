// Ctrl+S under Wine, into a folder of the test's own: the PNG against the whole-frame reference
// and on the clipboard, the " (2)" rule, and a failure that leaves no file.
#include "core/AppState.h"
#include "core/Handles.h"
#include "core/PictureFile.h"
#include "measure/ReadoutText.h"
#include "ui/ComposeFrame.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>
#include <wincodec.h>

#include <string>
#include <vector>

namespace {

class SaveViewTest : public ShownWindowTest {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = temp + std::wstring(L"tarvok-save-") + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder.c_str(), nullptr);
        SetEnvironmentVariableW(L"TARVOK_PICTURES_FOLDER", folder.c_str());
        ShownWindowTest::SetUp();
    }
    void TearDown() override {
        ShownWindowTest::TearDown();
        for (const std::wstring& name : Files())
            DeleteFileW((folder + L"\\Tarvok\\" + name).c_str());
        RemoveDirectoryW((folder + L"\\Tarvok").c_str());
        DeleteFileW((folder + L"\\Tarvok").c_str());
        RemoveDirectoryW(folder.c_str());
    }
    // The names in Pictures\Tarvok.
    std::vector<std::wstring> Files() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"\\Tarvok\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }
    std::wstring folder;
};

// The PNG's pixels as COLORREF values, decoded by the platform's codec.
std::vector<COLORREF> DecodePng(const std::wstring& path, int width, int height) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICBitmapSource* bgr = nullptr;
    std::vector<std::uint32_t> bits(static_cast<size_t>(width) * height);
    UINT w = 0, h = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame, &bgr)) &&
        SUCCEEDED(bgr->GetSize(&w, &h)) && w == UINT(width) && h == UINT(height))
        bgr->CopyPixels(nullptr, w * 4, w * h * 4, reinterpret_cast<BYTE*>(bits.data()));
    for (IUnknown* object : std::initializer_list<IUnknown*>{bgr, frame, decoder, factory})
        if (object != nullptr) object->Release();
    std::vector<COLORREF> pixels;
    for (std::uint32_t p : bits) // 0xXXRRGGBB to 0x00BBGGRR
        pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    return pixels;
}

std::vector<BYTE> ReadFileBytes(const std::wstring& path) {
    std::vector<BYTE> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes;
}

TEST_F(SaveViewTest, SavesAndCopiesTheWholeFrameWhileMarking) {
    Key('2');
    Move(100, 80);
    Press(100, 80);
    Move(300, 200);
    MemoryCanvas reference(FrameDcHandle(), width, height);
    ComposeWholeFrame(reference.Dc);
    Key(19);
    const std::vector<std::wstring> files = Files();
    ASSERT_EQ(files.size(), 1u) << "and no temporary file left";
    EXPECT_EQ(ReadoutNotice, L"Saved: " + files[0] + L" in Pictures\\Tarvok");
    const std::wstring path = folder + L"\\Tarvok\\" + files[0];
    EXPECT_TRUE(DecodePng(path, width, height) == reference.Pixels());
    EXPECT_TRUE(Marking) << "the drag goes on";

    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE png = GetClipboardData(RegisterClipboardFormatW(L"PNG"));
    ASSERT_NE(png, nullptr);
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(png));
    EXPECT_TRUE(std::vector<BYTE>(bytes, bytes + GlobalSize(png)) == ReadFileBytes(path));
    GlobalUnlock(png);
    HANDLE dib = GetClipboardData(CF_DIB);
    ASSERT_NE(dib, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
    EXPECT_EQ(header->biWidth, width);
    EXPECT_EQ(header->biHeight, height); // bottom-up: the first row is the frame's last
    const BYTE* last = reinterpret_cast<const BYTE*>(header + 1);
    EXPECT_EQ(RGB(last[2], last[1], last[0]), reference.Pixels()[size_t(height - 1) * width]);
    GlobalUnlock(dib);
    CloseClipboard();

    Move(300, 200);
    EXPECT_NE(ReadoutNotice, L"") << "a move message to the same place is no move";
    SendMessageW(window, WM_KEYDOWN, VK_CONTROL, 0x401D0001);
    EXPECT_NE(ReadoutNotice, L"") << "nor is a held modifier";
    Move(301, 200);
    EXPECT_EQ(ReadoutNotice, L"");
    EXPECT_EQ(WindowDiffersFromFrame(), "");
}

TEST_F(SaveViewTest, ATakenNameGetsTheNextNumber) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    std::wstring first, second;
    EXPECT_EQ(SaveNewPicture(bytes, {2026, 12, 8, 16, 32, 5}, first), 0u);
    EXPECT_EQ(SaveNewPicture(bytes, {2026, 12, 8, 16, 32, 5}, second), 0u);
    EXPECT_EQ(first, L"Tarvok 2026-12-08 16.32.05.png");
    EXPECT_EQ(second, L"Tarvok 2026-12-08 16.32.05 (2).png");
    EXPECT_EQ(Files().size(), 2u);
}

TEST_F(SaveViewTest, AFileWhereTheFolderShouldBeLeavesNoFileAndSaysWhy) {
    HANDLE blocker = CreateFileW((folder + L"\\Tarvok").c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_NEW, 0, nullptr);
    ASSERT_NE(blocker, INVALID_HANDLE_VALUE);
    CloseHandle(blocker);
    Key(19);
    EXPECT_EQ(ReadoutNotice.rfind(L"Not saved: ", 0), 0u) << ReadoutNotice.c_str();
    EXPECT_GT(ReadoutNotice.size(), 16u) << "with the system's message";
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    int files = 0;
    do
        files += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (FindNextFileW(search, &found));
    FindClose(search);
    EXPECT_EQ(files, 1) << "the blocking file alone";
    EXPECT_EQ(WindowDiffersFromFrame(), "");
    SendMessageW(window, WM_KEYDOWN, 'X', 0x002D0001);
    EXPECT_EQ(ReadoutNotice, L"");
}

} // namespace
