#include "app/MonitorOrigin.h"
#include "unit/StateFixture.h"

namespace {

// Screen positions to and from the pixels of a frozen 800 x 600 monitor at three places: the
// primary, right of it, and left of and above it (negative screen coordinates).
TEST(MonitorOrigin, ScreenPositionsAndMonitorPixelsConvertByTheMonitorsOrigin) {
    const struct {
        std::int64_t Left, Top; // the monitor's origin
        std::int64_t ScreenX, ScreenY;
        std::int64_t X, Y;         // the monitor pixel the screen position reads as
        std::int64_t BackX, BackY; // where that pixel lies on the screen
    } cases[] = {
        {0, 0, 300, 200, 300, 200, 300, 200},
        {0, 0, 1500, -5, 799, 0, 799, 0}, // off the monitor: its nearest edge pixel
        {1024, 0, 1100, 50, 76, 50, 1100, 50},
        {1024, 0, 500, 300, 0, 300, 1024, 300},
        {1024, 0, 1824, 600, 799, 599, 1823, 599},
        {-800, -600, -1, -1, 799, 599, -1, -1},
        {-800, -600, -800, -600, 0, 0, -800, -600},
        {-800, -600, 100, 100, 799, 599, -1, -1},
    };
    for (const auto& c : cases) {
        ResetAppState(800, 600);
        MonitorLeft = c.Left;
        MonitorTop = c.Top;
        const PixelPoint on = ScreenToMonitor(c.ScreenX, c.ScreenY);
        const PixelPoint back = MonitorToScreen(on.X, on.Y);
        const auto at = ::testing::Message()
                        << c.Left << "," << c.Top << ": " << c.ScreenX << "," << c.ScreenY;
        EXPECT_EQ(on.X, c.X) << at;
        EXPECT_EQ(on.Y, c.Y) << at;
        EXPECT_EQ(back.X, c.BackX) << at;
        EXPECT_EQ(back.Y, c.BackY) << at;
        EXPECT_EQ(MonitorOnScreen(), (PixelRect{c.Left, c.Top, c.Left + 800, c.Top + 600})) << at;
    }
}

} // namespace
