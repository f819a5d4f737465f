#include "app/device/QuillpadReports.h"

#include <algorithm>

QuillpadFrame BuildQuillpadFrame(std::span<const std::uint8_t> data, std::uint8_t reportId) {
    QuillpadFrame frame{};
    frame[0] = 0x05;
    std::size_t start = 1;
    if (reportId != 0) {
        frame[1] = reportId;
        start = 2;
    }
    const std::size_t count = std::min(data.size(), QuillpadFrameSize - start);
    std::copy_n(data.begin(), count, frame.begin() + static_cast<std::ptrdiff_t>(start));
    return frame;
}

bool SetKeyboardUsage(QuillpadReports& reports, int usage, bool pressed) {
    if (usage < 0 || usage > 255) {
        return false;
    }
    std::uint8_t& byte = reports.keyboard[1 + (usage >> 3)];
    const auto bit = static_cast<std::uint8_t>(1u << (usage & 7));
    byte = pressed ? static_cast<std::uint8_t>(byte | bit) : static_cast<std::uint8_t>(byte & ~bit);
    return true;
}

bool IsKeyboardUsagePressed(const QuillpadReports& reports, int usage) {
    if (usage < 0 || usage > 255) {
        return false;
    }
    return (reports.keyboard[1 + (usage >> 3)] >> (usage & 7)) & 1;
}

bool SetMouseButtonBit(QuillpadReports& reports, int bit, bool pressed) {
    if (bit < 0 || bit > 7) {
        return false;
    }
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    reports.mouse[0] = pressed ? static_cast<std::uint8_t>(reports.mouse[0] | mask)
                               : static_cast<std::uint8_t>(reports.mouse[0] & ~mask);
    return true;
}

void SetConsumerUsage(QuillpadReports& reports, std::uint16_t usage) {
    reports.consumer[0] = static_cast<std::uint8_t>(usage & 0xFF);
    reports.consumer[1] = static_cast<std::uint8_t>(usage >> 8);
}

std::uint16_t ConsumerUsage(const QuillpadReports& reports) {
    return static_cast<std::uint16_t>(reports.consumer[0] | (reports.consumer[1] << 8));
}
