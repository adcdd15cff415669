// The built tarvok.exe as Explorer sees it: its version resource and the resources it loads.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring ExePath; // from the command line

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
    std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || length == 0)
        return L"<none>";
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

TEST(ExeResources, VersionResourceCarriesTheProjectVersion) {
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(ExePath.c_str(), &ignored));
    ASSERT_FALSE(block.empty()) << "no version resource";
    ASSERT_TRUE(
        GetFileVersionInfoW(ExePath.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    char dotted[40]; // the numbers Explorer shows as the file version, the fourth always 0
    std::snprintf(dotted, sizeof dotted, "%u.%u.%u.%u", HIWORD(fixed->dwFileVersionMS),
                  LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                  LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(std::string(dotted), TARVOK_VERSION ".0");
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    EXPECT_EQ(VersionString(block, L"FileVersion"), L"" TARVOK_VERSION);
    EXPECT_EQ(VersionString(block, L"ProductVersion"), L"" TARVOK_VERSION);
    EXPECT_EQ(VersionString(block, L"ProductName"), L"Tarvok");
    EXPECT_EQ(VersionString(block, L"LegalCopyright"), L"Copyright (c) 2026 the Tarvok developers");
    EXPECT_NE(VersionString(block, L"FileDescription"), L"<none>");
}

TEST(ExeResources, HoldsTheIconTheSevenCursorsAndTheHelpDialog) {
    HMODULE exe = LoadLibraryExW(ExePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(103), RT_GROUP_ICON), nullptr) << "icon 103";
    for (WORD id = 101; id <= 107; ++id)
        EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(id), RT_GROUP_CURSOR), nullptr)
            << "cursor " << id;
    EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(106), RT_DIALOG), nullptr) << "dialog 106";
    FreeLibrary(exe);
}

} // namespace

// usage: exe_resources PATH_TO_TARVOK_EXE (an ASCII path, as the build gives it)
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) return 2;
    std::string path = argv[1];
    ExePath.assign(path.begin(), path.end());
    return RUN_ALL_TESTS();
}
