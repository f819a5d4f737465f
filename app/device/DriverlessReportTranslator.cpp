#include "app/device/DriverlessReportTranslator.h"

#include <algorithm>

namespace {

constexpr std::uint8_t FrameMarker = 0x05;
constexpr int FirstModifierUsage = 224;

bool IsModifier(int usage) { return usage >= FirstModifierUsage && usage < FirstModifierUsage + 8; }

void AddKeyChanges(const QuillpadReports& before, const QuillpadReports& after,
                   std::vector<VirtualInputChange>& changes) {
    using Kind = VirtualInputChange::Kind;
    // Releases: other keys, then modifiers.
    for (int pass = 0; pass < 2; ++pass) {
        for (int usage = 0; usage < 256; ++usage) {
            if (IsModifier(usage) == (pass == 1) && IsKeyboardUsagePressed(before, usage) &&
                !IsKeyboardUsagePressed(after, usage)) {
                changes.push_back({Kind::Key, usage, false});
            }
        }
    }
    // Presses: modifiers, then other keys.
    for (int pass = 0; pass < 2; ++pass) {
        for (int usage = 0; usage < 256; ++usage) {
            if (IsModifier(usage) == (pass == 0) && !IsKeyboardUsagePressed(before, usage) &&
                IsKeyboardUsagePressed(after, usage)) {
                changes.push_back({Kind::Key, usage, true});
            }
        }
    }
}

void AddMouseChanges(std::uint8_t before, std::uint8_t after,
                     std::vector<VirtualInputChange>& changes) {
    for (int bit = 0; bit < 8; ++bit) {
        const bool was = (before >> bit) & 1;
        const bool is = (after >> bit) & 1;
        if (was != is) {
            changes.push_back({VirtualInputChange::Kind::MouseButton, bit, is});
        }
    }
}

void AddConsumerChanges(std::uint16_t before, std::uint16_t after,
                        std::vector<VirtualInputChange>& changes) {
    if (before == after) {
        return;
    }
    if (before != 0) {
        changes.push_back({VirtualInputChange::Kind::Consumer, before, false});
    }
    if (after != 0) {
        changes.push_back({VirtualInputChange::Kind::Consumer, after, true});
    }
}

} // namespace

std::vector<VirtualInputChange> DriverlessReportTranslator::Apply(const QuillpadFrame& frame) {
    std::vector<VirtualInputChange> changes;
    if (frame[0] != FrameMarker) {
        return changes;
    }
    QuillpadReports next = m_state;
    switch (frame[1]) {
    case QuillpadKeyboardReportId:
        std::copy_n(frame.begin() + 2, next.keyboard.size(), next.keyboard.begin());
        next.keyboard[0] = 0;
        AddKeyChanges(m_state, next, changes);
        break;
    case QuillpadMouseReportId:
        std::copy_n(frame.begin() + 2, next.mouse.size(), next.mouse.begin());
        AddMouseChanges(m_state.mouse[0], next.mouse[0], changes);
        break;
    case QuillpadConsumerReportId:
        std::copy_n(frame.begin() + 2, next.consumer.size(), next.consumer.begin());
        AddConsumerChanges(ConsumerUsage(m_state), ConsumerUsage(next), changes);
        break;
    default:
        // The fourth report and frames without a report id carry no input.
        break;
    }
    m_state = next;
    return changes;
}

std::vector<VirtualInputChange> DriverlessReportTranslator::ReleaseAll() {
    std::vector<VirtualInputChange> changes;
    const QuillpadReports released;
    AddKeyChanges(m_state, released, changes);
    AddMouseChanges(m_state.mouse[0], 0, changes);
    AddConsumerChanges(ConsumerUsage(m_state), 0, changes);
    m_state = released;
    return changes;
}
