#include "geometry/MicroCoord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

// The double-precision form of the rule: divide, truncate, round the fraction half up.
std::int64_t RoundMicroThreeSteps(std::int32_t v) {
    const double q = static_cast<double>(v) / 1'000'000.0;
    const double t = std::trunc(q);
    return static_cast<std::int64_t>(q - t < 0.5 ? t : t + 1);
}

TEST(RoundMicro, RoundsHalfUpAboveZero) {
    EXPECT_EQ(RoundMicro(0), 0);
    EXPECT_EQ(RoundMicro(499'999), 0);
    EXPECT_EQ(RoundMicro(500'000), 1);
    EXPECT_EQ(RoundMicro(1'499'999), 1);
    EXPECT_EQ(RoundMicro(1'500'000), 2);
    EXPECT_EQ(RoundMicro(2'147'483'647), 2147);
    EXPECT_EQ(RoundMicro(1'280'000'000 / 3), 427);
    EXPECT_EQ(RoundMicro(1'000'000'000 / 3), 333);
}

TEST(RoundMicro, TruncatesTowardZeroBelowZero) {
    EXPECT_EQ(RoundMicro(-1), 0);
    EXPECT_EQ(RoundMicro(-500'000), 0);
    EXPECT_EQ(RoundMicro(-999'999), 0);
    EXPECT_EQ(RoundMicro(-1'000'000), -1);
    EXPECT_EQ(RoundMicro(-1'500'000), -1);
    EXPECT_EQ(RoundMicro(-1'700'000), -1);
    EXPECT_EQ(RoundMicro(-1'999'999), -1);
    EXPECT_EQ(RoundMicro(-2'000'000), -2);
    EXPECT_EQ(RoundMicro(-2'147'483'648LL), -2147);
}

TEST(RoundMicro, ExactFormEqualsTheDoubleFormOverThe32BitRange) {
    const std::int32_t boundaries[] = {INT32_MIN,
                                       INT32_MIN + 1,
                                       -2'147'000'000,
                                       -2'146'500'001,
                                       -1'000'001,
                                       -999'999,
                                       -500'001,
                                       -500'000,
                                       -499'999,
                                       -1,
                                       0,
                                       1,
                                       499'999,
                                       500'000,
                                       500'001,
                                       999'999,
                                       1'000'000,
                                       1'000'001,
                                       2'146'499'999,
                                       2'146'500'000,
                                       2'147'000'000,
                                       2'147'483'646,
                                       INT32_MAX};
    for (std::int32_t v : boundaries)
        EXPECT_EQ(RoundMicro(v), RoundMicroThreeSteps(v)) << v;
    // Every half-pixel neighbourhood within the 32-bit range, plus a coarse sweep.
    for (std::int64_t p = -2147; p <= 2147; ++p)
        for (std::int64_t d : {-500'001, -500'000, -499'999, -1, 0, 1, 499'999, 500'000, 500'001}) {
            const std::int64_t v = p * 1'000'000 + d;
            if (v < INT32_MIN || v > INT32_MAX) continue;
            ASSERT_EQ(RoundMicro(v), RoundMicroThreeSteps(static_cast<std::int32_t>(v))) << v;
        }
    for (std::int64_t v = INT32_MIN; v <= INT32_MAX; v += 9'999'991)
        ASSERT_EQ(RoundMicro(v), RoundMicroThreeSteps(static_cast<std::int32_t>(v))) << v;
}

TEST(RoundMicro, HandlesValuesBeyondThe32BitLimit) {
    EXPECT_EQ(RoundMicro(ToMicro(2560)), 2560);
    EXPECT_EQ(RoundMicro(ToMicro(3840) / 45), 85); // 85.333333
    EXPECT_EQ(RoundMicro(ToMicro(-5000) - 999'999), -5000);
    EXPECT_EQ(RoundMicro(INT64_MAX), INT64_MAX / 1'000'000 + 1);
    EXPECT_EQ(RoundMicro(INT64_MIN), INT64_MIN / 1'000'000);
}

TEST(ToMicro, MultipliesExactlyAndRoundsBack) {
    EXPECT_EQ(ToMicro(0), 0);
    EXPECT_EQ(ToMicro(1), 1'000'000);
    EXPECT_EQ(ToMicro(2147), 2'147'000'000);
    EXPECT_EQ(ToMicro(2148), 2'148'000'000);
    EXPECT_EQ(ToMicro(3840), 3'840'000'000);
    for (std::int64_t p : {-3840, -2147, -1, 0, 1, 799, 2147, 2560, 3840})
        EXPECT_EQ(RoundMicro(ToMicro(p)), p);
}

TEST(MouseMicro, ReadsTheWordsAsSignedHalves) {
    EXPECT_EQ(MouseMicroX(0x00C8'0064), ToMicro(100));
    EXPECT_EQ(MouseMicroY(0x00C8'0064), ToMicro(200));
    EXPECT_EQ(MouseMicroX(0xFFFE'FFFF), ToMicro(-1));
    EXPECT_EQ(MouseMicroY(0xFFFE'FFFF), ToMicro(-2));
    EXPECT_EQ(MouseMicroX(0x0000'7FFF), ToMicro(32767));
    EXPECT_EQ(MouseMicroX(0xFFFF'FFFF'0000'0005ULL), ToMicro(5)) << "upper bits are ignored";
}

TEST(FloorDiv, RoundsTowardMinusInfinity) {
    EXPECT_EQ(FloorDiv(7, 4), 1);
    EXPECT_EQ(FloorDiv(8, 4), 2);
    EXPECT_EQ(FloorDiv(-1, 4), -1);
    EXPECT_EQ(FloorDiv(-4, 4), -1);
    EXPECT_EQ(FloorDiv(-5, 4), -2);
    EXPECT_EQ(FloorDiv(0, 4), 0);
}

} // namespace
