#pragma once

#include "app/device/FilterChannel.h"
#include "app/device/FilterProtocol.h"
#include "app/device/SlimSync_win.h"

#include <cstdint>
#include <deque>
#include <future>
#include <set>
#include <thread>

namespace HidUsbFilter {

// The key filter without a driver: a low-level keyboard hook on its own thread watches the keys
// of the key table (HID usages), swallows them and queues their press and release events for
// the key-event read. Auto-repeated presses are swallowed without an event, and injected input
// (this program's own virtual keyboard among it) passes untouched. One per process.
class DriverlessFilter : public IFilterChannel {
public:
    DriverlessFilter() = default;
    ~DriverlessFilter() override;
    DriverlessFilter(const DriverlessFilter&) = delete;
    DriverlessFilter& operator=(const DriverlessFilter&) = delete;

    // Starts the hook thread; false when the hook cannot be installed.
    bool Open() override;
    bool Control(std::uint32_t code, const void* input, std::size_t inputSize, void* output,
                 std::size_t outputSize) override;
    void Cancel() override;
    void Rearm() override;
    void Close() override;

    // Called on the hook thread; true to swallow the key. Virtual so that a timing harness can
    // see the moment the hook is reached.
    virtual bool OnHookKey(int virtualKey, std::uint32_t scanCode, std::uint32_t flags, bool down);

private:
    void RunHookThread(std::promise<bool>* installed);

    std::thread m_thread;
    std::uint32_t m_threadId = 0;

    SlimLock m_lock; // guards everything below
    SlimCondition m_changed;
    std::set<std::uint16_t> m_watched;
    std::set<std::uint16_t> m_down;
    std::deque<FilterKeyEvent> m_events;
    bool m_cancelled = false;
};

} // namespace HidUsbFilter
