#pragma once

#include "app/device/DriverlessReportTranslator.h"
#include "app/device/QuillpadChannel.h"
#include "app/input/MappingData.h"
#include "app/input/PlaybackSleeper.h"
#include "tests/device/QueueFilter.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// Test stand-ins for the key mapping's surroundings.

// The virtual device: records every frame and what it changed, as text ("key 6 down",
// "consumer 0x00E9 up", "mouse 2 down"). Can be missing.
class RecordingPad : public IQuillpadChannel {
public:
    bool Find() override {
        std::lock_guard lock(m_mutex);
        open = present;
        return open;
    }
    bool IsOpen() const override {
        std::lock_guard lock(m_mutex);
        return open;
    }
    bool WriteFrame(const QuillpadFrame& frame) override {
        std::lock_guard lock(m_mutex);
        if (!open) {
            return false;
        }
        ++frames;
        for (const VirtualInputChange& change : m_translator.Apply(frame)) {
            m_changes.push_back(Describe(change));
        }
        return true;
    }

    std::vector<std::string> Changes() const {
        std::lock_guard lock(m_mutex);
        return m_changes;
    }
    void ClearChanges() {
        std::lock_guard lock(m_mutex);
        m_changes.clear();
        frames = 0;
    }
    // What is still pressed: releases of everything the device holds.
    std::vector<std::string> StillPressed() {
        std::lock_guard lock(m_mutex);
        DriverlessReportTranslator copy = m_translator;
        std::vector<std::string> pressed;
        for (const VirtualInputChange& change : copy.ReleaseAll()) {
            pressed.push_back(Describe({change.kind, change.code, true}));
        }
        return pressed;
    }
    int FrameCount() const {
        std::lock_guard lock(m_mutex);
        return frames;
    }
    void SetPresent(bool isPresent) {
        std::lock_guard lock(m_mutex);
        present = isPresent;
        open = isPresent;
    }

    static std::string Describe(const VirtualInputChange& change) {
        char text[40];
        const char* edge = change.pressed ? "down" : "up";
        switch (change.kind) {
        case VirtualInputChange::Kind::Key:
            std::snprintf(text, sizeof(text), "key %d %s", change.code, edge);
            break;
        case VirtualInputChange::Kind::MouseButton:
            std::snprintf(text, sizeof(text), "mouse %d %s", change.code, edge);
            break;
        case VirtualInputChange::Kind::Consumer:
            std::snprintf(text, sizeof(text), "consumer 0x%04X %s", change.code, edge);
            break;
        }
        return text;
    }

private:
    mutable std::mutex m_mutex; // guards everything
    bool present = true;
    bool open = true;
    int frames = 0;
    DriverlessReportTranslator m_translator;
    std::vector<std::string> m_changes;
};

// Profiles and macros in memory.
class MemoryMappingData : public MappingData {
public:
    int ActiveProfile() override { return activeProfile; }
    std::vector<KeyAssignment> Assignments(int profile, int layer) override {
        std::vector<KeyAssignment> result;
        for (const KeyAssignment& row : rows) {
            if (row.profile == profile && row.layer == layer) {
                result.push_back(row);
            }
        }
        return result;
    }
    std::optional<MacroInfo> Macro(int macroId) override {
        const auto found = macros.find(macroId);
        if (found == macros.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    std::vector<MacroRecord> MacroEvents(int macroId) override {
        const auto found = events.find(macroId);
        return found == events.end() ? std::vector<MacroRecord>{} : found->second;
    }

    void Assign(int keyCode, int kind, int value, int profile = 1, int layer = 0) {
        KeyAssignment row;
        row.profile = profile;
        row.layer = layer;
        row.keyCode = keyCode;
        row.kind = kind;
        row.value = value;
        rows.push_back(row);
    }
    // Events as (type, virtual-key code, delay).
    void AddMacro(int macroId, int playTimes,
                  std::initializer_list<std::tuple<int, int, int>> list) {
        MacroInfo info;
        info.macroId = macroId;
        info.playTimes = playTimes;
        macros[macroId] = info;
        std::vector<MacroRecord>& records = events[macroId];
        for (const auto& [type, value, delay] : list) {
            MacroRecord record;
            record.macroId = macroId;
            record.index = static_cast<int>(records.size());
            record.type = type;
            record.value = value;
            record.delayTime = delay;
            records.push_back(record);
        }
    }

    int activeProfile = 1;
    std::vector<KeyAssignment> rows;
    std::map<int, MacroInfo> macros;
    std::map<int, std::vector<MacroRecord>> events;
};

// Waits on a virtual clock: every wait is written down and returns at once; `onSleep` runs
// before a wait returns (to interrupt the playback at a chosen point).
class VirtualSleeper : public PlaybackSleeper {
public:
    void SleepFor(std::chrono::milliseconds duration, const std::function<bool()>&) override {
        waits.push_back(static_cast<int>(duration.count()));
        if (onSleep) {
            onSleep(waits.size());
        }
    }
    void Wake() override { ++wakes; }

    std::vector<int> waits;
    std::function<void(std::size_t count)> onSleep;
    int wakes = 0;
};
