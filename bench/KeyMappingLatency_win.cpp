// Hook-to-window latency of a remapped key under Wine or Windows, through the user-mode key
// filter and virtual keyboard: keys typed on the X display with xdotool reach the filter's hook
// (where the time is taken), then the monitor thread, the key mapping and SendInput, and arrive
// at a focused window as the mapped key. For comparison, the same keys are then answered by a
// bare hook thread that calls SendInput itself: the system's own share of the time. No other
// hook is installed, since every low-level hook adds a thread hop to each key on its way.
// Prints the median, 90th percentile and maximum of both in milliseconds.

#include "app/device/DriverlessFilter.h"
#include "app/device/DriverlessQuillpad.h"
#include "app/device/Quillpad.h"
#include "app/input/KeyMapping.h"
#include "tests/TypingWindow_win.h"
#include "tests/XdotoolInput.h"
#include "tests/input/KeyMappingFakes.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr wchar_t WindowTitle[] = L"ClaviraKeyMappingTiming";
constexpr std::size_t kPresses = 60;

// When each swallowed press reached a hook, written on the hook thread.
std::mutex s_lock;
std::deque<LONGLONG> s_hookTimes;

LONGLONG Now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

void NoteHookTime() {
    const LONGLONG now = Now();
    std::lock_guard lock(s_lock);
    s_hookTimes.push_back(now);
}

// The newest press: presses are 60 ms apart, far more than any latency, so a key that never
// arrives cannot shift the pairing of those after it.
std::optional<LONGLONG> TakeHookTime() {
    std::lock_guard lock(s_lock);
    if (s_hookTimes.empty()) {
        return std::nullopt;
    }
    const LONGLONG time = s_hookTimes.back();
    s_hookTimes.clear();
    return time;
}

class TimedFilter : public HidUsbFilter::DriverlessFilter {
public:
    bool OnHookKey(int virtualKey, std::uint32_t scanCode, std::uint32_t flags,
                   bool down) override {
        if (virtualKey == 'A' && down && !(flags & LLKHF_INJECTED)) {
            NoteHookTime();
        }
        return DriverlessFilter::OnHookKey(virtualKey, scanCode, flags, down);
    }
};

// Swallows A and types C in its place, on the hook's own thread.
LRESULT CALLBACK BareHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code != HC_ACTION || key->vkCode != 'A' || (key->flags & LLKHF_INJECTED)) {
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    const bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
    if (!up) {
        NoteHookTime();
    }
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = 'C';
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
    return 1;
}

// Types the presses and returns each one's latency from the hook to the window, sorted.
std::vector<double> Measure(TypingWindow& window) {
    {
        std::lock_guard lock(s_lock);
        s_hookTimes.clear();
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> latencies;
    window.onKeyMessage = [&](const MSG& message) {
        if (message.message != WM_KEYDOWN || message.wParam != 'C') {
            return;
        }
        if (const auto hookTime = TakeHookTime()) {
            latencies.push_back(static_cast<double>(Now() - *hookTime) * 1000.0 /
                                static_cast<double>(frequency.QuadPart));
        }
    };
    // Each key is held for 30 ms, as a finger does; a press and release sent together would
    // time the release's trip through the hooks as well.
    std::wstring commands;
    for (std::size_t i = 0; i < kPresses; ++i) {
        commands += L" keydown a sleep 0.03 keyup a sleep 0.03";
    }
    RunXdotool(WindowTitle, commands);
    window.PumpUntil([&] { return latencies.size() >= kPresses; }, std::chrono::seconds(10));
    window.onKeyMessage = nullptr;
    std::sort(latencies.begin(), latencies.end());
    return latencies;
}

void Print(const char* what, const std::vector<double>& latencies) {
    if (latencies.empty()) {
        std::printf("%s: no mapped key arrived\n", what);
        return;
    }
    std::printf("%s, %zu keys: median %.3f ms, p90 %.3f ms, max %.3f ms\n", what, latencies.size(),
                latencies[latencies.size() / 2], latencies[latencies.size() * 9 / 10],
                latencies.back());
}

std::vector<double> MeasureKeyMapping(TypingWindow& window) {
    TimedFilter filter;
    if (!filter.Open()) {
        return {};
    }
    DriverlessQuillpad padChannel;
    Quillpad quillpad(padChannel);
    MemoryMappingData data;
    data.Assign(4, kAssignKey, 6); // A types C
    ThreadPlaybackSleeper sleeper;
    KeyMapping mapping({quillpad, filter, data, sleeper, nullptr});
    mapping.ReprogramKeyFilter();
    return Measure(window);
}

std::vector<double> MeasureBareHook(TypingWindow& window) {
    std::atomic<DWORD> threadId{0};
    std::thread bare([&threadId] {
        MSG message;
        PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
        HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, BareHook, GetModuleHandleW(nullptr), 0);
        threadId = GetCurrentThreadId();
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        UnhookWindowsHookEx(hook);
    });
    while (threadId == 0) {
        Sleep(1);
    }
    std::vector<double> latencies = Measure(window);
    PostThreadMessageW(threadId, WM_QUIT, 0, 0);
    bare.join();
    return latencies;
}

} // namespace

int main() {
    TypingWindow window(WindowTitle);
    const std::vector<double> mapped = MeasureKeyMapping(window);
    const std::vector<double> bare = MeasureBareHook(window);
    Print("key mapping, hook to window", mapped);
    Print("bare hook thread with SendInput", bare);
    return mapped.empty() ? 1 : 0;
}
