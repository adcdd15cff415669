// The saved picture's name: the local time, zero-padded, and the copy number when a name is
// taken.
#include "core/PictureName.h"

#include <gtest/gtest.h>

TEST(PictureName, TimeAndCopyNumber) {
    const struct {
        LocalTime Time;
        int Copy;
        const wchar_t* Name;
    } cases[] = {
        {{2026, 12, 8, 16, 32, 5}, 1, L"Tarvok 2026-12-08 16.32.05.png"},
        {{2026, 12, 8, 16, 32, 5}, 2, L"Tarvok 2026-12-08 16.32.05 (2).png"},
        {{2026, 12, 8, 16, 32, 5}, 10, L"Tarvok 2026-12-08 16.32.05 (10).png"},
        {{2027, 1, 1, 0, 0, 0}, 1, L"Tarvok 2027-01-01 00.00.00.png"},
        {{999, 9, 30, 23, 59, 59}, 9999, L"Tarvok 0999-09-30 23.59.59 (9999).png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureFileName(c.Time, c.Copy), c.Name) << c.Copy;
}
