#include "app/device/DriverlessKeyCodes.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

struct KeyPair {
    int virtualKey;
    int usage;
};

// Codes that are not runs of consecutive values.
constexpr auto SingleKeys = std::to_array<KeyPair>({
    {48, 39},   {13, 40},   {27, 41},   {8, 42},    {9, 43},    {32, 44},   {189, 45},  {187, 46},
    {219, 47},  {221, 48},  {220, 49},  {666, 50},  {186, 51},  {222, 52},  {192, 53},  {188, 54},
    {190, 55},  {191, 56},  {20, 57},   {44, 70},   {145, 71},  {19, 72},   {45, 73},   {36, 74},
    {33, 75},   {46, 76},   {35, 77},   {34, 78},   {39, 79},   {37, 80},   {40, 81},   {38, 82},
    {144, 83},  {111, 84},  {106, 85},  {109, 86},  {107, 87},  {108, 88},  {96, 98},   {110, 99},
    {162, 224}, {160, 225}, {164, 226}, {91, 227},  {163, 228}, {161, 229}, {165, 230}, {92, 231},
    {93, 101},  {226, 100}, {254, 175}, {136, 136}, {137, 137}, {138, 138}, {139, 139}, {173, 235},
    {174, 233}, {175, 234}, {176, 239}, {177, 237}, {178, 236}, {179, 238}, {166, 243}, {167, 244},
    {168, 246}, {169, 245}, {170, 247}, {171, 248}, {172, 241}, {180, 240}, {181, 232}, {182, 249},
    {183, 242},
});

struct KeyRun {
    int firstVirtualKey;
    int lastVirtualKey;
    int firstUsage;
};

constexpr std::array<KeyRun, 5> KeyRuns{{
    {65, 90, 4},     // letters
    {49, 57, 30},    // digits 1-9
    {112, 123, 58},  // F1-F12
    {124, 135, 104}, // F13-F24
    {97, 105, 89},   // numeric pad 1-9
}};

// Keys the system reports with the extended flag.
constexpr std::array<int, 17> ExtendedKeys{33, 34,  35,  36,  37,  38, 39, 40, 45,
                                           46, 111, 144, 163, 165, 91, 92, 93};

constexpr std::array<std::pair<std::uint16_t, int>, 18> ConsumerKeys{{
    {0x0183, 181},
    {0x00EA, 174},
    {0x00E9, 175},
    {0x00E2, 173},
    {0x00B7, 178},
    {0x00B6, 177},
    {0x00CD, 179},
    {0x00B5, 176},
    {0x018A, 180},
    {0x0223, 172},
    {0x0192, 183},
    {0x0224, 166},
    {0x0225, 167},
    {0x0226, 169},
    {0x0227, 168},
    {0x0221, 170},
    {0x022A, 171},
    {0x0194, 182},
}};

constexpr std::uint32_t ScanCodeEnter = 28;

} // namespace

int HookVirtualKey(int virtualKey, std::uint32_t scanCode, std::uint32_t flags, bool down) {
    if (flags == (down ? 0u : HookFlagUp)) {
        constexpr std::array<std::pair<std::uint32_t, int>, 11> numericPad{{
            {71, 103},
            {72, 104},
            {73, 105},
            {75, 100},
            {76, 101},
            {77, 102},
            {79, 97},
            {80, 98},
            {81, 99},
            {82, 96},
            {83, 110},
        }};
        for (const auto& [scan, code] : numericPad) {
            if (scan == scanCode) {
                return code;
            }
        }
    }
    if (flags == (down ? HookFlagExtended : (HookFlagUp | HookFlagExtended)) &&
        scanCode == ScanCodeEnter) {
        return 108;
    }
    return virtualKey;
}

int UsageOfVirtualKey(int virtualKey) {
    if (virtualKey == 0) {
        return 0;
    }
    for (const KeyRun& run : KeyRuns) {
        if (virtualKey >= run.firstVirtualKey && virtualKey <= run.lastVirtualKey) {
            return run.firstUsage + virtualKey - run.firstVirtualKey;
        }
    }
    for (const KeyPair& pair : SingleKeys) {
        if (pair.virtualKey == virtualKey) {
            return pair.usage;
        }
    }
    return 0;
}

std::optional<VirtualKeyStroke> VirtualKeyOfUsage(int usage) {
    if (usage <= 0 || usage >= 232) {
        return std::nullopt;
    }
    if (usage == 88) {
        return VirtualKeyStroke{13, true}; // numeric-pad Enter
    }
    int virtualKey = 0;
    for (const KeyRun& run : KeyRuns) {
        const int last = run.firstUsage + run.lastVirtualKey - run.firstVirtualKey;
        if (usage >= run.firstUsage && usage <= last) {
            virtualKey = run.firstVirtualKey + usage - run.firstUsage;
        }
    }
    for (const KeyPair& pair : SingleKeys) {
        if (virtualKey == 0 && pair.usage == usage && pair.virtualKey < 256) {
            virtualKey = pair.virtualKey;
        }
    }
    if (virtualKey == 0) {
        return std::nullopt;
    }
    const bool extended =
        std::find(ExtendedKeys.begin(), ExtendedKeys.end(), virtualKey) != ExtendedKeys.end();
    return VirtualKeyStroke{virtualKey, extended};
}

std::optional<int> VirtualKeyOfConsumerUsage(std::uint16_t usage) {
    for (const auto& [consumer, virtualKey] : ConsumerKeys) {
        if (consumer == usage) {
            return virtualKey;
        }
    }
    return std::nullopt;
}
