#include "core/PictureFile.h"

#include <shlobj.h>

#include <algorithm>
#include <cstdio>

namespace {

DWORD PicturesFolder(std::wstring& folder) {
    wchar_t given[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"TARVOK_PICTURES_FOLDER", given, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        folder = given;
        return 0;
    }
    PWSTR path = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &path);
    if (SUCCEEDED(result)) folder = path;
    CoTaskMemFree(path);
    return static_cast<DWORD>(result);
}

DWORD WriteWhole(const wchar_t* path, const std::vector<std::uint8_t>& bytes) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD error = 0;
    std::size_t done = 0;
    while (error == 0 && done < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) error = GetLastError();
        done += written;
    }
    // On the disk before it takes its name: a crash then leaves the temporary file at most.
    if (error == 0 && !FlushFileBuffers(file)) error = GetLastError();
    CloseHandle(file);
    return error;
}

// Gives the complete file its name: the first free one, so that a name is never replaced.
DWORD TakeFreeName(const wchar_t* temporary, const std::wstring& folder, const LocalTime& time,
                   std::wstring& name) {
    for (int copy = 1;; ++copy) {
        name = PictureFileName(time, copy);
        if (MoveFileExW(temporary, (folder + L'\\' + name).c_str(), 0)) return 0;
        const DWORD error = GetLastError();
        if ((error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) || copy == 9999)
            return error;
    }
}

} // namespace

DWORD SaveNewPicture(const std::vector<std::uint8_t>& bytes, const LocalTime& time,
                     std::wstring& name) {
    std::wstring folder;
    DWORD error = PicturesFolder(folder);
    if (error != 0) return error;
    folder += L"\\Tarvok";
    CreateDirectoryW(folder.c_str(), nullptr); // when it cannot be, making the file fails below
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(folder.c_str(), L"tvk", 0, temporary)) return GetLastError();
    error = WriteWhole(temporary, bytes);
    if (error == 0) error = TakeFreeName(temporary, folder, time, name);
    if (error != 0) DeleteFileW(temporary);
    return error;
}

std::wstring ErrorText(DWORD error) {
    // An HRESULT that wraps a system error code has the code's message.
    const DWORD code = HRESULT_FACILITY(error) == FACILITY_WIN32 && (error & 0x80000000u)
                           ? static_cast<DWORD>(HRESULT_CODE(error))
                           : error;
    wchar_t text[512];
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, 512, nullptr);
    while (length > 0 &&
           (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' '))
        --length;
    if (length > 0) return std::wstring(text, length);
    char number[32];
    std::snprintf(number, sizeof number, "Error 0x%08lX", static_cast<unsigned long>(error));
    return std::wstring(number, number + std::char_traits<char>::length(number));
}
