#pragma once

#include "app/core/DeviceEntry.h"
#include "app/device/DeviceWorker.h"
#include "app/device/TimerResolution.h"
#include "app/device/WorkerHost.h"
#include "app/update/UpdateService.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// The main window as the worker sees it: answers from plain fields, and every call it
// receives written down in order ("enable 0", "close wait", "play 7", ...).
class FakeWorkerHost : public WorkerHost {
public:
    std::atomic<bool> visible{true};
    std::atomic<int> tab{1};
    std::atomic<int> deviceType{201};
    std::atomic<std::uint32_t> featureMask{0x47};
    std::atomic<int> lightMode{1};
    std::atomic<std::uint32_t> lightFunctions{0};
    std::atomic<int> colourSet{0};
    std::atomic<bool> paintResult{true};
    std::vector<KeyColour> paintedKeys{{41, 0x0000FF}, {42, 0x00FF00}};
    LightPositions positions{{41, 0}, {42, 1}};
    // Runs inside ResetDeviceSelector, i.e. in the middle of a refresh.
    std::function<void()> duringRefresh;

    std::vector<std::string> Calls() const {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    int Count(const std::string& call) const {
        const std::vector<std::string> calls = Calls();
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    void ClearCalls() {
        std::lock_guard lock(m_mutex);
        m_calls.clear();
    }

    bool IsMainWindowVisible() override { return visible; }
    int CurrentTab() override { return tab; }
    int DeviceType() override { return deviceType; }
    std::uint32_t FeatureMask() override { return featureMask; }
    LightPositions KeyLightPositions() override { return positions; }
    int SelectedLightMode() override { return lightMode; }
    std::uint32_t SelectedLightFunctions() override { return lightFunctions; }
    int SelectedColourSet() override { return colourSet; }
    UpdateSources UpdateAddresses() override { return {L"1.0.0", L"http://p", L"http://f", {}}; }

    void EnableMainWindow(bool enable) override { Note(enable ? "enable 1" : "enable 0"); }
    void CloseWaitDialog() override { Note("close wait"); }
    void LoadMacroPage() override { Note("macro page"); }
    void LoadProfileList() override { Note("key page"); }
    void ReprogramKeyFilter() override { Note("key filter"); }
    void LoadLightPage() override { Note("light page"); }
    void SetUpMusic() override { Note("music set-up"); }
    void StartVisualizer() override { Note("visualizer"); }
    bool PaintKeyFrame(std::uint32_t functions, std::vector<KeyColour>& keys) override {
        Note("paint " + std::to_string(functions));
        keys = paintedKeys;
        return paintResult;
    }
    void PlayMacro(int macroId) override { Note("play " + std::to_string(macroId)); }

    void CloseSecondaryWindows() override { Note("close secondary"); }
    void ResetDeviceSelector() override {
        Note("reset selector");
        if (duringRefresh) {
            duringRefresh();
        }
    }
    void MarkDeviceConnected(int type) override { Note("mark " + std::to_string(type)); }
    void ShowConnectedState() override { Note("connected"); }
    void ShowNotConnectedState() override { Note("not connected"); }

private:
    void Note(std::string call) {
        std::lock_guard lock(m_mutex);
        m_calls.push_back(std::move(call));
    }

    mutable std::mutex m_mutex;
    std::vector<std::string> m_calls;
};

// An update service that is never reachable; counts what was asked of it.
class UnreachableTransfer : public UpdateTransfer {
public:
    int FetchText(const std::wstring&, std::wstring&) override {
        ++fetches;
        return 0;
    }
    int DownloadFile(const std::wstring&, const std::filesystem::path&) override {
        ++downloads;
        return 0;
    }
    std::atomic<int> fetches{0};
    std::atomic<int> downloads{0};
};

class QuietUpdateHost : public UpdateHost {
public:
    int ReadFirmwareVersion() override { return -1; }
    void MarkProgramUpdate() override {}
    void MarkFirmwareUpdate() override {}
    void QueueFirmwareInstall() override {}
    bool StartProgram(const std::filesystem::path&) override { return false; }
    void EndProgram() override {}
};

class CountingResolution : public TimerResolution {
public:
    void Raise() override { ++raised; }
    void Restore() override { ++restored; }
    std::atomic<int> raised{0};
    std::atomic<int> restored{0};
};

// The keyboard's three connection modes as the shipped device list describes them.
inline std::vector<DeviceEntry> ShippedConnections(int deviceType = 201) {
    std::vector<DeviceEntry> list(3);
    const wchar_t* fragments[] = {L"VID_35F1&PID_4614", L"VID_35F1&PID_4615",
                                  L"VID&000235F1_PID&4616"};
    for (int mode = 0; mode < 3; ++mode) {
        list[mode].deviceType = deviceType;
        list[mode].connectionMode = mode;
        list[mode].vendorId = 0x35F1;
        list[mode].productId = 0x4614 + mode;
        list[mode].interfaceFragment = fragments[mode];
    }
    return list;
}
