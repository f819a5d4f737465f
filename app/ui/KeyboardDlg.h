#pragma once

#include "app/core/DeviceCatalog.h"
#include "app/core/DeviceListHost.h"
#include "app/device/DeviceWorker.h"
#include "app/device/KeyboardProtocol.h"
#include "app/device/WorkerHost.h"
#include "app/input/KeyMapping.h"
#include "app/input/MappingData.h"
#include "app/input/PlaybackSleeper.h"
#include "app/ui/UiThreadCalls.h"
#include "app/update/HttpDownloader.h"
#include "app/update/UpdateService.h"

#include <windows.h>
// The device list's registration step shares its name with the Windows function, which the
// window calls by its wide name.
#undef RegisterDeviceNotification

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

// The program's main window: a 1280 x 720 popup centred on the screen, titled and tagged
// (window property, so a second copy can find it) with the application name. It carries the
// device worker, follows the keyboard through device-change notifications and runs the update
// checks; it shows the connection state, the keyboard's firmware version and the update marks
// as plain text lines. Running it returns when the window has closed: 1, or 0 when an update
// installer was started.
//
// Threads: the worker calls the WorkerHost and UpdateHost operations on its own thread; every
// one that touches the window runs on the user-interface thread through m_calls while the
// worker waits. Closing stops the worker (running the calls it still sends), closes the
// keyboard's interfaces and only then destroys the window.
class KeyboardDlg : public WorkerHost,
                    public UpdateHost,
                    public UpdateTransfer,
                    public DeviceListHost {
public:
    KeyboardDlg();
    ~KeyboardDlg() override;
    KeyboardDlg(const KeyboardDlg&) = delete;
    KeyboardDlg& operator=(const KeyboardDlg&) = delete;

    // Creates the window, shows it with `showCommand` and runs its messages until it closes.
    int DoModal(int showCommand);
    void EnqueueTask(int code) { m_worker.QueueTask(code); }

    // ConnectionDisplay.
    void CloseSecondaryWindows() override;
    void ResetDeviceSelector() override {}
    void MarkDeviceConnected(int) override {}
    void ShowConnectedState() override;
    void ShowNotConnectedState() override;

    // WorkerHost.
    bool IsMainWindowVisible() override;
    int CurrentTab() override { return m_tab.load(); }
    int DeviceType() override { return m_catalog.Description().currentDeviceType; }
    std::uint32_t FeatureMask() override { return m_featureMask.load(); }
    LightPositions KeyLightPositions() override { return m_catalog.Description().lightPositions; }
    // There is no lighting page yet: the layout's default mode, no per-key light, set 0.
    int SelectedLightMode() override { return m_catalog.Description().defaultLightMode; }
    std::uint32_t SelectedLightFunctions() override { return 0; }
    int SelectedColourSet() override { return 0; }
    UpdateSources UpdateAddresses() override { return m_sources; }
    void EnableMainWindow(bool enable) override;
    // No wait dialog and no pages yet: nothing to close or reload.
    void CloseWaitDialog() override {}
    void LoadMacroPage() override {}
    void LoadProfileList() override {}
    void LoadLightPage() override {}
    void SetUpMusic() override {}
    void ReprogramKeyFilter() override;
    void PlayMacro(int macroId) override;
    // No light engines yet.
    void StartVisualizer() override {}
    bool PaintKeyFrame(std::uint32_t, std::vector<KeyColour>&) override { return false; }

    // UpdateHost.
    int ReadFirmwareVersion() override;
    void MarkProgramUpdate() override;
    void MarkFirmwareUpdate() override;
    void QueueFirmwareInstall() override { EnqueueTask(kTaskFirmwareInstall); }
    bool StartProgram(const std::filesystem::path& program) override;
    void EndProgram() override;

    // UpdateTransfer, through the window's downloader.
    int FetchText(const std::wstring& url, std::wstring& text) override;
    int DownloadFile(const std::wstring& url, const std::filesystem::path& path) override;

    // DeviceListHost: the keyboard selector, labels and keyboard views are not shown yet.
    void AddDevice(const std::wstring&, int) override {}
    void SetVersionLabel(const std::wstring& text) override;
    void SetCopyrightLabel(const std::wstring&) override {}
    void RegisterDeviceNotification() override;
    void ClearItem(KeyboardView) override {}
    void SetKeyboardPicture(KeyboardView, const KeyRect&, const std::wstring&, int, int) override {}
    void AddKeyItem(KeyboardView, const std::wstring&, const std::wstring&, int,
                    const KeyRect&) override {}

private:
    enum Line { kStatusLine, kFirmwareLine, kUpdateLine, kVersionLine, kLineCount };
    // Asks the window, from any thread, to close.
    static constexpr UINT kEndMessage = WM_APP + 0x32;
    // Another process ends the program with this message and kExitRequest as second value.
    static constexpr UINT kExitMessage = 1691;
    static constexpr LPARAM kExitRequest = 610;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    // Finds the virtual keyboard and the key filter; false when the program cannot run.
    bool StartKeyMapping();
    void OnDeviceChange(WPARAM event, LPARAM data);
    void OnPaint();
    void Close();
    void StopWorker();
    // Sets a text line from any thread.
    void ShowLine(Line line, const std::wstring& text);
    void ShowUpdateMarks();

    HWND m_window = nullptr;
    std::array<HWND, kLineCount> m_lines{};
    HBRUSH m_background = nullptr;
    HFONT m_lineFont = nullptr;
    HDEVNOTIFY m_notification = nullptr;
    UiThreadCalls m_calls;

    DeviceCatalog m_catalog;
    KeyboardProtocol m_protocol;
    HttpDownloader m_downloader;
    UpdateService m_updates;
    // Fixed before the worker starts.
    UpdateSources m_sources;

    std::atomic<int> m_tab{0};
    std::atomic<std::uint32_t> m_featureMask{kAllFeatures};
    // User-interface thread only.
    bool m_programUpdate = false;
    bool m_firmwareUpdate = false;
    std::atomic<int> m_result{1};

    ThreadPlaybackSleeper m_macroSleeper;
    StoreMappingData m_mappingData;
    // Created at start-up; outlives the worker, which plays macros through it.
    std::unique_ptr<KeyMapping> m_keyMapping;

    // Last, so its thread has ended before anything it uses goes.
    DeviceWorker m_worker;
};
