#include "app/device/FilterDevice.h"
#include "app/device/FilterMonitor.h"
#include "app/device/QuillpadDriverChannel.h"
#include "app/device/QuillpadSetup.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// No kernel drivers here: the virtual keyboard is not found and the filter's controls fail.
TEST(DriverChannels, AbsentDriversFailQuietly) {
    QuillpadDriverChannel pad;
    EXPECT_FALSE(pad.Find());
    EXPECT_FALSE(pad.WriteFrame(QuillpadFrame{}));

    HidUsbFilter::FilterDevice filter;
    EXPECT_FALSE(filter.Open());
    std::array<std::uint8_t, 4> event{};
    EXPECT_FALSE(filter.Control(FilterReadKeyEvent, nullptr, 0, event.data(), event.size()));

    HidUsbFilter::FilterMonitor monitor(filter);
    EXPECT_FALSE(monitor.ApplyKeyTable({4}));
    EXPECT_TRUE(monitor.IsRunning());
    monitor.Shutdown();
    EXPECT_FALSE(monitor.IsRunning());
}

// The shipped program folder has no driver folder: the user-mode pair takes over.
TEST(DriverChannels, SetUpFallsBackToTheUserModeChannels) {
    EXPECT_EQ(SetUpInputChannels(), InputChannelChoice::Driverless);
    EXPECT_EQ(SetUpInputChannels(), InputChannelChoice::Driverless);
    EXPECT_TRUE(GetQuillpad().Reset());
    const FilterKeyTable table = BuildFilterKeyTable(std::vector<std::uint16_t>{4});
    EXPECT_TRUE(
        GetFilterChannel().Control(FilterSetKeyTable, table.data(), table.size(), nullptr, 0));
}

} // namespace
