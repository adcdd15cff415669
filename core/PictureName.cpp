#include "core/PictureName.h"

#include <cstdio>

std::wstring PictureFileName(const LocalTime& time, int copy) {
    char name[96];
    int length = std::snprintf(name, sizeof name, "Tarvok %04d-%02d-%02d %02d.%02d.%02d", time.Year,
                               time.Month, time.Day, time.Hour, time.Minute, time.Second);
    if (copy > 1)
        length += std::snprintf(name + length, sizeof name - static_cast<std::size_t>(length),
                                " (%d)", copy);
    std::snprintf(name + length, sizeof name - static_cast<std::size_t>(length), ".png");
    return std::wstring(name, name + std::char_traits<char>::length(name));
}
