#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Pages of the main window that a layout enables.
enum FeatureBit : uint32_t {
    kFeatureCustomKeys = 0x01,
    kFeatureMacros = 0x02,
    kFeatureLighting = 0x04,
    kFeatureSettings = 0x40,
};
// Every page, until a layout says otherwise.
constexpr uint32_t kAllFeatures = 0x7F;

constexpr int kKeyGridRows = 8;
constexpr int kKeyGridColumns = 32;
constexpr uint8_t kEmptyGridCell = 255;
using KeyGrid = std::array<std::array<uint8_t, kKeyGridColumns>, kKeyGridRows>;

// Positions in the keyboard's per-key colour data: the colour images sent to it hold 110 keys.
constexpr int kLightPositionCount = 110;

// One built-in light mode of the keyboard.
struct LightModeInfo {
    // Language text id of its display name, in decimal.
    std::wstring name;
    int mode = 0;
    // Which settings the lighting page offers for the mode.
    int attribute = 0;
};

// The selected keyboard as its layout file and config.xml describe it.
struct DeviceDescription {
    DeviceDescription();

    // The code's position in the per-key colour data. Every code is at position 0 while the
    // table is empty; a code the layout does not list has none, and its colour is not sent.
    std::optional<int> LightPosition(int keyCode) const;

    // The firmware-update button is offered only for a layout that names a firmware package.
    bool HasFirmwarePackage() const;

    int currentDeviceType = 0;
    std::wstring currentKeyboardName;
    uint32_t featureMask = kAllFeatures;

    std::wstring firmwareVersion;
    std::wstring firmwareFile;
    std::wstring firmwareAddress;

    bool rgbKeyboard = false;
    int defaultLightMode = 0;
    int defaultBrightness = 0;
    int defaultSpeed = 0;
    int brightnessMax = 0;
    int speedMax = 0;
    std::vector<LightModeInfo> lightModes;

    // Key code to position in the per-key colour data; every position is below
    // kLightPositionCount.
    std::map<int, int> lightPositions;
    // Key codes by position on the keyboard; kEmptyGridCell where there is no key. Only the
    // first gridRows rows and gridColumns columns are in use.
    KeyGrid keyGrid;
    int gridRows = 0;
    int gridColumns = 0;

    std::wstring programVersion;
    std::wstring websiteAddress;
    std::wstring storeAddress;
    std::wstring upgradeAddress;
};
