#include "core/SettingsText.h"

#include "core/PlainText.h"

#include <algorithm>

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16Mark = "\xFF\xFE";

// The code point starting at `at`, which moves past it; false if the bytes there are not one.
bool NextCodePoint(std::string_view s, std::size_t& at, char32_t& point) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned lead = byte(at);
    const int extra = lead < 0x80                   ? 0
                      : lead >= 0xC2 && lead < 0xE0 ? 1
                      : lead >= 0xE0 && lead < 0xF0 ? 2
                      : lead >= 0xF0 && lead < 0xF5 ? 3
                                                    : -1;
    if (extra < 0 || s.size() - at <= static_cast<std::size_t>(extra)) return false;
    point = extra == 0 ? lead : lead & (0x3Fu >> extra);
    for (int i = 1; i <= extra; ++i) {
        const unsigned next = byte(at + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80) return false;
        point = point << 6 | (next & 0x3F);
    }
    // Overlong forms, surrogates and points beyond Unicode are no text.
    constexpr char32_t Least[] = {0, 0x80, 0x800, 0x10000};
    if (point < Least[extra] || (point >= 0xD800 && point < 0xE000) || point > 0x10FFFF)
        return false;
    at += static_cast<std::size_t>(extra) + 1;
    return true;
}

void PutUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
        return;
    }
    constexpr char32_t Lead[] = {0, 0xC0, 0xE0, 0xF0};
    const int extra = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
    out += static_cast<char>(Lead[extra] | point >> (6 * extra));
    for (int i = extra - 1; i >= 0; --i)
        out += static_cast<char>(0x80 | (point >> (6 * i) & 0x3F));
}

std::optional<std::string> Utf8FromUtf16Le(std::string_view bytes) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::string out;
    out.reserve(bytes.size() / 2);
    const auto unit = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) |
                                     static_cast<unsigned char>(bytes[i + 1]) << 8);
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t point = unit(i);
        if (point >= 0xDC00 && point < 0xE000) return std::nullopt;
        if (point >= 0xD800 && point < 0xDC00) {
            const char32_t low = i + 3 < bytes.size() ? unit(i + 2) : 0;
            if (low < 0xDC00 || low >= 0xE000) return std::nullopt;
            point = 0x10000 + ((point - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        PutUtf8(out, point);
    }
    return out;
}

bool IsUtf8(std::string_view s) {
    char32_t point;
    for (std::size_t at = 0; at < s.size();)
        if (!NextCodePoint(s, at, point)) return false;
    return true;
}

// One line read as the file's grammar sees it.
struct Line {
    enum Kind : std::uint8_t { Other, Section, Setting } Kind = Other;
    std::string_view Name, Value; // the section's name, or the setting's name and value
};

Line Parse(std::string_view text) {
    const std::string_view line = Trimmed(text);
    if (line.empty() || line.front() == ';' || line.front() == '#') return {};
    if (line.front() == '[')
        return line.back() == ']' && line.size() >= 2
                   ? Line{Line::Section, Trimmed(line.substr(1, line.size() - 2)), {}}
                   : Line{};
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {Line::Setting, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))};
}

std::string Encoded(const std::string& utf8, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return utf8;
    if (encoding == TextEncoding::Utf8Bom) return std::string(Utf8Mark) + utf8;
    std::string out(Utf16Mark);
    const auto put = [&](char32_t unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8 & 0xFF);
    };
    char32_t point;
    for (std::size_t at = 0; at < utf8.size();) {
        if (!NextCodePoint(utf8, at, point)) break; // the text was decoded: not reached
        if (point >= 0x10000) {
            put(0xD800 + ((point - 0x10000) >> 10));
            put(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            put(point);
        }
    }
    return out;
}

} // namespace

std::wstring WideFromUtf8(std::string_view text) {
    std::wstring out;
    char32_t point;
    for (std::size_t at = 0; at < text.size();) {
        if (!NextCodePoint(text, at, point)) {
            ++at; // not reached for decoded text: skipped
            continue;
        }
        if (sizeof(wchar_t) == 2 && point >= 0x10000) {
            out += static_cast<wchar_t>(0xD800 + ((point - 0x10000) >> 10));
            out += static_cast<wchar_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            out += static_cast<wchar_t>(point);
        }
    }
    return out;
}

std::string Utf8FromWide(std::wstring_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t point = static_cast<char32_t>(text[i]);
        if (point >= 0xD800 && point < 0xDC00 && i + 1 < text.size()) {
            const char32_t low = static_cast<char32_t>(text[i + 1]);
            if (low >= 0xDC00 && low < 0xE000) {
                point = 0x10000 + ((point - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        PutUtf8(out, point);
    }
    return out;
}

std::optional<SettingsText> DecodeSettings(std::string_view bytes) {
    if (bytes.size() > MaxSettingsBytes) return std::nullopt;
    SettingsText text;
    std::string utf8;
    if (bytes.starts_with(Utf16Mark)) {
        auto decoded = Utf8FromUtf16Le(bytes.substr(Utf16Mark.size()));
        if (!decoded) return std::nullopt;
        utf8 = std::move(*decoded);
        text.Encoding = TextEncoding::Utf16Bom;
    } else {
        if (bytes.starts_with(Utf8Mark)) {
            bytes.remove_prefix(Utf8Mark.size());
            text.Encoding = TextEncoding::Utf8Bom;
        }
        if (!IsUtf8(bytes)) return std::nullopt;
        utf8 = bytes;
    }
    if (utf8.find('\0') != std::string::npos) return std::nullopt;
    // Lines end in CR LF, LF or a lone CR; the last may have no end.
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t end = std::min(utf8.find_first_of("\r\n", at), utf8.size());
        text.Lines.push_back(utf8.substr(at, end - at));
        at = end + (utf8.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return text;
}

std::optional<std::string_view> SettingValue(const SettingsText& text, std::string_view section,
                                             std::string_view name) {
    std::optional<std::string_view> value;
    bool inside = false;
    for (const std::string& raw : text.Lines) {
        const Line line = Parse(raw);
        if (line.Kind == Line::Section) inside = SameLetters(line.Name, section);
        if (inside && line.Kind == Line::Setting && SameLetters(line.Name, name))
            value = line.Value;
    }
    return value;
}

std::string EncodeSettings(const SettingsText& text, std::string_view section,
                           const SettingValues& values) {
    std::vector<std::string> lines;
    std::vector<bool> present(values.size());
    std::optional<std::size_t> addAt; // after the first such section's last setting
    bool inside = false, first = false;
    for (const std::string& kept : text.Lines) {
        const Line line = Parse(kept);
        if (line.Kind == Line::Section) {
            inside = SameLetters(line.Name, section);
            first = inside && !addAt;
        }
        lines.push_back(kept);
        if (!inside) continue;
        if (first && line.Kind != Line::Other) addAt = lines.size();
        if (line.Kind != Line::Setting) continue;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!SameLetters(line.Name, values[i].first)) continue;
            present[i] = true;
            if (!SameLetters(line.Value, values[i].second))
                lines.back() = values[i].first + "=" + values[i].second;
        }
    }
    std::vector<std::string> added;
    if (!addAt) {
        if (!lines.empty() && !Trimmed(std::string_view(lines.back())).empty())
            lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        addAt = lines.size();
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!present[i]) added.push_back(values[i].first + "=" + values[i].second);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*addAt), added.begin(), added.end());
    std::string utf8;
    for (const std::string& line : lines)
        utf8 += line + "\r\n";
    return Encoded(utf8, text.Encoding);
}
