#include "ui/FontFamilyName.h"

#include <cstddef>
#include <cwchar>

namespace {

constexpr std::size_t NameCapacity = 256; // the platform's fields give at most 97 characters

// Appends text at `length`, cut short where the buffer would overflow, and terminates.
void Append(wchar_t* name, std::size_t& length, const wchar_t* text) {
    for (; *text != 0 && length + 1 < NameCapacity; ++text)
        name[length++] = *text;
    name[length] = 0;
}

} // namespace

bool IsWantedFontFamily(const wchar_t* fullName, const wchar_t* script) {
    wchar_t name[NameCapacity];
    std::size_t length = 0;
    Append(name, length, fullName);
    Append(name, length, L" (");
    Append(name, length, script);
    Append(name, length, L")");
    return std::wcscmp(name, L"Arial (Western)") == 0;
}
