#include "app/device/DeviceWorker.h"

#include "app/core/DeviceDescription.h"
#include "app/store/ProfileStore.h"
#include "app/update/UpdateService.h"

using namespace std::chrono_literals;

namespace {

// Lighting is stored under this profile whatever profile the key page shows.
constexpr int kLightingProfile = 1;
// The per-key frame and the light preview are for report protocol keyboards below this type.
constexpr int kPerKeyTypeLimit = 200;
constexpr std::uint32_t kMusicLight = 0x200;
constexpr std::uint32_t kScreenLight = 0x400;
constexpr auto kAfterLightTask = 100ms;

LightSettings FromRow(const LightSetting& row) {
    LightSettings light;
    light.mode = row.mode;
    light.brightness = row.brightness;
    light.speed = row.speed;
    light.direction = row.direction;
    light.colorful = row.colorful;
    light.colorIndex = row.colorIndex;
    light.colorValue = static_cast<std::uint32_t>(row.colorValue);
    light.configFunc = static_cast<std::uint32_t>(row.modeAttribute);
    return light;
}

// Tasks that run whether or not a keyboard is there.
bool IsLocalTask(int code) {
    return code == kTaskFirstConnection || code == kTaskArrival || code == kTaskRemoval ||
           code == kTaskProgramCheck;
}

// Holds the raised timer resolution for the length of a pass.
class RaisedResolution {
public:
    explicit RaisedResolution(TimerResolution& timer) : m_timer(timer) { m_timer.Raise(); }
    ~RaisedResolution() { m_timer.Restore(); }
    RaisedResolution(const RaisedResolution&) = delete;
    RaisedResolution& operator=(const RaisedResolution&) = delete;

private:
    TimerResolution& m_timer;
};

} // namespace

DeviceWorker::DeviceWorker(const DeviceWorkerParts& parts, WorkerHost& host)
    : CThreadBasic(parts.pause), m_parts(parts), m_host(host),
      m_hotPlug(parts.devices, parts.connections, m_tasks, host) {}

DeviceWorker::~DeviceWorker() { Join(); }

void DeviceWorker::RunPass() {
    RaisedResolution resolution(m_parts.timer);
    if (const std::optional<int> task = m_tasks.Front()) {
        if (IsLocalTask(*task)) {
            RunLocalTask(*task);
        }
        if (!DeviceFound() || !DeviceDescribed()) {
            m_tasks.TakeFront();
            return;
        }
        m_host.EnableMainWindow(false);
        RunTask(*task);
        m_host.EnableMainWindow(true);
        m_tasks.TakeFront();
        PlayNextMacro();
        return;
    }
    if (!DeviceFound()) {
        return;
    }
    PaintKeyFrame();
    PlayNextMacro();
}

void DeviceWorker::RunLocalTask(int code) {
    switch (code) {
    case kTaskFirstConnection:
        if (!m_firstConnectionDone.exchange(true)) {
            m_hotPlug.Refresh();
            m_host.StartVisualizer();
        }
        break;
    case kTaskArrival:
    case kTaskRemoval:
        m_hotPlug.Refresh();
        break;
    case kTaskProgramCheck:
        m_parts.updates.CheckProgramUpdate(m_host.UpdateAddresses());
        break;
    default:
        break;
    }
}

void DeviceWorker::RunTask(int code) {
    switch (code) {
    case kTaskApplyProfile:
        ApplyProfile();
        break;
    case kTaskLightSettings:
        SendLightSettings(m_host.DeviceType());
        break;
    case kTaskUserColours:
        UploadUserColours();
        break;
    case kTaskFactoryReset:
        RestoreFactorySettings(m_host.DeviceType());
        break;
    case kTaskFirmwareCheck:
        m_parts.updates.CheckFirmwareUpdate(m_host.UpdateAddresses());
        break;
    case kTaskProgramInstall:
        m_parts.updates.InstallProgramUpdate(m_host.UpdateAddresses());
        break;
    case kTaskFirmwareInstall:
        m_parts.updates.InstallFirmwareUpdate(m_host.UpdateAddresses());
        break;
    default:
        break;
    }
}

void DeviceWorker::SendLightSettings(int deviceType) {
    LightSetting row;
    std::optional<LightSettings> light;
    if (m_parts.store.GetLightSetting(kLightingProfile, m_host.SelectedLightMode(), row)) {
        light = FromRow(row);
    }
    m_parts.protocol.SendLightSettings(deviceType, ConnectionKind(), light,
                                       m_host.SelectedColourSet());
    PauseAfterTask();
}

void DeviceWorker::UploadUserColours() {
    std::vector<KeyLight> rows;
    m_parts.store.ListKeyLights(kCustomKeyLightSet, rows);
    std::vector<KeyColour> colours;
    colours.reserve(rows.size());
    for (const KeyLight& row : rows) {
        colours.push_back({row.keyCode, static_cast<std::uint32_t>(row.color)});
    }
    m_parts.protocol.UploadUserColours(colours, m_host.KeyLightPositions());
    PauseAfterTask();
}

void DeviceWorker::RestoreFactorySettings(int deviceType) {
    m_parts.protocol.RestoreFactorySettings(deviceType, ConnectionKind());
    ReloadPages();
    PauseAfterTask();
}

void DeviceWorker::ApplyProfile() {
    const std::uint32_t features = m_host.FeatureMask();
    if (features & kFeatureMacros) {
        m_host.LoadMacroPage();
    }
    m_host.LoadProfileList();
    m_host.ReprogramKeyFilter();
    if (features & kFeatureLighting) {
        m_host.LoadLightPage();
        m_host.SetUpMusic();
    }
}

void DeviceWorker::ReloadPages() {
    m_host.LoadMacroPage();
    m_host.LoadProfileList();
    m_host.LoadLightPage();
}

void DeviceWorker::PauseAfterTask() {
    m_host.CloseWaitDialog();
    m_parts.sleeper.SleepFor(kAfterLightTask);
}

void DeviceWorker::PaintKeyFrame() {
    if (!m_host.IsMainWindowVisible() || m_host.CurrentTab() != kLightingTab) {
        return;
    }
    const int deviceType = m_host.DeviceType();
    if (deviceType >= kPerKeyTypeLimit) {
        return;
    }
    const std::uint32_t functions = m_host.SelectedLightFunctions() & (kMusicLight | kScreenLight);
    if (!functions) {
        return;
    }
    std::vector<KeyColour> keys;
    if (m_host.PaintKeyFrame(functions, keys)) {
        m_parts.protocol.SendKeyFrame(deviceType, ConnectionKind(), keys,
                                      m_host.KeyLightPositions());
    }
}

void DeviceWorker::PlayNextMacro() {
    if (const std::optional<int> macroId = m_macros.TakeFront()) {
        m_host.PlayMacro(*macroId);
    }
}
