// The built tarvok.exe as Explorer sees it: its version resource and the resources it loads.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring ExePath; // from the command line

std::vector<BYTE> VersionBlock() {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(ExePath.c_str(), &ignored);
    std::vector<BYTE> block(size);
    if (size == 0 || !GetFileVersionInfoW(ExePath.c_str(), 0, size, block.data())) block.clear();
    return block;
}

std::wstring VersionString(std::vector<BYTE>& block, const wchar_t* name) {
    std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || length == 0)
        return L"<none>";
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

// "major.minor.patch" of a fixed version; the fourth part, always 0 here, is checked apart.
std::string DottedVersion(DWORD high, DWORD low) {
    char text[40];
    std::snprintf(text, sizeof text, "%u.%u.%u", HIWORD(high), LOWORD(high), HIWORD(low));
    return text;
}

TEST(ExeResources, VersionResourceCarriesTheProjectVersion) {
    std::vector<BYTE> block = VersionBlock();
    ASSERT_FALSE(block.empty()) << "no version resource";
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(DottedVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS), TARVOK_VERSION);
    EXPECT_EQ(DottedVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS), TARVOK_VERSION);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionLS), 0);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    const std::wstring version = L"" TARVOK_VERSION;
    EXPECT_EQ(VersionString(block, L"FileVersion"), version);
    EXPECT_EQ(VersionString(block, L"ProductVersion"), version);
    EXPECT_EQ(VersionString(block, L"ProductName"), L"Tarvok");
    EXPECT_EQ(VersionString(block, L"LegalCopyright"), L"Copyright (c) 2026 the Tarvok developers");
    EXPECT_NE(VersionString(block, L"FileDescription"), L"<none>");
}

TEST(ExeResources, HoldsTheIconTheSevenCursorsAndTheHelpDialog) {
    HMODULE exe = LoadLibraryExW(ExePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr) << "cannot load " << std::string(ExePath.begin(), ExePath.end());
    EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(103), RT_GROUP_ICON), nullptr) << "icon 103";
    for (WORD id = 101; id <= 107; ++id)
        EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(id), RT_GROUP_CURSOR), nullptr)
            << "cursor " << id;
    EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(106), RT_DIALOG), nullptr) << "dialog 106";
    FreeLibrary(exe);
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: exe_resources PATH\\TO\\tarvok.exe\n");
        return 2;
    }
    wchar_t full[MAX_PATH];
    std::string path = argv[1];
    ExePath.assign(path.begin(), path.end()); // an ASCII path from the build
    if (GetFullPathNameW(ExePath.c_str(), MAX_PATH, full, nullptr) != 0) ExePath = full;
    return RUN_ALL_TESTS();
}
