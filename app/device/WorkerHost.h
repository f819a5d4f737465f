#pragma once

#include "app/device/KeyboardPackets.h"
#include "app/update/UpdateService.h"

#include <cstdint>
#include <vector>

// How a device refresh shows its outcome in the main window. The main window implements it.
class ConnectionDisplay {
public:
    virtual ~ConnectionDisplay() = default;

    // Closes the program's dialogs and menus before the window changes state.
    virtual void CloseSecondaryWindows() = 0;
    // Every keyboard on the home page's selector back to not connected.
    virtual void ResetDeviceSelector() = 0;
    virtual void MarkDeviceConnected(int deviceType) = 0;
    virtual void ShowConnectedState() = 0;
    virtual void ShowNotConnectedState() = 0;
};

// What the device worker reads from and does in the main window. The worker calls these on its
// own thread; a host whose windows belong to another thread runs the window calls there while
// the worker waits, so the order around each task holds: disabled before, enabled after, the
// wait dialog closed after the task.
class WorkerHost : public ConnectionDisplay {
public:
    // Window state the pass reads.
    virtual bool IsMainWindowVisible() = 0;
    virtual int CurrentTab() = 0;
    // Device type of the selected keyboard description.
    virtual int DeviceType() = 0;
    // The layout's pages (kFeatureMacros, kFeatureLighting, ...).
    virtual std::uint32_t FeatureMask() = 0;
    // Key code to position in the keyboard's per-key colour data.
    virtual LightPositions KeyLightPositions() = 0;
    // The light mode selected on the lighting page, its config_func bits and the user colour
    // set chosen there.
    virtual int SelectedLightMode() = 0;
    virtual std::uint32_t SelectedLightFunctions() = 0;
    virtual int SelectedColourSet() = 0;
    virtual UpdateSources UpdateAddresses() = 0;

    // The main window takes no input while a device task runs.
    virtual void EnableMainWindow(bool enable) = 0;
    virtual void CloseWaitDialog() = 0;

    // Page reloads after a profile is applied or the keyboard is reset.
    virtual void LoadMacroPage() = 0;
    virtual void LoadProfileList() = 0;
    virtual void ReprogramKeyFilter() = 0;
    virtual void LoadLightPage() = 0;
    virtual void SetUpMusic() = 0;

    // Light engines and macros.
    virtual void StartVisualizer() = 0;
    // Paints the keyboard view from the music (0x200) or screen (0x400) light and hands back
    // its keys' colours; false when no painted colour value was above 1.
    virtual bool PaintKeyFrame(std::uint32_t functions, std::vector<KeyColour>& keys) = 0;
    virtual void PlayMacro(int macroId) = 0;
};
