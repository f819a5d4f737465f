#include "app/input/KeyActions.h"

#include "app/device/DriverlessKeyCodes.h"

#include <array>

namespace {

constexpr std::array<std::uint16_t, kLastMultimediaCode - kFirstMultimediaCode + 1> ConsumerUsages{
    0x0183, // 232 media player
    0x00EA, // 233 volume down
    0x00E9, // 234 volume up
    0x00E2, // 235 mute
    0x00B7, // 236 stop
    0x00B6, // 237 previous track
    0x00CD, // 238 play/pause
    0x00B5, // 239 next track
    0x018A, // 240 e-mail
    0x0223, // 241 browser home
    0x0192, // 242 calculator
    0x0224, // 243 browser back
    0x0225, // 244 browser forward
    0x0226, // 245 browser stop
    0x0227, // 246 browser refresh
    0x0221, // 247 browser search
    0x022A, // 248 browser favourites
    0x0194, // 249 my computer
};

// Button values 1-8; 4, 5 and 6 have no bit.
constexpr std::array<int, 8> MouseBits{0, 2, 1, -1, -1, -1, 4, 3};

constexpr std::uint8_t Ctrl = 224;
constexpr std::uint8_t Alt = 226;
constexpr std::uint8_t Gui = 227;

struct Shortcut {
    std::array<std::uint8_t, 3> keys;
    std::size_t count;
};

constexpr std::array<Shortcut, 15> Shortcuts{{
    {{Ctrl, 4}, 2},     // 1 Ctrl+A
    {{Ctrl, 6}, 2},     // 2 Ctrl+C
    {{Ctrl, 27}, 2},    // 3 Ctrl+X
    {{Ctrl, 25}, 2},    // 4 Ctrl+V
    {{Ctrl, 29}, 2},    // 5 Ctrl+Z
    {{Ctrl, 22}, 2},    // 6 Ctrl+S
    {{Gui, 8}, 2},      // 7 GUI+E
    {{Gui, 15}, 2},     // 8 GUI+L
    {{Gui, 7}, 2},      // 9 GUI+D
    {{Alt, 43}, 2},     // 10 Alt+Tab
    {{Gui, 16}, 2},     // 11 GUI+M
    {{Ctrl, 26}, 2},    // 12 Ctrl+W
    {{Alt, 44, 27}, 3}, // 13 Alt+Space, X
    {{Alt, 44, 17}, 3}, // 14 Alt+Space, N
    {{Alt, 61}, 2},     // 15 Alt+F4
}};

struct NamedUsage {
    int usage;
    const wchar_t* name;
};

constexpr auto SingleNames = std::to_array<NamedUsage>({
    {39, L"0"},      {98, L"0"},       {40, L"ENTER"},   {41, L"ESC"},   {42, L"backspace"},
    {43, L"TAB"},    {44, L"SPACE"},   {45, L"-_"},      {46, L"+="},    {47, L"[{"},
    {48, L"]}"},     {49, L"\\"},      {51, L";:"},      {52, L"'"},     {53, L"~`"},
    {54, L"<,"},     {55, L">."},      {56, L"/?"},      {57, L"CAPS"},  {70, L"PRTSC"},
    {71, L"SCRLK"},  {72, L"PASE"},    {73, L"INS"},     {74, L"HOME"},  {75, L"PG UP"},
    {76, L"DEL"},    {77, L"END"},     {78, L"PG DN"},   {79, L"RIGHT"}, {80, L"LEFT"},
    {81, L"DOWN"},   {82, L"UP"},      {83, L"NumLock"}, {84, L"/"},     {85, L"*"},
    {86, L"-"},      {87, L"+"},       {88, L"Enter"},   {99, L"."},     {101, L"MENU"},
    {175, L"FN"},    {224, L"CTRL"},   {225, L"SHIFT"},  {226, L"ALT"},  {227, L"WIN"},
    {228, L"RCTRL"}, {229, L"RSHIFT"}, {230, L"RALT"},
});

} // namespace

KeyAction ActionOfAssignment(int macroType, int macroValue) {
    KeyAction action;
    switch (macroType) {
    case kAssignKey:
        if (const auto consumer = ConsumerUsageOfMultimediaCode(macroValue)) {
            action.kind = KeyAction::Kind::Output;
            action.output = {DeviceOutput::Kind::Consumer, *consumer};
        } else if (macroValue > 0 && macroValue < kFirstMultimediaCode) {
            action.kind = KeyAction::Kind::Output;
            action.output = {DeviceOutput::Kind::Key, macroValue};
        }
        break;
    case kAssignMouse:
        if (const auto bit = MouseBitOfButton(macroValue)) {
            action.kind = KeyAction::Kind::Output;
            action.output = {DeviceOutput::Kind::Mouse, *bit};
        }
        break;
    case kAssignShortcut:
        if (!ShortcutKeys(macroValue).empty()) {
            action.kind = KeyAction::Kind::Shortcut;
            action.number = macroValue;
        }
        break;
    case kAssignMacro:
        action.kind = KeyAction::Kind::Macro;
        action.number = macroValue;
        break;
    default:
        break;
    }
    return action;
}

std::optional<std::uint16_t> ConsumerUsageOfMultimediaCode(int code) {
    if (code < kFirstMultimediaCode || code > kLastMultimediaCode) {
        return std::nullopt;
    }
    return ConsumerUsages[static_cast<std::size_t>(code - kFirstMultimediaCode)];
}

std::optional<int> MouseBitOfButton(int button) {
    if (button < 1 || button > static_cast<int>(MouseBits.size())) {
        return std::nullopt;
    }
    const int bit = MouseBits[static_cast<std::size_t>(button - 1)];
    if (bit < 0) {
        return std::nullopt;
    }
    return bit;
}

std::span<const std::uint8_t> ShortcutKeys(int number) {
    if (number < 1 || number > static_cast<int>(Shortcuts.size())) {
        return {};
    }
    const Shortcut& shortcut = Shortcuts[static_cast<std::size_t>(number - 1)];
    return std::span(shortcut.keys.data(), shortcut.count);
}

std::optional<DeviceOutput> OutputOfVirtualKey(int virtualKey) {
    const int usage = UsageOfVirtualKey(virtualKey);
    if (const auto consumer = ConsumerUsageOfMultimediaCode(usage)) {
        return DeviceOutput{DeviceOutput::Kind::Consumer, *consumer};
    }
    if (usage <= 0 || usage >= kFirstMultimediaCode) {
        return std::nullopt;
    }
    return DeviceOutput{DeviceOutput::Kind::Key, usage};
}

std::wstring UsageName(int usage) {
    if (usage >= 4 && usage <= 29) {
        return std::wstring(1, static_cast<wchar_t>(L'A' + (usage - 4)));
    }
    if (usage >= 30 && usage <= 38) {
        return std::wstring(1, static_cast<wchar_t>(L'1' + (usage - 30)));
    }
    if (usage >= 89 && usage <= 97) {
        return std::wstring(1, static_cast<wchar_t>(L'1' + (usage - 89)));
    }
    if (usage >= 58 && usage <= 69) {
        return L"F" + std::to_wstring(usage - 57);
    }
    for (const NamedUsage& named : SingleNames) {
        if (named.usage == usage) {
            return named.name;
        }
    }
    return {};
}
