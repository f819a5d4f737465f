#pragma once

#include "app/device/DeviceManager.h"
#include "app/device/KeyboardPackets.h"
#include "app/device/Sleeper.h"

#include <atomic>
#include <optional>
#include <span>

// Sends the keyboard's commands through the device manager: which packets, in which order,
// with which waits between them, for the command set of the device type and for the
// connection kind (0 cable, anything else wireless).
//
// One object lives for the whole run: the per-key stream is started at most once per run,
// even across reconnections.
class KeyboardProtocol {
public:
    explicit KeyboardProtocol(DeviceManager& devices, Sleeper& sleeper = ThreadSleeper());

    // The lighting page clears it when the user picks another mode, so the next report
    // protocol light command selects the mode instead of sending parameters.
    void SetParametersPending(bool pending) { m_parametersPending = pending; }
    bool ParametersPending() const { return m_parametersPending; }
    bool StreamStarted() const { return m_streamStarted; }

    // Nothing is sent without a stored row. colourSet is the user colour set selected on the
    // lighting page.
    void SendLightSettings(int deviceType, int connectionKind,
                           const std::optional<LightSettings>& light, int colourSet);
    void RestoreFactorySettings(int deviceType, int connectionKind);
    bool SendMusicLevel(int option, int colourIndex, int level);
    // The firmware number (see FirmwareNumber); false when the version could not be read.
    bool ReadFirmwareNumber(int& number);
    // User colour set 0, sent as report protocol packets to every keyboard. False when a
    // write failed; the packets before it stay sent.
    bool UploadUserColours(std::span<const KeyColour> colours, const LightPositions& positions);
    // The keyboard view's colours, for report protocol keyboards below type 200 on cable.
    // False when nothing or not everything was sent.
    bool SendKeyFrame(int deviceType, int connectionKind, std::span<const KeyColour> keys,
                      const LightPositions& positions);
    void SendLightPreview(int deviceType, const LightSettings& light, int colourSet);

private:
    DeviceManager& m_devices;
    Sleeper& m_sleeper;
    std::atomic<bool> m_parametersPending{true}; // written by the user-interface thread
    bool m_streamStarted = false;                // worker thread only
};
