#pragma once

#include "app/device/FilterMonitor.h"
#include "app/input/HeldOutputs.h"
#include "app/input/KeyActions.h"
#include "app/input/MappingData.h"
#include "app/input/PlaybackSleeper.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

class Quillpad;

// The layer whose assignments are carried out.
inline constexpr int kMappingLayer = 0;
inline constexpr int kMaxMacroPlays = 99;
// The shortest wait after a played macro event; longer waits are capped like recorded delays.
inline constexpr std::chrono::milliseconds kMinMacroDelay{5};
inline constexpr std::chrono::milliseconds kMaxMacroDelay{31000};
inline constexpr std::chrono::milliseconds kShortcutStep{10};

// A watched key and what it does.
struct WatchedKey {
    std::uint16_t keyCode = 0;
    KeyAction action;
    bool operator==(const WatchedKey&) const = default;
};

// The keys the filter watches for these rows, in row order: one per row (every kind, even those
// that produce nothing), at most a full key table, rows whose key code is not a 16-bit code other
// than 0 skipped. A key listed twice does what its last row says.
std::vector<WatchedKey> WatchedKeys(const std::vector<KeyAssignment>& rows);

struct KeyMappingParts {
    Quillpad& pad;
    HidUsbFilter::IFilterChannel& filter;
    MappingData& data;
    PlaybackSleeper& sleeper;
    // Hands a macro id to the device worker's macro queue.
    std::function<void(int macroId)> queueMacro;
};

// Carries out the active profile's key assignments: tells the key filter which keys to watch,
// answers their events with reports to the virtual device (or a queued macro), and plays macros
// for the device worker. Every input it presses it releases again: on the key's release, at the
// end of each macro pass, and all at once when the mapping changes, a macro is interrupted, the
// keyboard goes away or the program ends.
//
// Threads: OnKeyEvent runs on the filter monitor's thread; PlayMacro on the device worker;
// ReprogramKeyFilter on the user-interface thread or the worker; the rest on any thread.
class KeyMapping {
public:
    explicit KeyMapping(const KeyMappingParts& parts);
    // Shutdown.
    ~KeyMapping();
    KeyMapping(const KeyMapping&) = delete;
    KeyMapping& operator=(const KeyMapping&) = delete;

    // Interrupts a playing macro, releases everything, watches the keys of the active profile's
    // assignments and (re)starts the monitor. False when the filter did not take the table, or
    // after Shutdown.
    bool ReprogramKeyFilter();

    // One key event from the filter. Always 0, so later listeners see the event too.
    int OnKeyEvent(std::uint16_t keyCode, bool pressed);

    // Plays the macro play_times times (at most kMaxMacroPlays), releasing what it pressed after
    // each pass. Returns early, with everything it pressed released, when interrupted or when
    // the virtual device cannot be written.
    void PlayMacro(int macroId);

    // Stops a playing macro; what it holds is released before this returns.
    void InterruptMacro();
    // The keyboard went away: its releases will never come, so nothing may stay pressed.
    void ReleaseAll();
    // The exit sequence: stops the monitor, clears the filter's table, releases everything.
    // Final: afterwards no key is watched again and no macro presses anything, so the program
    // can end without waiting for a macro, and nothing the device worker still runs undoes it.
    void Shutdown();

    HidUsbFilter::FilterMonitor& Monitor() { return m_monitor; }

private:
    static int KeyEventProxy(void* owner, std::uint8_t extra, std::uint16_t keyCode, bool pressed,
                             std::intptr_t argument);
    void PlayShortcut(int number);
    bool Interrupted(std::uint64_t generation) const {
        return m_ended.load() || m_generation.load() != generation;
    }

    HidUsbFilter::FilterMonitor m_monitor;
    MappingData& m_data;
    PlaybackSleeper& m_sleeper;
    std::function<void(int)> m_queueMacro;

    std::mutex m_reprogramLock; // serialises ReprogramKeyFilter and Shutdown

    // Rebuilt only while the monitor is stopped; the lock covers readers on other threads.
    std::mutex m_mapLock; // guards m_map
    std::map<std::uint16_t, KeyAction> m_map;

    // Held around every report the mapping sends, so that the check for an interruption and
    // the press it guards are one step: once InterruptMacro returns, the macro presses nothing.
    std::mutex m_outputLock; // guards m_held and the increments of m_generation
    HeldOutputs m_held;
    std::atomic<std::uint64_t> m_generation{0}; // changes when a playing macro must stop
    std::atomic<bool> m_ended{false};           // set once by Shutdown
};
