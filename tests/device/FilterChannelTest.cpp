#include "app/device/FilterMonitor.h"
#include "app/device/FilterProtocol.h"
#include "tests/device/QueueFilter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

using HidUsbFilter::FilterMonitor;

TEST(FilterKeyTable, WatchedKeysFillEntriesInOrder) {
    const std::vector<std::uint16_t> keys{0x0004, 0x0129, 0xFFFF};
    const FilterKeyTable table = BuildFilterKeyTable(keys);
    const std::vector<std::uint8_t> head(table.begin(), table.begin() + 12);
    EXPECT_EQ(head, (std::vector<std::uint8_t>{0x04, 0x00, 0x07, 0x02, 0x29, 0x01, 0x07, 0x02, 0xFF,
                                               0xFF, 0x07, 0x02}));
    EXPECT_TRUE(std::all_of(table.begin() + 12, table.end(), [](auto b) { return b == 0; }));
    EXPECT_EQ(WatchedKeyCodes(table), keys);
}

TEST(FilterKeyTable, KeysPastTheLastEntryAreNotWatched) {
    std::vector<std::uint16_t> keys(300);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = static_cast<std::uint16_t>(i + 1);
    }
    const std::vector<std::uint16_t> watched = WatchedKeyCodes(BuildFilterKeyTable(keys));
    ASSERT_EQ(watched.size(), 256u);
    EXPECT_EQ(watched.back(), 256);
}

TEST(FilterKeyTable, ClearingBufferAndShortInputWatchNothing) {
    const std::vector<std::uint8_t> clear(FilterClearTableSize, 0);
    EXPECT_TRUE(WatchedKeyCodes(clear).empty());
    EXPECT_TRUE(WatchedKeyCodes(FilterKeyTable{}).empty());
}

TEST(FilterKeyEvent, EncodesAndDecodes) {
    const FilterKeyEvent event{0x0139, 0x07, true};
    const auto bytes = EncodeFilterKeyEvent(event);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0x39, 0x01, 0x07, 0x01}));
    EXPECT_EQ(DecodeFilterKeyEvent(bytes), event);
    // Only bit 0 of byte 3 says pressed.
    const std::array<std::uint8_t, 4> released{0x04, 0x00, 0x00, 0xFE};
    EXPECT_FALSE(DecodeFilterKeyEvent(released)->pressed);
    EXPECT_FALSE(DecodeFilterKeyEvent(std::span(released.data(), 3)).has_value());
}

struct Listener {
    std::vector<FilterKeyEvent> events;
    int result = 0;
    static int OnKey(void* owner, std::uint8_t extra, std::uint16_t keyCode, bool pressed,
                     std::intptr_t) {
        auto* self = static_cast<Listener*>(owner);
        self->events.push_back({keyCode, extra, pressed});
        return self->result;
    }
};

TEST(FilterMonitor, ApplyingATableClearsSendsCommitsAndStarts) {
    QueueFilter filter;
    FilterMonitor monitor(filter);
    EXPECT_TRUE(monitor.ApplyKeyTable({4, 5}));
    EXPECT_TRUE(monitor.IsRunning());
    const std::vector<std::pair<std::uint32_t, std::size_t>> expected{
        {FilterSetKeyTable, 256}, {FilterSetKeyTable, 1024}, {0x226008, 0}, {0x22600C, 0}};
    EXPECT_EQ(filter.controls, expected);
    EXPECT_EQ(filter.table, (std::vector<std::uint16_t>{4, 5}));
}

TEST(FilterMonitor, HandsEventsToProxiesUntilOneClaimsThem) {
    QueueFilter filter;
    Listener first;
    Listener second;
    Listener third;
    second.result = 1;
    FilterMonitor monitor(filter);
    monitor.AddProxy(&first, Listener::OnKey, 0);
    monitor.AddProxy(&first, Listener::OnKey, 0); // identical: not added twice
    monitor.AddProxy(&second, Listener::OnKey, 0);
    monitor.AddProxy(&third, Listener::OnKey, 0);
    monitor.Start();
    filter.Push({4, 7, true});
    filter.Push({4, 7, false});
    filter.WaitForReads(3);
    monitor.Stop();
    const std::vector<FilterKeyEvent> expected{{4, 7, true}, {4, 7, false}};
    EXPECT_EQ(first.events, expected);
    EXPECT_EQ(second.events, expected);
    EXPECT_TRUE(third.events.empty());
}

TEST(FilterMonitor, ReadsNothingWithoutProxies) {
    QueueFilter filter;
    FilterMonitor monitor(filter);
    monitor.Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    monitor.Stop();
    EXPECT_EQ(filter.reads, 0);
}

// Stopping right after starting, before or during the first read, always ends the thread.
TEST(FilterMonitor, StopIsNeverLostToTheStartOfARead) {
    QueueFilter filter;
    Listener listener;
    FilterMonitor monitor(filter);
    monitor.AddProxy(&listener, Listener::OnKey, 0);
    for (int i = 0; i < 200; ++i) {
        monitor.Start();
        monitor.Stop();
        EXPECT_FALSE(monitor.IsRunning());
    }
}

TEST(FilterMonitor, ShutdownStopsAndClearsTheTable) {
    QueueFilter filter;
    Listener listener;
    FilterMonitor monitor(filter);
    monitor.AddProxy(&listener, Listener::OnKey, 0);
    monitor.ApplyKeyTable({4});
    filter.WaitForReads(1);
    monitor.Shutdown();
    EXPECT_FALSE(monitor.IsRunning());
    EXPECT_EQ(filter.controls.back(),
              (std::pair<std::uint32_t, std::size_t>{FilterSetKeyTable, 256}));
}

// A filter that completes its table controls later has them waited for like a read; stopping
// the monitor thread must not cancel the table changes that follow it, or a changed mapping
// would never be watched and the exit would leave the user's keys swallowed.
TEST(FilterMonitor, TableControlsThatWaitStillReachTheFilter) {
    QueueFilter filter;
    filter.controlsWait = true;
    Listener listener;
    FilterMonitor monitor(filter);
    monitor.AddProxy(&listener, Listener::OnKey, 0);
    EXPECT_TRUE(monitor.ApplyKeyTable({4}));
    filter.WaitForReads(1);
    filter.controls.clear();
    EXPECT_TRUE(monitor.ApplyKeyTable({5, 6}));
    EXPECT_EQ(filter.table, (std::vector<std::uint16_t>{5, 6}));
    EXPECT_EQ(filter.controls.size(), 4u);
    filter.WaitForReads(2);
    monitor.Shutdown();
    EXPECT_TRUE(filter.table.empty());
    EXPECT_EQ(filter.controls.size(), 5u);
}

} // namespace
