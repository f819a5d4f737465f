#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace emulator {

// What the keyboard keeps after the reports it received. Fields hold the values as they
// arrived on the wire (the feature protocol sends levels counted from 0), except the light
// mode, which is kept 1-based whichever command set chose it.
struct LightState {
    int mode = 1;
    int brightness = 0;
    int speed = 0;
    int direction = 0;
    int colorful = 0;
    int colorIndex = 0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    int colourSet = 0;
    int previewMode = 0;
    int musicOption = 0;
    int musicColour = 0;
    int musicLevel = 0;
    int factoryResets = 0;
    bool resetPending = false;
    bool streamStarted = false;
    std::array<std::uint8_t, 440> userColours{};
    std::array<std::uint8_t, 330> keyColours{};
};

// The keyboard's firmware side of both command sets: it reads each report it receives and
// updates its light state; it answers the feature read with its firmware version.
class Keyboard {
public:
    void SetFirmwareVersion(std::uint16_t version) { m_version = version; }
    std::uint16_t FirmwareVersion() const { return m_version; }

    // data starts with the report id; auxiliary is true for the per-key stream interface.
    void OnOutputReport(std::span<const std::uint8_t> data, bool auxiliary);
    void OnFeatureReport(std::span<const std::uint8_t> data);
    std::array<std::uint8_t, 8> FeatureReply() const;

    const LightState& State() const { return m_state; }
    void Reset() { m_state = LightState{}; }

private:
    void OnPayload(std::span<const std::uint8_t> payload);
    void OnCommandReport(std::span<const std::uint8_t> report);
    void FactoryReset();

    LightState m_state;
    std::uint16_t m_version = 0x0100;
};

} // namespace emulator
