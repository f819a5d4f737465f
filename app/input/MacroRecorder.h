#pragma once

#include "app/input/KeyNames.h"

#include <cstdint>
#include <set>
#include <string>

// One recorded key event as the macro page's record list shows it.
struct RecordedKey {
    static constexpr int Press = 2;
    static constexpr int Release = 3;
    std::wstring name;
    int type = Press;
    int value = 0; // Windows virtual-key code
    int delay = 0; // ms to the next item
    bool operator==(const RecordedKey&) const = default;
};

// Where the recorder's output goes: the macro page's record list and key capture field.
class IRecordSink {
public:
    virtual ~IRecordSink() = default;
    virtual void AppendRecord(const RecordedKey& record) = 0;
    // Sets the delay of the list's last item; nothing when the list is empty.
    virtual void SetLastRecordDelay(int delay) = 0;
    virtual void ShowCapturedKey(const std::wstring& name) = 0;
};

// System time in ms.
class IRecorderClock {
public:
    virtual ~IRecorderClock() = default;
    virtual std::int64_t NowMs() = 0;
};

constexpr int MaxRecordedDelay = 31000;

// The time from the previous event, 0 for the first; longer or negative spans give the cap.
int MeasuredDelay(std::int64_t now, std::int64_t lastEventTime);

enum class RecorderMode { Off = 0, Recording = 1, KeyCapture = 2 };
enum class DelayMode { Measured = 1, None = 2, Fixed = 3 };

// Keyboard messages as the hook and raw input deliver them.
constexpr std::uint32_t MessageKeyDown = 256;
constexpr std::uint32_t MessageKeyUp = 257;
constexpr std::uint32_t MessageSysKeyDown = 260;
constexpr std::uint32_t MessageSysKeyUp = 261;

// Turns key events from the recording hook and from raw input into record items.
class MacroRecorder {
public:
    MacroRecorder(IRecordSink& sink, IKeyNameSource& names, IRecorderClock& clock)
        : m_sink(sink), m_names(names), m_clock(clock) {}

    void StartRecording(DelayMode delayMode, int fixedDelay);
    void StopRecording();
    void StartKeyCapture();
    void EndKeyCapture();

    // One low-level hook event. Returns whether to swallow it: every event while recording, so
    // recorded keys never reach the focused program; none otherwise.
    bool OnHookKey(std::uint32_t message, int virtualKey, std::uint32_t scanCode,
                   std::uint32_t flags);
    // One raw keyboard input event; ignored unless a key capture has started it.
    void OnRawKey(std::uint32_t message, int virtualKey);

    RecorderMode Mode() const { return m_mode; }
    bool RawInputActive() const { return m_rawInputActive; }
    // The code of the key the key capture field shows, 0 for none.
    int CapturedCode() const { return m_capturedCode; }

private:
    void RecordStep(const NamedKey& key, bool down);

    IRecordSink& m_sink;
    IKeyNameSource& m_names;
    IRecorderClock& m_clock;
    RecorderMode m_mode = RecorderMode::Off;
    DelayMode m_delayMode = DelayMode::Measured;
    int m_fixedDelay = 10;
    std::int64_t m_lastEventTime = 0;
    std::set<int> m_keysDown;
    bool m_rawInputActive = false;
    int m_capturedCode = 0;
};
