#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The virtual keyboard's reports and the 64-byte frame each one travels in. Pure functions over
// byte arrays, so the exact bytes can be checked without a device.

constexpr std::size_t QuillpadFrameSize = 64;
using QuillpadFrame = std::array<std::uint8_t, QuillpadFrameSize>;

constexpr std::uint8_t QuillpadKeyboardReportId = 1;
constexpr std::uint8_t QuillpadMouseReportId = 2;
constexpr std::uint8_t QuillpadConsumerReportId = 3;
constexpr std::uint8_t QuillpadFourthReportId = 4;

struct QuillpadReports {
    // Byte 0 is always 0; usage u is bit (u & 7) of byte 1 + (u >> 3).
    std::array<std::uint8_t, 33> keyboard{};
    // Byte 0 holds the button bits.
    std::array<std::uint8_t, 4> mouse{};
    // Consumer-control usage, little-endian; 0 means released.
    std::array<std::uint8_t, 2> consumer{};
    std::array<std::uint8_t, 2> fourth{};
};

// The frame of one report: [0] = 05; a non-zero report id at [1] with the data from [2] (at most
// 62 bytes), report id 0 puts the data from [1] (at most 63 bytes); the rest is zero.
QuillpadFrame BuildQuillpadFrame(std::span<const std::uint8_t> data, std::uint8_t reportId);

// False, and no change, for a usage outside 0-255.
bool SetKeyboardUsage(QuillpadReports& reports, int usage, bool pressed);
bool IsKeyboardUsagePressed(const QuillpadReports& reports, int usage);

// False, and no change, for a bit outside 0-7 (the report is still worth resending).
bool SetMouseButtonBit(QuillpadReports& reports, int bit, bool pressed);

void SetConsumerUsage(QuillpadReports& reports, std::uint16_t usage);
std::uint16_t ConsumerUsage(const QuillpadReports& reports);
