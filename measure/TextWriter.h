// Writing the tool's texts: ASCII pieces and numbers appended to a wide buffer. No platform
// calls.
#pragma once

#include <charconv>
#include <cstdint>

// Appends to `Text`, which holds `Capacity` characters; stops short of the end rather than
// overrun it.
struct TextWriter {
    wchar_t* Text;
    int Capacity;
    int Length = 0;

    void Put(char c) {
        if (Length < Capacity - 1) Text[Length++] = static_cast<wchar_t>(c);
    }
    void Put(const char* s) {
        while (*s)
            Put(*s++);
    }
    void Put(const wchar_t* s) {
        while (*s && Length < Capacity - 1)
            Text[Length++] = *s++;
    }
    void Number(std::int64_t value) {
        char digits[24];
        auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        for (char* p = digits; p != end; ++p)
            Put(*p);
    }
    // 5313 as "53.13", -5 as "-0.05".
    void Hundredths(std::int64_t value) {
        if (value < 0) Put('-');
        const std::int64_t magnitude = value < 0 ? -value : value;
        Number(magnitude / 100);
        Put('.');
        Put(static_cast<char>('0' + magnitude % 100 / 10));
        Put(static_cast<char>('0' + magnitude % 10));
    }
    int Finish() {
        Text[Length] = 0;
        return Length;
    }
};
