#pragma once

#include "app/device/FilterChannel.h"
#include "app/device/FilterProtocol.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <span>
#include <utility>
#include <vector>

// The key filter: keeps the table it was sent and hands out queued key events, waiting for them
// until cancelled as the driver does.
class QueueFilter : public HidUsbFilter::IFilterChannel {
public:
    bool Open() override { return true; }
    bool Control(std::uint32_t code, const void* input, std::size_t inputSize, void* output,
                 std::size_t outputSize) override {
        std::unique_lock lock(m_mutex);
        if (code != FilterReadKeyEvent) {
            if (controlsWait && m_cancelled) {
                return false; // its wait ended at once, as a cancelled wait does
            }
            controls.push_back({code, inputSize});
            if (code == FilterSetKeyTable) {
                table =
                    WatchedKeyCodes(std::span(static_cast<const std::uint8_t*>(input), inputSize));
            }
            return true;
        }
        ++reads;
        m_readSinceDelivery = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_cancelled || !m_events.empty(); });
        if (m_events.empty()) {
            return false;
        }
        const auto bytes = EncodeFilterKeyEvent(m_events.front());
        m_events.pop_front();
        m_readSinceDelivery = false;
        std::copy_n(bytes.begin(), std::min(outputSize, bytes.size()),
                    static_cast<std::uint8_t*>(output));
        return true;
    }
    void Cancel() override {
        std::lock_guard lock(m_mutex);
        m_cancelled = true;
        m_changed.notify_all();
    }
    void Rearm() override {
        std::lock_guard lock(m_mutex);
        m_cancelled = false;
    }
    void Close() override {}

    void Push(FilterKeyEvent event) {
        std::lock_guard lock(m_mutex);
        m_events.push_back(event);
        m_changed.notify_all();
    }
    void Push(std::uint16_t keyCode, bool pressed) { Push({keyCode, 0, pressed}); }
    // Waits until every pushed event has been handed out and a read has begun after the last
    // one, so that every event has been fully handled.
    void WaitUntilDrained() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_events.empty() && m_readSinceDelivery; });
    }

    // Waits until `count` reads have begun (so the events pushed before were all handed out).
    void WaitForReads(int count) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return reads >= count; });
    }

    // The filter completes its other controls later rather than at once, so they wait too.
    bool controlsWait = false;
    std::vector<std::pair<std::uint32_t, std::size_t>> controls; // all but the reads
    std::vector<std::uint16_t> table; // watched codes of the last table sent (empty: cleared)
    int reads = 0;

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<FilterKeyEvent> m_events;
    bool m_readSinceDelivery = false;
    bool m_cancelled = false;
};
