#pragma once

#include "app/core/DeviceEntry.h"
#include "app/device/CThreadBasic.h"
#include "app/device/DeviceManager.h"
#include "app/device/HotPlug.h"
#include "app/device/KeyboardProtocol.h"
#include "app/device/Sleeper.h"
#include "app/device/TimerResolution.h"
#include "app/device/WorkerHost.h"
#include "app/device/WorkerQueue.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

class ProfileStore;
class UpdateService;

// Device task codes (arrival, removal, firmware check and profile application in HotPlug.h).
constexpr int kTaskFirstConnection = 1;
constexpr int kTaskLightSettings = 7;
constexpr int kTaskUserColours = 8;
constexpr int kTaskFactoryReset = 10;
constexpr int kTaskProgramCheck = 12;
constexpr int kTaskProgramInstall = 14;
constexpr int kTaskFirmwareInstall = 15;

// The main tab whose keyboard view shows the per-key light.
constexpr int kLightingTab = 3;

// Everything the worker reaches outside the main window.
struct DeviceWorkerParts {
    DeviceManager& devices;
    KeyboardProtocol& protocol;
    ProfileStore& store;
    UpdateService& updates;
    std::vector<DeviceEntry>& connections;
    Sleeper& sleeper;       // a task's own waits
    Sleeper& pause;         // the pause between passes
    TimerResolution& timer; // raised for each pass
};

// The one background thread that talks to the keyboard. The user interface queues task codes
// and returns at once; each pass takes at most one task and runs it to the end, and when
// there is none drives the per-key light frame. A second queue holds macros to play.
class DeviceWorker : public CThreadBasic {
public:
    DeviceWorker(const DeviceWorkerParts& parts, WorkerHost& host);
    ~DeviceWorker() override;

    void QueueTask(int code) { m_tasks.Append(code); }
    void QueueMacro(int macroId) { m_macros.Append(macroId); }
    // Macros queued for a mapping that changed, or a keyboard that went away, do not play.
    void ClearMacros() { m_macros.Clear(); }
    std::vector<int> PendingTasks() const { return m_tasks.Snapshot(); }
    std::vector<int> PendingMacros() const { return m_macros.Snapshot(); }

    // The main window's device-change handler (user-interface thread).
    bool OnDeviceChange(std::uint32_t event, std::uint32_t broadcastType,
                        const std::wstring& name) {
        return m_hotPlug.OnDeviceChange(event, broadcastType, name);
    }

    bool DeviceFound() const { return m_hotPlug.DeviceFound(); }
    bool DeviceDescribed() const { return m_hotPlug.DeviceDescribed(); }
    int ConnectionKind() const { return m_hotPlug.ConnectionKind(); }
    bool FirstConnectionDone() const { return m_firstConnectionDone.load(); }

    // One pass, as the thread runs it every period.
    void RunPass();

protected:
    void Pass() override { RunPass(); }

private:
    void RunTask(int code);
    void RunLocalTask(int code);
    void SendLightSettings(int deviceType);
    void UploadUserColours();
    void RestoreFactorySettings(int deviceType);
    void ApplyProfile();
    void ReloadPages();
    void PaintKeyFrame();
    void PlayNextMacro();
    void PauseAfterTask();

    DeviceWorkerParts m_parts;
    WorkerHost& m_host;
    WorkerQueue m_tasks;
    WorkerQueue m_macros;
    HotPlug m_hotPlug;
    std::atomic<bool> m_firstConnectionDone{false}; // written by the worker only
};
