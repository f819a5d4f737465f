#include "app/device/KeyboardProtocol.h"

using namespace std::chrono_literals;

namespace {

constexpr int kCable = 0;
// Below this device type the keyboard takes per-key frames and light previews.
constexpr int kPerKeyTypeLimit = 200;

constexpr auto kAfterReset = 100ms;
constexpr auto kBetweenResetPayloads = 1600ms;
constexpr auto kBeforeChunk = 1ms;

} // namespace

KeyboardProtocol::KeyboardProtocol(DeviceManager& devices, Sleeper& sleeper)
    : m_devices(devices), m_sleeper(sleeper) {}

void KeyboardProtocol::SendLightSettings(int deviceType, int connectionKind,
                                         const std::optional<LightSettings>& light, int colourSet) {
    if (!light) {
        return;
    }
    switch (CommandSetFor(deviceType)) {
    case CommandSet::Feature:
        if (connectionKind == kCable) {
            m_devices.SendFeature(FeatureLightPacket(*light, colourSet));
        } else {
            m_devices.WritePayload(PayloadLightPacket(*light, colourSet));
        }
        break;
    case CommandSet::Report:
        m_devices.WriteReport(ReportLightPacket(*light, m_parametersPending));
        m_parametersPending = true;
        break;
    case CommandSet::None:
        break;
    }
}

void KeyboardProtocol::RestoreFactorySettings(int deviceType, int connectionKind) {
    switch (CommandSetFor(deviceType)) {
    case CommandSet::Feature:
        if (connectionKind == kCable) {
            m_devices.SendFeature(FeatureResetPacket());
            m_sleeper.SleepFor(kAfterReset);
        } else {
            m_devices.WritePayload(ResetStartPayload());
            m_sleeper.SleepFor(kBetweenResetPayloads);
            m_devices.WritePayload(ResetEndPayload());
        }
        break;
    case CommandSet::Report:
        m_devices.WriteReport(ReportResetPacket());
        m_sleeper.SleepFor(kAfterReset);
        break;
    case CommandSet::None:
        break;
    }
}

bool KeyboardProtocol::SendMusicLevel(int option, int colourIndex, int level) {
    return m_devices.SendFeatureNow(MusicLevelPacket(option, colourIndex, level));
}

bool KeyboardProtocol::ReadFirmwareNumber(int& number) {
    int version = 0;
    if (!m_devices.ReadFirmwareVersion(version)) {
        return false;
    }
    number = FirmwareNumber(version);
    return true;
}

bool KeyboardProtocol::UploadUserColours(std::span<const KeyColour> colours,
                                         const LightPositions& positions) {
    const std::vector<std::uint8_t> image = UserColourImage(colours, positions);
    for (int i = 0; i < kUserColourPackets; ++i) {
        m_sleeper.SleepFor(kBeforeChunk);
        if (!m_devices.WriteReport(UserColourPacket(image, i))) {
            return false;
        }
    }
    return true;
}

bool KeyboardProtocol::SendKeyFrame(int deviceType, int connectionKind,
                                    std::span<const KeyColour> keys,
                                    const LightPositions& positions) {
    if (deviceType >= kPerKeyTypeLimit || connectionKind != kCable) {
        return false;
    }
    const std::vector<std::uint8_t> image = KeyColourImage(keys, positions);
    if (!m_streamStarted) {
        m_devices.WriteReport(StreamStartPacket());
        m_streamStarted = true;
    }
    for (int i = 0; i < kKeyFramePackets; ++i) {
        m_sleeper.SleepFor(kBeforeChunk);
        if (!m_devices.WriteAuxReport(KeyFramePacket(image, i))) {
            return false;
        }
    }
    return true;
}

void KeyboardProtocol::SendLightPreview(int deviceType, const LightSettings& light, int colourSet) {
    if (deviceType >= kPerKeyTypeLimit) {
        return;
    }
    m_devices.SendFeature(LightPreviewPacket(light, colourSet));
}
