#include "app/device/DriverlessFilter.h"

#include "app/device/DriverlessKeyCodes.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <future>

namespace HidUsbFilter {

namespace {

// Events waiting for a reader beyond this are dropped, oldest first.
constexpr std::size_t MaxQueuedEvents = 256;

std::atomic<DriverlessFilter*> s_filter{nullptr};

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    DriverlessFilter* filter = s_filter.load();
    if (code == HC_ACTION && filter != nullptr) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        if (filter->OnHookKey(static_cast<int>(key->vkCode), key->scanCode, key->flags, down)) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

DriverlessFilter::~DriverlessFilter() { Close(); }

bool DriverlessFilter::Open() {
    Close();
    std::promise<bool> installed;
    std::future<bool> result = installed.get_future();
    m_thread = std::thread([this, &installed] { RunHookThread(&installed); });
    if (result.get()) {
        return true;
    }
    m_thread.join();
    return false;
}

void DriverlessFilter::RunHookThread(std::promise<bool>* installed) {
    MSG message;
    // Makes the thread's message queue exist before anyone posts to it.
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    m_threadId = GetCurrentThreadId();
    s_filter = this;
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleW(nullptr), 0);
    installed->set_value(hook != nullptr);
    DriverlessFilter* self = this;
    if (hook != nullptr) {
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        UnhookWindowsHookEx(hook);
    }
    s_filter.compare_exchange_strong(self, nullptr);
}

bool DriverlessFilter::Control(std::uint32_t code, const void* input, std::size_t inputSize,
                               void* output, std::size_t outputSize) {
    std::unique_lock lock(m_lock);
    switch (code) {
    case FilterSetKeyTable: {
        const auto* bytes = static_cast<const std::uint8_t*>(input);
        if (bytes == nullptr && inputSize != 0) {
            return false;
        }
        const auto codes = WatchedKeyCodes(std::span(bytes, inputSize));
        m_watched = std::set<std::uint16_t>(codes.begin(), codes.end());
        std::erase_if(m_down, [this](std::uint16_t key) { return !m_watched.contains(key); });
        m_events.clear();
        return true;
    }
    case FilterCommitTable:
    case FilterEnableTable:
        return true;
    case FilterReadKeyEvent: {
        if (output == nullptr || outputSize < 4) {
            return false;
        }
        m_changed.wait(lock, [this] { return m_cancelled || !m_events.empty(); });
        if (m_events.empty()) {
            return false;
        }
        const auto bytes = EncodeFilterKeyEvent(m_events.front());
        m_events.pop_front();
        std::copy(bytes.begin(), bytes.end(), static_cast<std::uint8_t*>(output));
        return true;
    }
    default:
        return false;
    }
}

void DriverlessFilter::Cancel() {
    std::lock_guard lock(m_lock);
    m_cancelled = true;
    m_changed.notify_all();
}

void DriverlessFilter::Rearm() {
    std::lock_guard lock(m_lock);
    m_cancelled = false;
}

void DriverlessFilter::Close() {
    Cancel();
    if (m_thread.joinable()) {
        PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
    }
}

bool DriverlessFilter::OnHookKey(int virtualKey, std::uint32_t scanCode, std::uint32_t flags,
                                 bool down) {
    if (flags & HookFlagInjected) {
        return false;
    }
    // Alt's state may change between a key's press and its release; with it in the flags a
    // numeric-pad key could be pressed as one key and released as another.
    const int usage =
        UsageOfVirtualKey(HookVirtualKey(virtualKey, scanCode, flags & ~HookFlagAltDown, down));
    if (usage <= 0 || usage > 0xFFFF) {
        return false;
    }
    const auto key = static_cast<std::uint16_t>(usage);
    std::lock_guard lock(m_lock);
    if (!m_watched.contains(key)) {
        return false;
    }
    const bool wasDown = m_down.contains(key);
    if (down && wasDown) {
        return true; // auto-repeat
    }
    if (!down && !wasDown) {
        return false; // its press reached the system before the key was watched
    }
    if (down) {
        m_down.insert(key);
    } else {
        m_down.erase(key);
    }
    if (m_events.size() == MaxQueuedEvents) {
        m_events.pop_front();
    }
    m_events.push_back({key, 0, down});
    m_changed.notify_all();
    return true;
}

} // namespace HidUsbFilter
