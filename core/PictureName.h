// The saved picture's file name, from the local time of the save. No platform calls.
#pragma once

#include <string>

struct LocalTime {
    int Year, Month, Day, Hour, Minute, Second;
};

// "Tarvok 2026-12-08 16.32.05.png" for copy 1; from copy 2 on, " (2)", " (3)", ... before
// ".png", for when the names before it are taken.
std::wstring PictureFileName(const LocalTime& time, int copy);
