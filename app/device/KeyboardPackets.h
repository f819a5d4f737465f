#pragma once

#include "app/device/DeviceManager.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

// The bytes of every packet sent to the keyboard. Nothing here touches a device.

// The light settings of one light mode as the profile stores them.
struct LightSettings {
    int mode = 1; // 1-based light mode
    int brightness = 0;
    int speed = 0;
    int direction = 0;
    int colorful = 0;
    int colorIndex = 0;
    std::uint32_t colorValue = 0; // 0x00BBGGRR
    std::uint32_t configFunc = 0;
};

// A key code and its colour (0x00BBGGRR).
struct KeyColour {
    int keyCode = 0;
    std::uint32_t colour = 0;
};

// Key code to light position: the key's index in per-key colour data.
using LightPositions = std::map<int, int>;

// Device types up to 200 speak the report protocol, 201 to 299 the feature protocol.
enum class CommandSet { Report, Feature, None };
CommandSet CommandSetFor(int deviceType);

// The light mode's colour set applies when its config_func has this bit.
constexpr std::uint32_t kUsesColourSet = 0x100;

constexpr std::size_t kUserColourImageSize = 440; // 4 bytes per light position
constexpr std::size_t kKeyColourImageSize = 330;  // 3 bytes per light position
constexpr int kUserColourPackets = 8;
constexpr int kKeyFramePackets = 6;

DeviceManager::Feature FeatureLightPacket(const LightSettings& light, int colourSet);
DeviceManager::Payload PayloadLightPacket(const LightSettings& light, int colourSet);
// parametersPending false selects the mode; true sends the mode's parameters.
DeviceManager::Report ReportLightPacket(const LightSettings& light, bool parametersPending);

DeviceManager::Feature FeatureResetPacket();
DeviceManager::Payload ResetStartPayload();
DeviceManager::Payload ResetEndPayload();
DeviceManager::Report ReportResetPacket();

// The input level (0 to 128) times the music slider's scale, limited to 0..255.
int MusicLevel(int inputLevel, double scale);
DeviceManager::Feature MusicLevelPacket(int option, int colourIndex, int level);

// The firmware's version written as hexadecimal digits and read back as a decimal number up
// to the first non-digit: 0x010A is "10a", which counts as 10.
int FirmwareNumber(int version);
// True when the published version (decimal text) is newer than the keyboard's number.
// Nothing is newer when the published text is empty or longer than 10 characters.
bool FirmwareOutdated(int firmwareNumber, const std::wstring& published);

// A zeroed image indexed by light position: red, green, blue, FF per position for the user
// colours; red, green, blue for the per-key frame. Keys without a position, or with one
// beyond the image, are left out.
std::vector<std::uint8_t> UserColourImage(std::span<const KeyColour> colours,
                                          const LightPositions& positions);
std::vector<std::uint8_t> KeyColourImage(std::span<const KeyColour> colours,
                                         const LightPositions& positions);
// Packet i of an upload: 60 image bytes from offset 60 × i, the last one shorter.
DeviceManager::Report UserColourPacket(std::span<const std::uint8_t> image, int i);
DeviceManager::Report KeyFramePacket(std::span<const std::uint8_t> image, int i);
DeviceManager::Report StreamStartPacket();

DeviceManager::Feature LightPreviewPacket(const LightSettings& light, int colourSet);
