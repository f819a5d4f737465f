#pragma once

#include "app/device/QuillpadChannel.h"
#include "app/device/QuillpadReports.h"

#include <cstddef>
#include <cstdint>
#include <mutex>

// The write operation every report is bound to.
class IQuillpadProxy {
public:
    virtual ~IQuillpadProxy() = default;
    virtual bool Write(const std::uint8_t* data, std::size_t length, std::uint8_t reportId) = 0;
};

// The virtual keyboard, mouse and consumer-control device. Key events (filter monitor thread) and
// macro playback (device worker) write at the same time, so each report change and its write
// form one step under m_lock: no thread ever sends a report another one has half changed.
// The device stays open between writes; it is searched again only when a write fails.
class Quillpad : public IQuillpadProxy {
public:
    explicit Quillpad(IQuillpadChannel& channel) : m_channel(channel) {}

    // Closes the device and searches for it again.
    bool Find();

    // Each returns whether its report reached the device; a usage outside 0-255 sends nothing.
    bool SetKey(int usage, bool pressed);
    bool SetMouseButton(int bit, bool pressed);
    bool SetConsumer(std::uint16_t usage);
    // Zeroes the four reports and sends them: keyboard, mouse, consumer, fourth.
    bool Reset();

    bool Write(const std::uint8_t* data, std::size_t length, std::uint8_t reportId) override;

    QuillpadReports Reports() const;

private:
    bool WriteLocked(const std::uint8_t* data, std::size_t length, std::uint8_t reportId);

    IQuillpadChannel& m_channel;
    mutable std::mutex m_lock; // guards m_reports and every write to m_channel
    QuillpadReports m_reports;
};
