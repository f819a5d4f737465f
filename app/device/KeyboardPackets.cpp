#include "app/device/KeyboardPackets.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr std::uint8_t kFeatureId = 0x07;
constexpr std::uint8_t kPayloadHeader[] = {0xBB, 0xAA, 0x99, 0x88};
constexpr int kChunk = 60;

std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }
std::uint8_t Red(std::uint32_t colour) { return Byte(static_cast<int>(colour)); }
std::uint8_t Green(std::uint32_t colour) { return Byte(static_cast<int>(colour >> 8)); }
std::uint8_t Blue(std::uint32_t colour) { return Byte(static_cast<int>(colour >> 16)); }

// Levels are sent counted from 0, and a level of 0 stays 0.
std::uint8_t LevelByte(int level) { return Byte(level > 0 ? level - 1 : 0); }

std::uint8_t ColourSetByte(const LightSettings& light, int colourSet) {
    return (light.configFunc & kUsesColourSet) ? Byte(colourSet) : 0;
}

DeviceManager::Payload StartPayload() {
    DeviceManager::Payload payload{};
    std::copy(std::begin(kPayloadHeader), std::end(kPayloadHeader), payload.begin());
    return payload;
}

DeviceManager::Report ChunkPacket(std::uint8_t command, std::span<const std::uint8_t> image, int i,
                                  int lastLength, bool last) {
    DeviceManager::Report report{};
    const int offset = kChunk * i;
    report[1] = command;
    report[2] = Byte(last ? lastLength : kChunk);
    report[3] = Byte(offset);
    report[4] = Byte(offset >> 8);
    for (int k = 0; k < kChunk; ++k) {
        const std::size_t at = static_cast<std::size_t>(offset + k);
        report[5 + k] = at < image.size() ? image[at] : 0;
    }
    return report;
}

template <std::size_t BytesPerKey>
std::vector<std::uint8_t> Image(std::size_t size, std::span<const KeyColour> colours,
                                const LightPositions& positions) {
    std::vector<std::uint8_t> image(size, 0);
    for (const KeyColour& key : colours) {
        const auto found = positions.find(key.keyCode);
        if (found == positions.end() || found->second < 0) {
            continue;
        }
        const std::size_t at = static_cast<std::size_t>(found->second) * BytesPerKey;
        if (at + BytesPerKey > size) {
            continue;
        }
        image[at] = Red(key.colour);
        image[at + 1] = Green(key.colour);
        image[at + 2] = Blue(key.colour);
        if constexpr (BytesPerKey == 4) {
            image[at + 3] = 0xFF;
        }
    }
    return image;
}

} // namespace

CommandSet CommandSetFor(int deviceType) {
    if (deviceType <= 200) {
        return CommandSet::Report;
    }
    return deviceType <= 299 ? CommandSet::Feature : CommandSet::None;
}

DeviceManager::Feature FeatureLightPacket(const LightSettings& light, int colourSet) {
    DeviceManager::Feature packet{kFeatureId,
                                  0xF7,
                                  Byte(light.mode - 1),
                                  Byte(light.colorIndex),
                                  Byte(light.direction),
                                  LevelByte(light.speed),
                                  LevelByte(light.brightness),
                                  ColourSetByte(light, colourSet)};
    if (light.mode == 4) {
        packet[4] = Red(light.colorValue);
        packet[5] = Green(light.colorValue);
        packet[7] = Blue(light.colorValue);
    }
    if (light.mode == 9) {
        packet[3] = Byte(light.colorIndex);
        packet[4] = Byte(light.direction);
        packet[5] = Byte(light.speed);
    }
    return packet;
}

DeviceManager::Payload PayloadLightPacket(const LightSettings& light, int colourSet) {
    DeviceManager::Payload payload = StartPayload();
    payload[4] = 0xAA;
    payload[5] = Byte(light.mode - 1);
    payload[6] = Byte(light.colorIndex);
    payload[7] = Byte(light.direction);
    payload[8] = LevelByte(light.speed);
    payload[9] = LevelByte(light.brightness);
    payload[10] = ColourSetByte(light, colourSet);
    if (light.mode == 4) {
        payload[7] = Red(light.colorValue);
        payload[8] = Green(light.colorValue);
        payload[10] = Blue(light.colorValue);
    }
    return payload;
}

DeviceManager::Report ReportLightPacket(const LightSettings& light, bool parametersPending) {
    DeviceManager::Report report{};
    if (!parametersPending) {
        report[1] = 0x88;
        report[3] = Byte(light.mode);
        return report;
    }
    report[1] = 0x89;
    report[3] =
        Byte(((light.direction & 3) << 4) | (light.colorful ? 0x40 : 0) | (light.speed & 0x0F));
    report[4] = Red(light.colorValue);
    report[5] = Green(light.colorValue);
    report[6] = Blue(light.colorValue);
    report[7] = Byte(light.brightness);
    return report;
}

DeviceManager::Feature FeatureResetPacket() { return {kFeatureId, 0xF0, 0xAA, 0, 0, 0, 0, 0}; }

DeviceManager::Payload ResetStartPayload() {
    DeviceManager::Payload payload = StartPayload();
    std::fill_n(payload.begin() + 4, 6, 0xAA);
    return payload;
}

DeviceManager::Payload ResetEndPayload() { return StartPayload(); }

DeviceManager::Report ReportResetPacket() {
    DeviceManager::Report report{};
    report[1] = 0xFF;
    report[2] = 0xFE;
    report[3] = 0xAA;
    report[4] = 0xFF;
    return report;
}

int MusicLevel(int inputLevel, double scale) {
    const double level = inputLevel * scale;
    if (!(level > 0)) {
        return 0;
    }
    return level >= 255 ? 255 : static_cast<int>(level);
}

DeviceManager::Feature MusicLevelPacket(int option, int colourIndex, int level) {
    return {kFeatureId, 0x23, 0x45, 0x67, 0x89, Byte(option), Byte(colourIndex), Byte(level)};
}

int FirmwareNumber(int version) {
    const std::string hex = [&] {
        char text[16];
        std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(version));
        return std::string(text);
    }();
    int number = 0;
    for (char c : hex) {
        if (c < '0' || c > '9') {
            break;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

bool FirmwareOutdated(int firmwareNumber, const std::wstring& published) {
    if (published.empty() || published.size() > 10) {
        return false;
    }
    long long number = 0;
    for (wchar_t c : published) {
        if (c < L'0' || c > L'9') {
            break;
        }
        number = number * 10 + (c - L'0');
    }
    return firmwareNumber < number;
}

std::vector<std::uint8_t> UserColourImage(std::span<const KeyColour> colours,
                                          const LightPositions& positions) {
    return Image<4>(kUserColourImageSize, colours, positions);
}

std::vector<std::uint8_t> KeyColourImage(std::span<const KeyColour> colours,
                                         const LightPositions& positions) {
    return Image<3>(kKeyColourImageSize, colours, positions);
}

DeviceManager::Report UserColourPacket(std::span<const std::uint8_t> image, int i) {
    return ChunkPacket(0x8B, image, i, 20, i == kUserColourPackets - 1);
}

DeviceManager::Report KeyFramePacket(std::span<const std::uint8_t> image, int i) {
    return ChunkPacket(0xF1, image, i, 30, i == kKeyFramePackets - 1);
}

DeviceManager::Report StreamStartPacket() {
    DeviceManager::Report report{};
    report[1] = 0xF0;
    report[2] = 0xF4;
    report[3] = 0x01;
    return report;
}

DeviceManager::Feature LightPreviewPacket(const LightSettings& light, int colourSet) {
    return {kFeatureId,
            0xFF,
            0xFF,
            Byte(light.mode - 1),
            Byte(light.brightness),
            Byte(light.speed),
            0,
            ColourSetByte(light, colourSet)};
}
