// The key mapping's event-to-frame latency in process: from a watched key's event to the virtual
// device's 64-byte frame. Once with the event handed straight to the mapping (its own cost), once
// through the filter monitor's thread as the filter delivers it (the thread hand-over included),
// and the cost of one played macro event. Percentiles are reported as counters in microseconds.
// Last, how closely a played macro keeps its recorded delays with the real sleeper.

#include "app/device/Quillpad.h"
#include "app/input/KeyMapping.h"
#include "app/input/PlaybackSleeper.h"
#include "tests/input/KeyMappingFakes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Notes when the last frame arrived; no other work.
class TimingPad : public IQuillpadChannel {
public:
    bool Find() override { return true; }
    bool IsOpen() const override { return true; }
    bool WriteFrame(const QuillpadFrame&) override {
        lastFrame.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
        frames.fetch_add(1, std::memory_order_release);
        return true;
    }
    std::atomic<Clock::rep> lastFrame{0};
    std::atomic<long> frames{0};
};

class NoWait : public PlaybackSleeper {
public:
    void SleepFor(std::chrono::milliseconds, const std::function<bool()>&) override {}
    void Wake() override {}
};

void ReportPercentiles(benchmark::State& state, std::vector<double>& microseconds) {
    if (microseconds.empty()) {
        return;
    }
    std::sort(microseconds.begin(), microseconds.end());
    const auto at = [&](double fraction) {
        return microseconds[static_cast<std::size_t>(fraction * (microseconds.size() - 1))];
    };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = microseconds.back();
}

struct Rig {
    Rig() {
        // A full profile: every row watched, the benchmarked key among them.
        for (int key = 4; key < 4 + 100; ++key) {
            data.Assign(key, kAssignKey, key == 41 ? 6 : key);
        }
        mapping.ReprogramKeyFilter();
    }
    TimingPad pad;
    Quillpad quillpad{pad};
    QueueFilter filter;
    MemoryMappingData data;
    NoWait sleeper;
    KeyMapping mapping{{quillpad, filter, data, sleeper, nullptr}};
};

void BM_KeyEventToFrame(benchmark::State& state) {
    Rig rig;
    rig.mapping.Monitor().Stop(); // events go straight to the mapping here
    std::vector<double> samples;
    bool pressed = true;
    for (auto _ : state) {
        const auto start = Clock::now();
        rig.mapping.OnKeyEvent(41, pressed);
        samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        pressed = !pressed;
    }
    ReportPercentiles(state, samples);
}
BENCHMARK(BM_KeyEventToFrame);

void BM_FilterEventToFrame(benchmark::State& state) {
    Rig rig;
    std::vector<double> samples;
    bool pressed = true;
    for (auto _ : state) {
        const long before = rig.pad.frames.load(std::memory_order_acquire);
        const auto start = Clock::now();
        rig.filter.Push(41, pressed);
        while (rig.pad.frames.load(std::memory_order_acquire) == before) {
        }
        const Clock::time_point frame{Clock::duration(rig.pad.lastFrame.load())};
        samples.push_back(std::chrono::duration<double, std::micro>(frame - start).count());
        pressed = !pressed;
    }
    ReportPercentiles(state, samples);
}
BENCHMARK(BM_FilterEventToFrame)->UseRealTime();

void BM_MacroEvent(benchmark::State& state) {
    Rig rig;
    MacroInfo info;
    info.macroId = 1;
    info.playTimes = 1;
    rig.data.macros[1] = info;
    for (int i = 0; i < 100; ++i) {
        MacroRecord record;
        record.type = i % 2 == 0 ? 2 : 3;
        record.value = 'A' + (i / 2) % 26;
        rig.data.events[1].push_back(record);
    }
    for (auto _ : state) {
        rig.mapping.PlayMacro(1);
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_MacroEvent);

// Keeps the time of every frame.
class RecordingPad : public IQuillpadChannel {
public:
    bool Find() override { return true; }
    bool IsOpen() const override { return true; }
    bool WriteFrame(const QuillpadFrame&) override {
        std::lock_guard lock(mutex);
        times.push_back(Clock::now());
        return true;
    }
    std::mutex mutex;
    std::vector<Clock::time_point> times;
};

// 100 events with recorded delays of 5, 10, 20 and 50 ms: the gap between two events' frames
// against the delay the first one asked for, as counters in milliseconds.
void BM_MacroTiming(benchmark::State& state) {
    constexpr int kDelays[] = {5, 10, 20, 50};
    constexpr int kEvents = 100;
    RecordingPad pad;
    Quillpad quillpad{pad};
    QueueFilter filter;
    MemoryMappingData data;
    ThreadPlaybackSleeper sleeper;
    KeyMapping mapping{{quillpad, filter, data, sleeper, nullptr}};
    MacroInfo info;
    info.macroId = 1;
    info.playTimes = 1;
    data.macros[1] = info;
    for (int i = 0; i < kEvents; ++i) {
        MacroRecord record;
        record.type = i % 2 == 0 ? 2 : 3;
        record.value = 'A' + (i / 2) % 26;
        record.delayTime = kDelays[i % 4];
        data.events[1].push_back(record);
    }
    std::vector<double> errors;
    for (auto _ : state) {
        pad.times.clear();
        mapping.PlayMacro(1);
        for (int i = 0; i + 1 < kEvents && i + 1 < static_cast<int>(pad.times.size()); ++i) {
            const double gap =
                std::chrono::duration<double, std::milli>(pad.times[i + 1] - pad.times[i]).count();
            errors.push_back(gap - kDelays[i % 4]);
        }
    }
    if (errors.empty()) {
        return;
    }
    double sum = 0;
    for (double error : errors) {
        sum += error;
    }
    std::sort(errors.begin(), errors.end());
    state.counters["mean_error_ms"] = sum / static_cast<double>(errors.size());
    state.counters["p50_error_ms"] = errors[errors.size() / 2];
    state.counters["p99_error_ms"] = errors[static_cast<std::size_t>(0.99 * (errors.size() - 1))];
    state.counters["max_error_ms"] = errors.back();
}
BENCHMARK(BM_MacroTiming)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
