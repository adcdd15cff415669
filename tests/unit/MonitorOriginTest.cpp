#include "core/MonitorOrigin.h"
#include "unit/StateFixture.h"

#include <array>

namespace {

// An 800 x 600 monitor at the primary's place, right of it, and left of and above it.
TEST(MonitorOrigin, ScreenPositionsConvertByTheMonitorsOriginAndStayOnIt) {
    // The monitor's left, top; a screen position; the monitor pixel it reads as; that on screen.
    const std::int64_t cases[][8] = {
        {0, 0, 300, 200, 300, 200, 300, 200},   {0, 0, 1500, -5, 799, 0, 799, 0},
        {1024, 0, 1100, 50, 76, 50, 1100, 50},  {1024, 0, 500, 300, 0, 300, 1024, 300},
        {-800, -600, -1, -1, 799, 599, -1, -1}, {-800, -600, -800, 9, 0, 599, -800, -1},
    };
    for (const auto& c : cases) {
        ResetAppState(800, 600);
        MonitorLeft = c[0];
        MonitorTop = c[1];
        const PixelPoint on = ScreenToMonitor(c[2], c[3]);
        const PixelPoint back = MonitorToScreen(on.X, on.Y);
        EXPECT_EQ((std::array{on.X, on.Y, back.X, back.Y}), (std::array{c[4], c[5], c[6], c[7]}))
            << c[0] << "," << c[1] << ": " << c[2] << "," << c[3];
    }
}

} // namespace
