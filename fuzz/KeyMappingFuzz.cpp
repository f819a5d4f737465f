// Arbitrary assignment rows, a macro and a sequence of key events, macro plays, mapping changes
// and interruptions: whatever the values, every lookup stays in its table and, once every
// physical key is up again, the virtual device holds nothing down.

#include "app/device/Quillpad.h"
#include "app/input/KeyMapping.h"
#include "tests/input/KeyMappingFakes.h"

#include <cstdlib>
#include <cstring>
#include <set>

namespace {

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool More() const { return m_offset < m_size; }
    int Byte() { return m_offset < m_size ? m_data[m_offset++] : 0; }
    int Int() {
        std::int32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value) << 8 |
                                              static_cast<std::uint32_t>(Byte()));
        }
        return value;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_offset = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader input(data, size);
    RecordingPad pad;
    Quillpad quillpad(pad);
    QueueFilter filter;
    MemoryMappingData mapping;
    VirtualSleeper sleeper;
    const int rows = input.Byte() % 16;
    for (int i = 0; i < rows; ++i) {
        const int keyCode = input.Byte() % 8;
        const int kind = input.Byte() % 10;
        mapping.Assign(keyCode, kind, input.Int());
    }
    MacroInfo info;
    info.macroId = 1;
    info.playTimes = input.Byte() % 4 - 1;
    mapping.macros[1] = info;
    const int events = input.Byte() % 16;
    for (int i = 0; i < events; ++i) {
        MacroRecord record;
        record.type = input.Byte() % 4;
        record.value = input.Int();
        record.delayTime = input.Int();
        mapping.events[1].push_back(record);
    }

    KeyMapping engine({quillpad, filter, mapping, sleeper, nullptr});
    engine.Monitor().Stop();
    std::set<std::uint16_t> down;
    while (input.More()) {
        const int operation = input.Byte();
        const auto key = static_cast<std::uint16_t>(operation % 8);
        switch (operation / 8 % 6) {
        case 0:
        case 1:
            engine.OnKeyEvent(key, true);
            down.insert(key);
            break;
        case 2:
        case 3:
            engine.OnKeyEvent(key, false);
            down.erase(key);
            break;
        case 4:
            engine.PlayMacro(1);
            break;
        default:
            engine.ReprogramKeyFilter();
            engine.Monitor().Stop();
            break;
        }
    }
    for (std::uint16_t key : down) {
        engine.OnKeyEvent(key, false);
    }
    if (!pad.StillPressed().empty()) {
        std::abort();
    }
    return 0;
}
