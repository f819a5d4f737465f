#include "app/input/HeldOutputs.h"

#include "app/device/Quillpad.h"

#include <vector>

bool HeldOutputs::Press(int holder, const DeviceOutput& output) {
    auto [entry, added] = m_holders.try_emplace(output);
    entry->second.insert(holder);
    if (output.kind == DeviceOutput::Kind::Consumer) {
        // The report carries one usage: the latest press shows.
        return SendConsumer(static_cast<std::uint16_t>(output.code));
    }
    return added ? Send(output, true) : true;
}

bool HeldOutputs::Release(int holder, const DeviceOutput& output) {
    const auto entry = m_holders.find(output);
    if (entry == m_holders.end() || entry->second.erase(holder) == 0 || !entry->second.empty()) {
        return true;
    }
    m_holders.erase(entry);
    if (output.kind != DeviceOutput::Kind::Consumer) {
        return Send(output, false);
    }
    if (m_consumer != output.code) {
        return true;
    }
    return ShowHeldConsumer();
}

bool HeldOutputs::ReleaseHolder(int holder) {
    std::vector<DeviceOutput> outputs;
    for (const auto& [output, holders] : m_holders) {
        if (holders.contains(holder)) {
            outputs.push_back(output);
        }
    }
    bool sent = true;
    bool consumerLetGo = false;
    for (const DeviceOutput& output : outputs) {
        if (output.kind != DeviceOutput::Kind::Consumer) {
            sent = Release(holder, output) && sent;
            continue;
        }
        // The holder lets go of all its media functions before the report changes: one of them
        // shown again in between would be one more press of it.
        const auto entry = m_holders.find(output);
        entry->second.erase(holder);
        if (entry->second.empty()) {
            m_holders.erase(entry);
        }
        consumerLetGo = true;
    }
    if (consumerLetGo && !IsHeld({DeviceOutput::Kind::Consumer, m_consumer})) {
        sent = ShowHeldConsumer() && sent;
    }
    return sent;
}

bool HeldOutputs::ReleaseAll() {
    m_holders.clear();
    m_consumer = 0;
    return m_pad.Reset();
}

bool HeldOutputs::Holds(int holder, const DeviceOutput& output) const {
    const auto entry = m_holders.find(output);
    return entry != m_holders.end() && entry->second.contains(holder);
}

bool HeldOutputs::Send(const DeviceOutput& output, bool pressed) {
    switch (output.kind) {
    case DeviceOutput::Kind::Key:
        return m_pad.SetKey(output.code, pressed);
    case DeviceOutput::Kind::Mouse:
        return m_pad.SetMouseButton(output.code, pressed);
    case DeviceOutput::Kind::Consumer:
        return SendConsumer(pressed ? static_cast<std::uint16_t>(output.code) : 0);
    }
    return false;
}

bool HeldOutputs::ShowHeldConsumer() {
    // Another media function still held shows again; otherwise the report is released.
    for (const auto& [held, holders] : m_holders) {
        if (held.kind == DeviceOutput::Kind::Consumer) {
            return SendConsumer(static_cast<std::uint16_t>(held.code));
        }
    }
    return SendConsumer(0);
}

bool HeldOutputs::SendConsumer(std::uint16_t usage) {
    if (usage == m_consumer) {
        return true;
    }
    m_consumer = usage;
    return m_pad.SetConsumer(usage);
}
