#include "app/input/KeyMapping.h"

#include "app/device/FilterProtocol.h"

#include <algorithm>

namespace {

// Holders of the virtual device's inputs other than the physical keys (which use their codes).
constexpr int kMacroHolder = -1;
constexpr int kShortcutHolder = -2;

constexpr int kMacroPress = 2;

std::chrono::milliseconds MacroDelay(int delayTime) {
    return std::clamp(std::chrono::milliseconds(delayTime), kMinMacroDelay, kMaxMacroDelay);
}

} // namespace

std::vector<WatchedKey> WatchedKeys(const std::vector<KeyAssignment>& rows) {
    std::vector<WatchedKey> keys;
    for (const KeyAssignment& row : rows) {
        if (keys.size() == FilterKeyTableEntries) {
            break;
        }
        if (row.keyCode <= 0 || row.keyCode > 0xFFFF) {
            continue;
        }
        keys.push_back(
            {static_cast<std::uint16_t>(row.keyCode), ActionOfAssignment(row.kind, row.value)});
    }
    return keys;
}

KeyMapping::KeyMapping(const KeyMappingParts& parts)
    : m_monitor(parts.filter), m_data(parts.data), m_sleeper(parts.sleeper),
      m_queueMacro(parts.queueMacro), m_held(parts.pad) {
    m_monitor.AddProxy(this, &KeyMapping::KeyEventProxy, 0);
}

KeyMapping::~KeyMapping() { Shutdown(); }

bool KeyMapping::ReprogramKeyFilter() {
    std::lock_guard reprogram(m_reprogramLock);
    if (m_ended) {
        return false;
    }
    InterruptMacro();
    m_monitor.Stop();
    {
        std::lock_guard output(m_outputLock);
        m_held.ReleaseAll();
    }
    const std::vector<WatchedKey> keys =
        WatchedKeys(m_data.Assignments(m_data.ActiveProfile(), kMappingLayer));
    std::vector<std::uint16_t> codes;
    codes.reserve(keys.size());
    {
        std::lock_guard map(m_mapLock);
        m_map.clear();
        for (const WatchedKey& key : keys) {
            codes.push_back(key.keyCode);
            m_map[key.keyCode] = key.action;
        }
    }
    return m_monitor.ApplyKeyTable(codes);
}

int KeyMapping::KeyEventProxy(void* owner, std::uint8_t, std::uint16_t keyCode, bool pressed,
                              std::intptr_t) {
    return static_cast<KeyMapping*>(owner)->OnKeyEvent(keyCode, pressed);
}

int KeyMapping::OnKeyEvent(std::uint16_t keyCode, bool pressed) {
    if (!pressed) {
        // A release lets go of what the key's press took, whatever the key does by now.
        std::lock_guard output(m_outputLock);
        m_held.ReleaseHolder(keyCode);
        return 0;
    }
    KeyAction action;
    {
        std::lock_guard map(m_mapLock);
        const auto entry = m_map.find(keyCode);
        if (entry == m_map.end()) {
            return 0;
        }
        action = entry->second;
    }
    switch (action.kind) {
    case KeyAction::Kind::Output: {
        std::lock_guard output(m_outputLock);
        m_held.Press(keyCode, action.output);
        break;
    }
    case KeyAction::Kind::Shortcut:
        PlayShortcut(action.number);
        break;
    case KeyAction::Kind::Macro:
        if (m_queueMacro) {
            m_queueMacro(action.number);
        }
        break;
    case KeyAction::Kind::None:
        break;
    }
    return 0;
}

void KeyMapping::PlayShortcut(int number) {
    const auto keys = ShortcutKeys(number);
    const auto never = [] { return false; };
    // Keys go down in order and come up in reverse, one report each, a step apart.
    for (std::size_t i = 0; i < keys.size(); ++i) {
        {
            std::lock_guard output(m_outputLock);
            m_held.Press(kShortcutHolder, {DeviceOutput::Kind::Key, keys[i]});
        }
        m_sleeper.SleepFor(kShortcutStep, never);
    }
    for (std::size_t i = keys.size(); i-- > 0;) {
        {
            std::lock_guard output(m_outputLock);
            m_held.Release(kShortcutHolder, {DeviceOutput::Kind::Key, keys[i]});
        }
        if (i > 0) {
            m_sleeper.SleepFor(kShortcutStep, never);
        }
    }
}

void KeyMapping::PlayMacro(int macroId) {
    const std::optional<MacroInfo> info = m_data.Macro(macroId);
    if (!info) {
        return;
    }
    const int plays = std::min(info->playTimes, kMaxMacroPlays);
    if (plays <= 0) {
        return;
    }
    const std::vector<MacroRecord> events = m_data.MacroEvents(macroId);
    const std::uint64_t generation = m_generation.load();
    const auto stop = [this, generation] { return Interrupted(generation); };
    for (int pass = 0; pass < plays; ++pass) {
        for (const MacroRecord& event : events) {
            {
                std::lock_guard output(m_outputLock);
                if (Interrupted(generation)) {
                    return; // the interrupter released what the macro held
                }
                if (const auto target = OutputOfVirtualKey(event.value)) {
                    const bool sent = event.type == kMacroPress
                                          ? m_held.Press(kMacroHolder, *target)
                                          : m_held.Release(kMacroHolder, *target);
                    if (!sent) {
                        // The virtual device is gone: nothing of the macro would arrive.
                        m_held.ReleaseHolder(kMacroHolder);
                        return;
                    }
                }
            }
            m_sleeper.SleepFor(MacroDelay(event.delayTime), stop);
        }
        std::lock_guard output(m_outputLock);
        if (Interrupted(generation)) {
            return;
        }
        m_held.ReleaseHolder(kMacroHolder);
    }
}

void KeyMapping::InterruptMacro() {
    {
        std::lock_guard output(m_outputLock);
        ++m_generation;
        m_held.ReleaseHolder(kMacroHolder);
    }
    m_sleeper.Wake();
}

void KeyMapping::ReleaseAll() {
    InterruptMacro();
    std::lock_guard output(m_outputLock);
    m_held.ReleaseAll();
}

void KeyMapping::Shutdown() {
    std::lock_guard reprogram(m_reprogramLock);
    {
        std::lock_guard output(m_outputLock);
        m_ended = true;
    }
    InterruptMacro();
    m_monitor.Shutdown();
    std::lock_guard output(m_outputLock);
    m_held.ReleaseAll();
}
