#include "emulator/Keyboard.h"

#include <algorithm>

namespace emulator {

namespace {

// Copies one chunk of a multi-packet upload: [2] length, [3..4] offset, data from [5].
template <std::size_t N>
void StoreChunk(std::array<std::uint8_t, N>& image, std::span<const std::uint8_t> report) {
    if (report.size() < 5) {
        return;
    }
    const std::size_t length = report[2];
    const std::size_t offset = report[3] | (report[4] << 8);
    const std::size_t available = report.size() - 5;
    for (std::size_t i = 0; i < length && i < available && offset + i < N; ++i) {
        image[offset + i] = report[5 + i];
    }
}

bool StartsWith(std::span<const std::uint8_t> data, std::initializer_list<std::uint8_t> head) {
    return data.size() >= head.size() && std::equal(head.begin(), head.end(), data.begin());
}

// Both command sets carry the same light setting, each in its own byte order. Three of its
// bytes are the colour in the single-colour mode (4) and direction, speed and colour set in
// every other mode.
struct LightSetting {
    int mode;
    int colorIndex;
    int brightness;
    std::uint8_t first;
    std::uint8_t second;
    std::uint8_t third;
};

void Apply(const LightSetting& setting, LightState& state) {
    state.mode = setting.mode;
    state.colorIndex = setting.colorIndex;
    state.brightness = setting.brightness;
    if (setting.mode == 4) {
        state.red = setting.first;
        state.green = setting.second;
        state.blue = setting.third;
    } else {
        state.direction = setting.first;
        state.speed = setting.second;
        state.colourSet = setting.third;
    }
}

} // namespace

void Keyboard::OnOutputReport(std::span<const std::uint8_t> data, bool auxiliary) {
    if (data.size() < 2 || data[0] != 0x00) {
        return;
    }
    if (auxiliary) {
        if (data[1] == 0xF1) {
            StoreChunk(m_state.keyColours, data);
        }
        return;
    }
    if (StartsWith(data.subspan(1), {0xBB, 0xAA, 0x99, 0x88})) {
        OnPayload(data.subspan(1));
    } else {
        OnCommandReport(data);
    }
}

void Keyboard::OnPayload(std::span<const std::uint8_t> payload) {
    if (payload.size() < 11) {
        return;
    }
    if (StartsWith(payload.subspan(4), {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA})) {
        m_state.resetPending = true;
        return;
    }
    if (payload[4] == 0xAA) {
        Apply({payload[5] + 1, payload[6], payload[9], payload[7], payload[8], payload[10]},
              m_state);
        return;
    }
    if (m_state.resetPending &&
        std::all_of(payload.begin() + 4, payload.end(), [](std::uint8_t b) { return b == 0; })) {
        FactoryReset();
    }
}

void Keyboard::OnCommandReport(std::span<const std::uint8_t> report) {
    if (report.size() < 8) {
        return;
    }
    switch (report[1]) {
    case 0x88:
        m_state.mode = report[3];
        break;
    case 0x89:
        m_state.direction = (report[3] >> 4) & 3;
        m_state.colorful = (report[3] & 0x40) ? 1 : 0;
        m_state.speed = report[3] & 0x0F;
        m_state.red = report[4];
        m_state.green = report[5];
        m_state.blue = report[6];
        m_state.brightness = report[7];
        break;
    case 0x8B:
        StoreChunk(m_state.userColours, report);
        break;
    case 0xF0:
        if (report[2] == 0xF4) {
            m_state.streamStarted = true;
        }
        break;
    case 0xFF:
        if (StartsWith(report.subspan(1), {0xFF, 0xFE, 0xAA, 0xFF})) {
            FactoryReset();
        }
        break;
    default:
        break;
    }
}

void Keyboard::OnFeatureReport(std::span<const std::uint8_t> data) {
    if (data.size() < 8 || data[0] != 0x07) {
        return;
    }
    if (data[1] == 0xF7) {
        Apply({data[2] + 1, data[3], data[6], data[4], data[5], data[7]}, m_state);
    } else if (data[1] == 0xF0 && data[2] == 0xAA) {
        FactoryReset();
    } else if (StartsWith(data.subspan(1), {0x23, 0x45, 0x67, 0x89})) {
        m_state.musicOption = data[5];
        m_state.musicColour = data[6];
        m_state.musicLevel = data[7];
    } else if (data[1] == 0xFF && data[2] == 0xFF) {
        m_state.previewMode = data[3] + 1;
        m_state.brightness = data[4];
        m_state.speed = data[5];
        m_state.colourSet = data[7];
    }
}

// The light settings return to their defaults; the count of resets and the per-key stream
// survive, as they are not settings.
void Keyboard::FactoryReset() {
    LightState fresh;
    fresh.factoryResets = m_state.factoryResets + 1;
    fresh.streamStarted = m_state.streamStarted;
    m_state = fresh;
}

std::array<std::uint8_t, 8> Keyboard::FeatureReply() const {
    return {0x07,
            static_cast<std::uint8_t>(m_version >> 8),
            static_cast<std::uint8_t>(m_version & 0xFF),
            0,
            0,
            0,
            0,
            0};
}

} // namespace emulator
