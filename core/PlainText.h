// Blank trimming and a comparison blind to the case of ASCII letters, for narrow and wide text
// alike: the settings file's names and values, and the shortcut's parts. No platform calls.
#pragma once

#include <algorithm>
#include <string_view>
#include <type_traits>

template <typename C> constexpr C AsciiUpper(C c) {
    return c >= C('a') && c <= C('z') ? static_cast<C>(c - C('a') + C('A')) : c;
}

// `s` without the blanks (spaces and tabs) at either end.
template <typename C> std::basic_string_view<C> Trimmed(std::basic_string_view<C> s) {
    const auto blank = [](C c) { return c == C(' ') || c == C('\t'); };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Whether two texts are equal but for the case of ASCII letters.
template <typename C>
bool SameLetters(std::basic_string_view<C> a, std::type_identity_t<std::basic_string_view<C>> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](C x, C y) { return AsciiUpper(x) == AsciiUpper(y); });
}
