#include "app/ui/KeyboardDlg.h"

#include "app/core/FilePath.h"
#include "app/core/Folders.h"
#include "app/device/DeviceManager.h"
#include "app/device/QuillpadSetup.h"
#include "app/store/ProfileStore.h"
#include "app/update/UpdateAddresses.h"
#include "toolkit/core/Manager.h"

#include <dbt.h>
#include <shellapi.h>

#include <cwchar>

namespace {

constexpr wchar_t kWindowClass[] = L"ClaviraMainWindow";
constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr COLORREF kBackground = RGB(24, 26, 31);
constexpr COLORREF kTitleColour = RGB(230, 232, 236);
constexpr COLORREF kLineColour = RGB(190, 196, 206);
constexpr int kLinesTop = 440;
constexpr int kLineHeight = 40;

// The HID device interface class.
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

// The toolkit's secondary windows that a device refresh closes, and those it only hides.
constexpr const wchar_t* kClosedWindows[] = {L"CloseWindowTipDlg", L"CustomKeyDlg", L"MessageBox",
                                             L"WaitDlg", L"Menu Window"};
constexpr const wchar_t* kHiddenWindows[] = {L"KeyboardTip Window", L"ComboWnd"};
constexpr WPARAM kCancelResult = 2;

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = OrvixUI::Manager::GetInstance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

// This process's first top-level toolkit window with the title; another copy of the program
// under another name has windows of the same class that are not ours to close.
HWND FindOwnToolkitWindow(const wchar_t* title) {
    struct Search {
        const wchar_t* title;
        HWND found;
    } search{title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t className[32] = {};
            wchar_t text[64] = {};
            GetClassNameW(window, className, 32);
            GetWindowTextW(window, text, 64);
            if (process == GetCurrentProcessId() && std::wcscmp(className, L"OrvixClient") == 0 &&
                std::wcscmp(text, search->title) == 0) {
                search->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring FirmwareText(int version) {
    if (version < 0) {
        return L"Firmware version: unknown";
    }
    wchar_t digits[16];
    std::swprintf(digits, 16, L"%x", static_cast<unsigned>(version));
    return std::wstring(L"Firmware version: ") + digits;
}

} // namespace

KeyboardDlg::KeyboardDlg()
    : m_catalog(GetProgramFolder(), GetDataFolder(), *this, DeviceManager::Instance(),
                ProfileStore::Instance()),
      m_protocol(DeviceManager::Instance()), m_updates(*this, *this),
      m_mappingData(ProfileStore::Instance()),
      m_worker(DeviceWorkerParts{DeviceManager::Instance(), m_protocol, ProfileStore::Instance(),
                                 m_updates, m_catalog.ConnectionList(), ThreadSleeper(),
                                 ThreadSleeper(), SystemTimerResolution()},
               *this) {}

KeyboardDlg::~KeyboardDlg() {
    StopWorker();
    if (m_lineFont) {
        DeleteObject(m_lineFont);
    }
    if (m_background) {
        DeleteObject(m_background);
    }
}

int KeyboardDlg::DoModal(int showCommand) {
    RegisterWindowClass(&KeyboardDlg::WindowProc);
    m_background = CreateSolidBrush(kBackground);
    const wchar_t* name = OrvixUI::Manager::GetDeviceName();
    m_window = CreateWindowExW(
        0, kWindowClass, name, WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
        kWidth, kHeight, nullptr, nullptr, OrvixUI::Manager::GetInstance(), this);
    if (!m_window) {
        return 0;
    }
    m_calls.Attach(m_window);
    SetPropW(m_window, name, reinterpret_cast<HANDLE>(1));
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(m_window, nullptr, work.left + (work.right - work.left - kWidth) / 2,
                 work.top + (work.bottom - work.top - kHeight) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    OnInitDialog();
    OrvixUI::Manager::MessageLoop();
    return m_result.load();
}

// The device list, the update addresses, then the worker with the program check and the first
// connection; the window is already showing when they run.
void KeyboardDlg::OnInitDialog() {
    m_lineFont = CreateFontW(-24, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                             OrvixUI::Manager::GetFontName());
    for (int line = 0; line < kLineCount; ++line) {
        m_lines[line] = CreateWindowExW(
            0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, kLinesTop + line * kLineHeight,
            kWidth, kLineHeight, m_window, nullptr, OrvixUI::Manager::GetInstance(), nullptr);
        SendMessageW(m_lines[line], WM_SETFONT, reinterpret_cast<WPARAM>(m_lineFont), FALSE);
    }
    ShowLine(kStatusLine, L"Looking for the keyboard");
    ShowUpdateMarks();
    if (!StartKeyMapping()) {
        m_result = 0;
        Close();
        return;
    }

    m_catalog.LoadDeviceList();
    const DeviceDescription& description = m_catalog.Description();
    m_featureMask = description.featureMask;
    m_sources = {description.programVersion, description.upgradeAddress,
                 description.firmwareAddress, PathFromWide(WorkFolder(GetDataFolder()))};

    m_worker.Start();
    EnqueueTask(kTaskProgramCheck);
    EnqueueTask(kTaskFirstConnection);
}

bool KeyboardDlg::StartKeyMapping() {
    if (SetUpInputChannels() == InputChannelChoice::Unavailable) {
        MessageBoxW(m_window, L"InstallDriver Error!", L"Install Driver", MB_OK | MB_ICONERROR);
        return false;
    }
    GetQuillpad().Reset();
    m_keyMapping = std::make_unique<KeyMapping>(
        KeyMappingParts{GetQuillpad(), GetFilterChannel(), m_mappingData, m_macroSleeper,
                        [this](int macroId) { m_worker.QueueMacro(macroId); }});
    return true;
}

void KeyboardDlg::ReprogramKeyFilter() {
    m_worker.ClearMacros();
    if (m_keyMapping) {
        m_keyMapping->ReprogramKeyFilter();
    }
}

void KeyboardDlg::PlayMacro(int macroId) {
    if (m_keyMapping) {
        m_keyMapping->PlayMacro(macroId);
    }
}

LRESULT CALLBACK KeyboardDlg::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<KeyboardDlg*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->m_window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT KeyboardDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (UiThreadCalls::Handle(message, wParam, lParam)) {
        return 1;
    }
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kLineColour);
        SetBkColor(dc, kBackground);
        return reinterpret_cast<LRESULT>(m_background);
    }
    case WM_DEVICECHANGE:
        OnDeviceChange(wParam, lParam);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            PostMessageW(m_window, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_CLOSE:
    case kEndMessage:
        Close();
        return 0;
    case kExitMessage:
        if (lParam == kExitRequest) {
            m_result = 0;
            Close();
        }
        return 0;
    case WM_DESTROY:
        RemovePropW(m_window, OrvixUI::Manager::GetDeviceName());
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void KeyboardDlg::OnDeviceChange(WPARAM event, LPARAM data) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (!header || (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE)) {
        return;
    }
    std::wstring name;
    if (header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
        name = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(data)->dbcc_name;
    }
    m_worker.OnDeviceChange(static_cast<std::uint32_t>(event), header->dbch_devicetype, name);
}

// Nothing of the worker may outlive the window it calls into, and the keyboard's interfaces
// are closed before the process ends rather than left to it.
void KeyboardDlg::Close() {
    // Nothing the mapping pressed may stay down after the program, and the filter watches no
    // key once nobody answers it. First, so that a macro the worker plays ends now instead of
    // holding up the worker's stop for as long as the macro lasts.
    if (m_keyMapping) {
        m_keyMapping->Shutdown();
    }
    StopWorker();
    DeviceManager::Instance().CloseAll();
    if (m_notification) {
        UnregisterDeviceNotification(m_notification);
        m_notification = nullptr;
    }
    ProfileStore::Instance().Close();
    DestroyWindow(m_window);
}

// A transfer under way is cancelled; the worker finishes its pass, and the window calls it
// makes meanwhile still run, so it never waits on this thread while this thread waits on it.
void KeyboardDlg::StopWorker() {
    m_calls.BeginClosing();
    m_downloader.Cancel();
    m_worker.RequestStop();
    UiThreadCalls::WaitRunningCalls([this] { return m_worker.HasEnded(); }, INFINITE);
}

void KeyboardDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_window, &paint);
    RECT client;
    GetClientRect(m_window, &client);
    FillRect(dc, &client, m_background);

    HFONT font = CreateFontW(-48, 0, 0, 0, FW_SEMIBOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                             OrvixUI::Manager::GetFontName());
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTitleColour);
    DrawTextW(dc, OrvixUI::Manager::GetDeviceName(), -1, &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(font);
    EndPaint(m_window, &paint);
}

void KeyboardDlg::ShowLine(Line line, const std::wstring& text) {
    m_calls.Run([&] { SetWindowTextW(m_lines[line], text.c_str()); });
}

void KeyboardDlg::ShowUpdateMarks() {
    ShowLine(kUpdateLine,
             std::wstring(L"Program update: ") + (m_programUpdate ? L"available" : L"none") +
                 L"    Firmware update: " + (m_firmwareUpdate ? L"available" : L"none"));
}

void KeyboardDlg::CloseSecondaryWindows() {
    m_calls.Run([] {
        for (const wchar_t* title : kClosedWindows) {
            if (HWND window = FindOwnToolkitWindow(title)) {
                const bool messageBox = std::wcscmp(title, L"MessageBox") == 0;
                PostMessageW(window, WM_CLOSE, messageBox ? kCancelResult : 0, 0);
            }
        }
        for (const wchar_t* title : kHiddenWindows) {
            if (HWND window = FindOwnToolkitWindow(title)) {
                ShowWindow(window, SW_HIDE);
            }
        }
    });
}

void KeyboardDlg::ShowConnectedState() {
    const int deviceType = DeviceType();
    if (deviceType >= 201 && deviceType <= 299) {
        m_featureMask = kFeatureCustomKeys | kFeatureMacros | kFeatureLighting | kFeatureSettings;
    }
    // The custom-key page is selected after every refresh that finds the keyboard.
    m_tab = 1;
    ShowLine(kStatusLine,
             m_worker.ConnectionKind() == 0 ? L"Connected (cable)" : L"Connected (wireless)");
}

void KeyboardDlg::ShowNotConnectedState() {
    // The releases of keys held when the keyboard went away will never come.
    m_worker.ClearMacros();
    if (m_keyMapping) {
        m_keyMapping->ReleaseAll();
    }
    m_tab = 0;
    ShowLine(kStatusLine, L"Not connected");
    ShowLine(kFirmwareLine, L"");
}

// Asked on every idle pass; the query is safe from any thread.
bool KeyboardDlg::IsMainWindowVisible() { return IsWindowVisible(m_window) != FALSE; }

void KeyboardDlg::EnableMainWindow(bool enable) {
    m_calls.Run([&] { EnableWindow(m_window, enable ? TRUE : FALSE); });
}

int KeyboardDlg::ReadFirmwareVersion() {
    int version = -1;
    if (!DeviceManager::Instance().ReadFirmwareVersion(version)) {
        version = -1;
    }
    ShowLine(kFirmwareLine, FirmwareText(version));
    return version;
}

void KeyboardDlg::MarkProgramUpdate() {
    m_calls.Run([this] {
        m_programUpdate = true;
        ShowUpdateMarks();
    });
}

void KeyboardDlg::MarkFirmwareUpdate() {
    m_calls.Run([this] {
        m_firmwareUpdate = true;
        ShowUpdateMarks();
    });
}

// The shell wants the thread that initialised COM, which is this window's.
bool KeyboardDlg::StartProgram(const std::filesystem::path& program) {
    bool started = false;
    m_calls.Run([&] {
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(m_window, L"open", program.wstring().c_str(), nullptr, nullptr, SW_SHOW));
        started = result > 32;
    });
    return started;
}

// Called on the worker as its last task: it ends after this pass, and the window closes.
void KeyboardDlg::EndProgram() {
    m_result = 0;
    m_worker.RequestStop();
    PostMessageW(m_window, kEndMessage, 0, 0);
}

int KeyboardDlg::FetchText(const std::wstring& url, std::wstring& text) {
    return m_downloader.FetchText(url, text);
}

int KeyboardDlg::DownloadFile(const std::wstring& url, const std::filesystem::path& path) {
    return m_downloader.DownloadFile(url, path.wstring(), m_window);
}

void KeyboardDlg::SetVersionLabel(const std::wstring& text) { ShowLine(kVersionLine, text); }

void KeyboardDlg::RegisterDeviceNotification() {
    if (m_notification) {
        return;
    }
    DEV_BROADCAST_DEVICEINTERFACE_W filter = {};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    m_notification = ::RegisterDeviceNotificationW(m_window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}
