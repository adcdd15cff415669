// Ctrl+S under Wine, into a folder of the test's own: the picture against the whole-frame
// reference, the " (2)" rule, and a failure that leaves no file.
#include "core/AppState.h"
#include "core/Handles.h"
#include "core/PictureFile.h"
#include "measure/ReadoutText.h"
#include "ui/ComposeFrame.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class SaveViewTest : public ShownWindowTest {
  protected:
    void SetUp() override {
        fs::create_directories(folder);
        SetEnvironmentVariableW(L"TARVOK_PICTURES_FOLDER", folder.c_str());
        ShownWindowTest::SetUp();
    }
    void TearDown() override {
        ShownWindowTest::TearDown();
        fs::remove_all(folder);
    }
    // The names of the files in the test's Pictures\Tarvok, or Pictures itself.
    std::vector<std::wstring> Files(bool pictures = false) const {
        std::vector<std::wstring> names;
        for (const auto& entry : fs::directory_iterator(pictures ? folder : folder / "Tarvok"))
            if (entry.is_regular_file()) names.push_back(entry.path().filename().wstring());
        return names;
    }
    const fs::path folder =
        fs::temp_directory_path() / ("tarvok-save-" + std::to_string(GetCurrentProcessId()));
};

std::vector<BYTE> Bytes(HANDLE clipboardData) {
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(clipboardData));
    std::vector<BYTE> copy(bytes, bytes + GlobalSize(clipboardData));
    GlobalUnlock(clipboardData);
    return copy;
}

TEST_F(SaveViewTest, SavesAndCopiesTheWholeFrameWhileMarking) {
    Key('2');
    Move(100, 80);
    Press(100, 80);
    Move(300, 200);
    MemoryCanvas reference(FrameDcHandle(), width, height);
    ComposeWholeFrame(reference.Dc);
    const std::vector<COLORREF> expected = reference.Pixels();
    Key(19);
    const std::vector<std::wstring> files = Files();
    ASSERT_EQ(files.size(), 1u) << "and no temporary file left";
    EXPECT_EQ(ReadoutNotice, L"Saved: " + files[0] + L" in Pictures\\Tarvok");
    EXPECT_TRUE(Marking) << "the drag goes on";

    // The clipboard's PNG is the file, and its bitmap (made from it) the frame.
    std::ifstream file(folder / "Tarvok" / files[0], std::ios::binary);
    const std::vector<BYTE> saved(std::istreambuf_iterator<char>(file), {});
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(Bytes(GetClipboardData(RegisterClipboardFormatW(L"PNG"))) == saved);
    const std::vector<BYTE> dib = Bytes(GetClipboardData(CF_DIB));
    CloseClipboard();
    ASSERT_GE(dib.size(), sizeof(BITMAPINFOHEADER) + size_t(width) * height * 3);
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib.data());
    ASSERT_EQ(header->biWidth, width);
    ASSERT_EQ(header->biHeight, height); // bottom-up: the first row is the frame's last
    const size_t stride = (size_t(width) * 3 + 3) & ~size_t{3};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const BYTE* p = dib.data() + sizeof *header + (height - 1 - y) * stride + x * 3;
            ASSERT_EQ(RGB(p[2], p[1], p[0]), expected[size_t(y) * width + x]) << x << "," << y;
        }

    Move(300, 200);
    EXPECT_NE(ReadoutNotice, L"") << "a move message to the same place is no move";
    SendMessageW(window, WM_KEYDOWN, VK_CONTROL, 0x401D0001);
    EXPECT_NE(ReadoutNotice, L"") << "nor is a held modifier";
    Move(301, 200);
    EXPECT_EQ(ReadoutNotice, L"");
    EXPECT_EQ(WindowDiffersFromFrame(), "");
}

TEST_F(SaveViewTest, ATakenNameGetsTheNextNumber) {
    std::wstring first, second;
    EXPECT_EQ(SaveNewPicture({1, 2, 3}, {2026, 12, 8, 16, 32, 5}, first), 0u);
    EXPECT_EQ(SaveNewPicture({1, 2, 3}, {2026, 12, 8, 16, 32, 5}, second), 0u);
    EXPECT_EQ(first, L"Tarvok 2026-12-08 16.32.05.png");
    EXPECT_EQ(second, L"Tarvok 2026-12-08 16.32.05 (2).png");
    EXPECT_EQ(Files().size(), 2u);
}

TEST_F(SaveViewTest, AFileWhereTheFolderShouldBeLeavesNoFileAndSaysWhy) {
    std::ofstream(folder / "Tarvok") << "in the way";
    Key(19);
    EXPECT_EQ(ReadoutNotice.rfind(L"Not saved: ", 0), 0u);
    EXPECT_GT(ReadoutNotice.size(), 16u) << "with the system's message";
    EXPECT_EQ(Files(true).size(), 1u) << "the blocking file alone";
    EXPECT_EQ(WindowDiffersFromFrame(), "");
    SendMessageW(window, WM_KEYDOWN, 'X', 0x002D0001);
    EXPECT_EQ(ReadoutNotice, L"");
}

} // namespace
