// The settings file as text: its bytes decoded, the values of one section looked up, and the
// file written again with new values while every other line stays as it stood. No platform calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A larger file is no settings file.
constexpr std::size_t MaxSettingsBytes = 64 * 1024;

// How the file's bytes encode its text; kept when it is written again.
enum class TextEncoding : std::uint8_t { Utf8, Utf8Bom, Utf16Bom };

struct SettingsText {
    TextEncoding Encoding = TextEncoding::Utf8;
    std::vector<std::string> Lines; // UTF-8, without their line ends
};

// Names and their values, in the order a new file lists them.
using SettingValues = std::vector<std::pair<std::string, std::string>>;

// The file's text; none when the bytes are no settings file: larger than MaxSettingsBytes, a
// NUL, or not UTF-8 (with or without its byte-order mark) nor UTF-16 LE after its mark.
std::optional<SettingsText> DecodeSettings(std::string_view bytes);

// The value of `name` in the section `section` (the last one given wins), blanks around it
// removed; names are matched without regard to case. None when it is not there.
std::optional<std::string_view> SettingValue(const SettingsText& text, std::string_view section,
                                             std::string_view name);

// The bytes to write: each line as it stood, in the text's encoding with CR LF line ends, except
// that a line of `section` naming one of `values` with another value is written anew as
// Name=value, and a name it lacks is added after the section's last setting (a new section at
// the end when there is none).
std::string EncodeSettings(const SettingsText& text, std::string_view section,
                           const SettingValues& values);

// UTF-8 to and from the platform's wide text (UTF-16 or UTF-32, as wchar_t is wide); the text
// is valid UTF-8 or UTF-16 already.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
