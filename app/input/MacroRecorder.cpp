#include "app/input/MacroRecorder.h"

#include "app/device/DriverlessKeyCodes.h"

namespace {

bool IsDown(std::uint32_t message) {
    return message == MessageKeyDown || message == MessageSysKeyDown;
}

bool IsKeyMessage(std::uint32_t message) {
    return IsDown(message) || message == MessageKeyUp || message == MessageSysKeyUp;
}

} // namespace

int MeasuredDelay(std::int64_t now, std::int64_t lastEventTime) {
    if (lastEventTime == 0) {
        return 0;
    }
    const std::int64_t delay = now - lastEventTime;
    if (delay < 0 || delay > MaxRecordedDelay) {
        return MaxRecordedDelay;
    }
    return static_cast<int>(delay);
}

void MacroRecorder::StartRecording(DelayMode delayMode, int fixedDelay) {
    m_delayMode = delayMode;
    m_fixedDelay = fixedDelay;
    m_lastEventTime = 0;
    // Keys still down at the previous stop would otherwise make their next press look like a
    // repeat, and the press would be lost.
    m_keysDown.clear();
    m_mode = RecorderMode::Recording;
}

void MacroRecorder::StopRecording() {
    m_mode = RecorderMode::Off;
    m_lastEventTime = 0;
}

void MacroRecorder::StartKeyCapture() {
    m_sink.ShowCapturedKey(L"");
    m_capturedCode = 0;
    m_rawInputActive = true;
    m_mode = RecorderMode::KeyCapture;
}

void MacroRecorder::EndKeyCapture() {
    m_rawInputActive = false;
    m_mode = RecorderMode::Off;
}

bool MacroRecorder::OnHookKey(std::uint32_t message, int virtualKey, std::uint32_t scanCode,
                              std::uint32_t flags) {
    if (m_mode != RecorderMode::Recording) {
        return false; // a late hook call after the stop: the key belongs to the system
    }
    if (!IsKeyMessage(message)) {
        return true;
    }
    const bool down = IsDown(message);
    const int code = HookVirtualKey(virtualKey, scanCode, flags, down);
    if (code == 0) {
        return true;
    }
    const NamedKey key = NameKey(code, KeyNameSet::Recording, m_names);
    if (down) {
        if (!m_keysDown.insert(key.code).second) {
            return true; // auto-repeat
        }
    } else {
        m_keysDown.erase(key.code);
    }
    RecordStep(key, down);
    return true;
}

void MacroRecorder::OnRawKey(std::uint32_t message, int virtualKey) {
    if (!m_rawInputActive || !IsKeyMessage(message)) {
        return;
    }
    const NamedKey key = NameKey(virtualKey, KeyNameSet::KeyCapture, m_names);
    if (m_mode == RecorderMode::Recording) {
        RecordStep(key, IsDown(message));
    } else if (m_mode == RecorderMode::KeyCapture && !key.name.empty()) {
        // A key the layout has no name for would blank the field and be captured unseen.
        m_sink.ShowCapturedKey(key.name);
        m_capturedCode = key.code;
    }
}

void MacroRecorder::RecordStep(const NamedKey& key, bool down) {
    const std::int64_t now = m_clock.NowMs();
    int delay = MeasuredDelay(now, m_lastEventTime);
    m_lastEventTime = now;
    if (m_delayMode == DelayMode::None) {
        delay = 0;
    } else if (m_delayMode == DelayMode::Fixed) {
        delay = m_fixedDelay;
    }
    if (delay != 0) {
        m_sink.SetLastRecordDelay(delay);
    }
    m_sink.AppendRecord({key.name, down ? RecordedKey::Press : RecordedKey::Release, key.code, 0});
}
