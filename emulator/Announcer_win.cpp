#include "emulator/Announcer.h"

#include "emulator/Bus.h"

#include <windows.h>

#include <dbt.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <vector>

namespace emulator {

namespace {

// The HID device interface class.
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
constexpr auto kControlPoll = std::chrono::milliseconds(20);
constexpr UINT kSendTimeoutMs = 2000;

struct Notification {
    bool arrival;
    std::wstring path;
};

// Lock order: the bus lock, then this one. The thread waits on a plain Windows event and is
// a plain Windows thread: the process may end while it waits, and ending a thread inside the
// threads library's own condition wait can hang the library's clean-up at process exit.
struct Outbox {
    std::mutex mutex;
    HANDLE signal = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::deque<Notification> pending;
};

Outbox& TheOutbox() {
    static Outbox* outbox = new Outbox; // outlives every static destructor, like the bus
    return *outbox;
}

BOOL CALLBACK CollectOwnWindow(HWND window, LPARAM list) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

// The window named by CLAVIRA_EMULATOR_NOTIFY_WINDOW, or every top-level window of the
// process.
std::vector<HWND> Recipients() {
    std::vector<HWND> windows;
    if (const char* named = std::getenv("CLAVIRA_EMULATOR_NOTIFY_WINDOW"); named && *named) {
        windows.push_back(reinterpret_cast<HWND>(std::strtoull(named, nullptr, 0)));
        return windows;
    }
    EnumWindows(CollectOwnWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void Deliver(const Notification& notification) {
    const std::size_t size =
        sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + notification.path.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(size, 0);
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
    broadcast->dbcc_size = static_cast<DWORD>(size);
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    broadcast->dbcc_classguid = kHidInterfaceClass;
    std::memcpy(broadcast->dbcc_name, notification.path.c_str(),
                (notification.path.size() + 1) * sizeof(wchar_t));
    const WPARAM event = notification.arrival ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
    for (HWND window : Recipients()) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(broadcast),
                            SMTO_NORMAL, kSendTimeoutMs, &ignored);
    }
}

// Applies the control file every few milliseconds, so plugging from outside is seen while
// the program is idle, and delivers queued notifications outside every emulator lock: the
// windows' handlers may call hidapi themselves.
[[noreturn]] void Run() {
    Outbox& outbox = TheOutbox();
    for (;;) {
        {
            Bus& bus = TheBus();
            std::lock_guard lock(bus.mutex);
            bus.PollControl();
        }
        WaitForSingleObject(outbox.signal, static_cast<DWORD>(kControlPoll.count()));
        std::deque<Notification> batch;
        {
            std::lock_guard lock(outbox.mutex);
            batch.swap(outbox.pending);
        }
        for (const Notification& notification : batch) {
            Deliver(notification);
        }
    }
}

} // namespace

void QueueInterfaceNotifications(int mode, bool arrival) {
    Outbox& outbox = TheOutbox();
    std::lock_guard lock(outbox.mutex);
    for (const Interface& interface : AllInterfaces()) {
        if (interface.mode == mode) {
            outbox.pending.push_back(
                {arrival, std::wstring(interface.path.begin(), interface.path.end())});
        }
    }
    SetEvent(outbox.signal);
}

void StartAnnouncer() {
    static std::once_flag started;
    std::call_once(started, [] {
        HANDLE thread = CreateThread(
            nullptr, 0, [](LPVOID) -> DWORD { Run(); }, nullptr, 0, nullptr);
        CloseHandle(thread);
    });
}

} // namespace emulator
